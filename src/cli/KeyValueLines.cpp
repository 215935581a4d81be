#include "cli/KeyValueLines.h"

namespace namewright::cli {

namespace {

std::string levelText(int level) {
    return level >= 1 && level <= 3 ? std::to_string(level) : "表外";
}

std::string toneText(MeaningTone tone) {
    switch (tone) {
    case MeaningTone::Positive:
        return "褒";
    case MeaningTone::Neutral:
        return "中";
    case MeaningTone::Negative:
        return "贬";
    case MeaningTone::Unknown:
        break;
    }
    return "";
}

} // namespace

std::vector<std::string> describedNameLines(const NameDescription& description) {
    if (!description.available) {
        return {"knowledge\tunavailable"};
    }
    std::vector<std::string> lines{"pinyin\t" + description.pinyinText(), "tones\t" + description.tonesText()};
    for (const SoundWarning& warning : description.soundWarnings) {
        lines.push_back("warning\t" + warning.text);
    }
    for (const DescribedCharacter& c : description.characters) {
        lines.push_back("char\t" + c.character);
        if (!c.known) {
            continue;
        }
        lines.push_back("traditional\t" + c.traditional);
        lines.push_back("strokes\t" + std::to_string(c.strokes) + "（" + c.strokeWorking + "）");
        lines.push_back("element\t" + c.elementReason);
        lines.push_back("level\t" + levelText(c.commonLevel));
        // Last of the character's lines, and only where the meanings table has the character.
        if (!c.gloss.empty() && c.meaningTone != MeaningTone::Unknown) {
            lines.push_back("meaning\t" + c.character + "\t" + toneText(c.meaningTone) + "\t" + c.gloss);
        }
    }
    for (const Verse& verse : description.verses) {
        lines.push_back("verse\t" + verse.work + "\t" + verse.title + "\t" + verse.author + "\t" + verse.text);
    }
    return lines;
}

std::vector<std::string> solarTermChartLines(const SolarTermChart& chart) {
    std::vector<std::string> lines;
    for (const WorkingItem& item : solarTermChartWorking(chart)) {
        lines.push_back(item.key + "\t" + item.value);
    }
    return lines;
}

} // namespace namewright::cli
