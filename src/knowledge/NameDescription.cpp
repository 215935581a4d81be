#include "knowledge/NameDescription.h"

#include "knowledge/Utf8.h"

namespace namewright {

namespace {

std::string levelText(int level) {
    return level >= 1 && level <= 3 ? std::to_string(level) : "表外";
}

} // namespace

std::vector<std::string> describeName(const KnowledgeBase& knowledge, std::string_view family, std::string_view given) {
    if (!knowledge.isAvailable()) {
        return {"knowledge\tunavailable"};
    }
    const auto readings = knowledge.readName(family, given);
    std::string pinyin, tones;
    for (const auto& reading : readings) {
        const bool known = !reading.pinyin.empty();
        pinyin += (pinyin.empty() ? "" : " ") + (known ? reading.pinyin : std::string("?"));
        tones += (tones.empty() ? "" : " ") + (known ? std::to_string(reading.syllable.tone) : std::string("?"));
    }
    std::vector<std::string> lines{"pinyin\t" + pinyin, "tones\t" + tones};
    for (const auto& warning : knowledge.soundChecker().warnings(readings)) {
        lines.push_back("warning\t" + warning.text);
    }
    for (const auto& reading : readings) {
        lines.push_back("char\t" + reading.character);
        const auto* k = knowledge.character(reading.character);
        if (!k) {
            continue;
        }
        lines.push_back("traditional\t" + k->traditional);
        lines.push_back("strokes\t" + std::to_string(k->strokes) + "（" + k->working + "）");
        // A family character's element follows its family reading (单 shàn 金, not dān 火).
        const bool asFamily = reading.isFamily && !k->familyElementReason.empty();
        lines.push_back("element\t" + (asFamily ? k->familyElementReason : k->elementReason));
        lines.push_back("level\t" + levelText(k->commonLevel));
    }
    const auto givenCharacters = decodeUtf8(given);
    if (givenCharacters.size() == 2) {
        for (const auto& verse : knowledge.verses(givenCharacters[0], givenCharacters[1])) {
            lines.push_back("verse\t" + verse.work + "\t" + verse.title + "\t" + verse.author + "\t" + verse.text);
        }
    }
    return lines;
}

} // namespace namewright
