#pragma once
// The tables of the character knowledge file characters.db (data/knowledge_schema.sql) and the columns of each that
// its row checksum covers: every column but `checksum` itself, in the order of the schema.

#include <array>
#include <string_view>

namespace namewright {

/// The format number of the meta row "format". 3: every row carries a checksum (RowChecksum.h), the unfortunate
/// words say whether they are heard in another tone, the verse index holds a class per pair. 4: the meanings of the
/// characters, the everyday words and the place characters.
inline constexpr std::string_view kKnowledgeFormat = "4";

struct KnowledgeTable {
    std::string_view name;
    std::string_view columns; ///< comma-separated, as they stand in a SELECT
    bool readWhole;           ///< read whole when the file is opened, so its digest in meta is checked then
};

inline constexpr std::array<KnowledgeTable, 11> kKnowledgeTables{{
    {"meta", "key, value", true},
    {"characters",
     "zi, pinyin, syllable, tone, readings, level, traditional, radical, radical_form, radical_strokes, residual, "
     "strokes, rule, working, element, element_reason, glyph_strokes, family_element, family_element_reason",
     true},
    {"surnames", "family, pinyin, syllables, note", true},
    {"unfortunate_words", "word, pinyin, syllables, kind, other_tones, note", true},
    {"character_meanings", "zi, tone, tier, gloss", true},
    {"everyday_words", "word, kind, note", true},
    {"place_characters", "zi, place, note", true},
    {"poems", "id, work, title, author, dynasty", false},
    {"verses", "id, poem, text", false},
    {"verse_pairs", "pair, verses", false},
    {"verse_index", "first_characters, second_characters, classes", true},
}};

/// The table of that name; throws std::out_of_range for another name.
const KnowledgeTable& knowledgeTable(std::string_view name);

} // namespace namewright
