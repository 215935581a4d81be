#include "knowledge/NameDescription.h"

#include "text/Utf8.h"

namespace namewright {

std::string NameDescription::pinyinText() const {
    std::string text;
    for (const SyllableReading& reading : readings) {
        text += (text.empty() ? "" : " ") + (reading.pinyin.empty() ? std::string("?") : reading.pinyin);
    }
    return text;
}

std::string NameDescription::tonesText() const {
    std::string text;
    for (const SyllableReading& reading : readings) {
        text += (text.empty() ? "" : " ") +
                (reading.pinyin.empty() ? std::string("?") : std::to_string(reading.syllable.tone));
    }
    return text;
}

NameDescription describeName(const KnowledgeBase& knowledge, std::string_view family, std::string_view given) {
    NameDescription out;
    if (!knowledge.isAvailable()) {
        return out;
    }
    out.available = true;
    out.readings = knowledge.readName(family, given);
    out.soundWarnings = knowledge.soundChecker().warnings(out.readings);
    for (const SyllableReading& reading : out.readings) {
        DescribedCharacter described;
        described.character = reading.character;
        if (const CharacterKnowledge* k = knowledge.character(reading.character)) {
            described.known = true;
            described.traditional = k->traditional;
            described.strokes = k->strokes;
            described.strokeWorking = k->working;
            // A family character's element follows its family reading (单 shàn 金, not dān 火).
            const bool asFamily = reading.isFamily && !k->familyElementReason.empty();
            described.elementReason = asFamily ? k->familyElementReason : k->elementReason;
            described.commonLevel = k->commonLevel;
            described.gloss = k->gloss;
            described.meaningTone = k->meaningTone;
        }
        out.characters.push_back(std::move(described));
    }
    const std::u32string givenCharacters = decodeUtf8(given);
    if (givenCharacters.size() == 2) {
        out.verses = knowledge.verses(givenCharacters[0], givenCharacters[1]);
    }
    return out;
}

} // namespace namewright
