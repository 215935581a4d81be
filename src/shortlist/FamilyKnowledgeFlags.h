#pragma once
// FamilyKnowledgeFlags: the shortlist's knowledge flags (读音, 诗句, 常用) of the given names of one family name.
//
// The family name is fixed for a series, so everything per family is worked out once here and each given name costs
// a few array reads and hash lookups (no allocation): about 0.1 µs, so 1 M distinct names fit the shortlist's build
// budget (bench/KnowledgeBench.cpp). The object is immutable: share it between threads freely.

#include "knowledge/KnowledgeBase.h"

#include <string>
#include <string_view>
#include <vector>

namespace namewright {

/// The knowledge flags of one given name. With no knowledge file every flag is false and `available` says so.
struct KnowledgeFlags {
    bool available = false;
    bool noSoundWarning = false; ///< no sound warning for family + given (KnowledgeBase::soundWarnings is empty)
    bool hasVerse = false;       ///< a two-character given name whose pair has a verse (word1 then word2 character)
    bool commonOnly = false;     ///< every given character is of level 1 or 2 of the 通用规范汉字表

    bool operator==(const KnowledgeFlags&) const = default;
};

class FamilyKnowledgeFlags {
public:
    FamilyKnowledgeFlags(KnowledgeBase knowledge, std::string_view family);

    bool isAvailable() const { return m_knowledge.isAvailable(); }

    /// For a one-character given name pass second = 0.
    KnowledgeFlags flags(char32_t first, char32_t second) const;
    /// How closely the verses hold the pair (first, then second); None when either is unknown.
    VerseClass verseClass(char32_t first, char32_t second) const;
    /// The heaviest sound warning of family + given; None without a knowledge file. second = 0: one character.
    SoundChecker::Strength soundStrength(char32_t first, char32_t second) const;
    /// The given name as UTF-8 (one or two characters; any other length gives every flag false).
    KnowledgeFlags flags(std::string_view given) const;

    /// The pinyin of family + given, syllables separated by spaces ("fàn tǒng"), for the pinyin column; "?" for an
    /// unknown character, empty without a knowledge file.
    std::string pinyin(std::string_view given) const;

private:
    /// Calls f(span of units, family count) with family + given as sound units, without allocating for short names.
    template <typename F> auto withUnits(char32_t first, char32_t second, F&& f) const;

    KnowledgeBase m_knowledge;
    std::vector<SyllableReading> m_familyReadings;
    std::vector<SoundChecker::Unit> m_familyUnits;
    std::string m_familyPinyin;
};

} // namespace namewright
