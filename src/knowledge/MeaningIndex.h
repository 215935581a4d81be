#pragma once
// MeaningIndex: what the knowledge base keeps in memory of the meanings of the characters, the everyday words and
// the place characters, for lookups fast enough to rank a million names: one byte per character of the CJK block
// (tone, tier, place mark) and the word pairs as sorted 64-bit keys. Filled once when the file is opened.

#include "knowledge/CharacterKnowledge.h"
#include "knowledge/KnowledgeRows.h"

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <string>
#include <vector>

namespace namewright {

class MeaningIndex {
public:
    struct Meaning {
        char32_t character = 0;
        MeaningTone tone = MeaningTone::Unknown;
        int tier = 0;
        std::string gloss;
    };

    /// Reads character_meanings, everyday_words and place_characters whole, each row and table checked; returns the
    /// meanings for the caller to keep with the characters. Throws std::runtime_error for a damaged or bad row (a
    /// tone other than 褒 中 贬, a tier outside 0-3, a word not of two characters, a character outside the block).
    std::vector<Meaning> load(SQLite::Database& db, const KnowledgeDigests& digests);

    /// 0 for a character without a meaning row (and before load()).
    int nameTier(char32_t c) const;
    MeaningTone meaningTone(char32_t c) const;
    bool isPlaceCharacter(char32_t c) const;
    bool isEverydayWord(char32_t first, char32_t second) const;
    bool isPlaceName(char32_t first, char32_t second) const;

private:
    std::uint8_t flagsOf(char32_t c) const;

    std::vector<std::uint8_t> m_flags;       ///< by code point - U+4E00: tone (bits 0-1), tier (2-3), place (4)
    std::vector<std::uint64_t> m_words;      ///< sorted pair keys of the words (词)
    std::vector<std::uint64_t> m_placeNames; ///< sorted pair keys of the place names (地名)
};

} // namespace namewright
