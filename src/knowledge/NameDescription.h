#pragma once
// NameDescription (名字的知识): what the character knowledge says of a full name, as values. The command line prints it
// as key<TAB>value lines (`namewright-cli describe`), the shortlist's details pane under Chinese captions; each front
// end formats it for itself.

#include "knowledge/KnowledgeBase.h"

#include <string>
#include <string_view>
#include <vector>

namespace namewright {

/// One character of a described name.
struct DescribedCharacter {
    std::string character;     ///< UTF-8, one character
    bool known = false;        ///< false: the knowledge file does not know it, and the fields below are empty
    std::string traditional;   ///< the form whose strokes count
    int strokes = 0;           ///< the five-grid count
    std::string strokeWorking; ///< "水 4 + 3，氵按水计 4"
    /// The element with its reason ("水：部首氵（水）"); a family character's by its family reading ("金：声母 sh（姓读
    /// shàn）"), so that 单 as a family name is 金, not 火 as dān.
    std::string elementReason;
    int commonLevel = 0; ///< 1, 2 or 3 in the 通用规范汉字表; 0 outside it
    /// 字义 ("平安，安定；安心（平安）") and its tone in a name; empty and Unknown where the meanings table has none.
    std::string gloss;
    MeaningTone meaningTone = MeaningTone::Unknown;
    bool operator==(const DescribedCharacter&) const = default;
};

struct NameDescription {
    /// False when the knowledge file could not be opened; every other field is then empty.
    bool available = false;
    /// One reading per character, family first; an unknown character has an empty pinyin and tone 0.
    std::vector<SyllableReading> readings;
    std::vector<SoundWarning> soundWarnings;    ///< in rule order
    std::vector<DescribedCharacter> characters; ///< family first, one per reading
    std::vector<Verse> verses;                  ///< a two-character given name's verses of the pair, best first

    /// The syllables with tone marks, separated by spaces ("fàn tǒng"); "?" for an unknown character.
    std::string pinyinText() const;
    /// Their tones separated by spaces ("4 3"); 5 is the neutral tone, "?" an unknown character.
    std::string tonesText() const;
};

/// Describes family + given: the readings of KnowledgeBase::readName, the sound warnings, each character's knowledge
/// and, for a two-character given name, the verses of the pair.
NameDescription describeName(const KnowledgeBase& knowledge, std::string_view family, std::string_view given);

} // namespace namewright
