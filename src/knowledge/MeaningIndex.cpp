#include "knowledge/MeaningIndex.h"

#include "text/Utf8.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <stdexcept>

namespace namewright {

namespace {

constexpr char32_t kFirst = 0x4E00;
constexpr char32_t kEnd = 0xA000;
constexpr std::uint8_t kToneMask = 0x03;
constexpr int kTierShift = 2;
constexpr std::uint8_t kPlace = 0x10;

bool inBlock(char32_t c) {
    return c >= kFirst && c < kEnd;
}

std::uint64_t pairKey(char32_t first, char32_t second) {
    return (static_cast<std::uint64_t>(first) << 21U) | static_cast<std::uint64_t>(second);
}

MeaningTone toneOf(const std::string& text) {
    if (text == "褒") {
        return MeaningTone::Positive;
    }
    if (text == "中") {
        return MeaningTone::Neutral;
    }
    if (text == "贬") {
        return MeaningTone::Negative;
    }
    throw std::runtime_error("bad meaning tone " + text);
}

/// The one character of a cell in the CJK block; throws for anything else.
char32_t blockCharacter(const std::string& text, const char* table) {
    const auto decoded = decodeUtf8(text);
    if (decoded.size() != 1 || !inBlock(decoded[0])) {
        throw std::runtime_error(std::string("bad character in ") + table + " (" + text + ")");
    }
    return decoded[0];
}

bool holds(const std::vector<std::uint64_t>& keys, char32_t first, char32_t second) {
    return std::binary_search(keys.begin(), keys.end(), pairKey(first, second));
}

} // namespace

std::vector<MeaningIndex::Meaning> MeaningIndex::load(SQLite::Database& db, const KnowledgeDigests& digests) {
    m_flags.assign(kEnd - kFirst, 0);
    std::vector<Meaning> meanings;
    const KnowledgeTable& meaningTable = knowledgeTable("character_meanings");
    SQLite::Statement rows(db, checkedSelect(meaningTable));
    KnowledgeDigest digest;
    while (rows.executeStep()) {
        checkRow(rows, meaningTable, digest);
        Meaning meaning{blockCharacter(rows.getColumn(0).getString(), "character_meanings"),
                        toneOf(rows.getColumn(1).getString()), rows.getColumn(2).getInt(),
                        rows.getColumn(3).getString()};
        auto& flags = m_flags[meaning.character - kFirst];
        if (meaning.tier < 0 || meaning.tier > 3 || flags != 0) {
            throw std::runtime_error("bad meaning row " + utf8Of(meaning.character));
        }
        flags = static_cast<std::uint8_t>(static_cast<unsigned>(meaning.tone) |
                                          (static_cast<unsigned>(meaning.tier) << kTierShift));
        meanings.push_back(std::move(meaning));
    }
    checkDigest(digests, meaningTable, digest);

    const KnowledgeTable& wordTable = knowledgeTable("everyday_words");
    SQLite::Statement words(db, checkedSelect(wordTable));
    KnowledgeDigest wordDigest;
    while (words.executeStep()) {
        checkRow(words, wordTable, wordDigest);
        const auto word = words.getColumn(0).getString();
        const auto pair = decodeUtf8(word);
        const auto kind = words.getColumn(1).getString();
        if (pair.size() != 2 || (kind != "词" && kind != "地名")) {
            throw std::runtime_error("bad everyday word " + word);
        }
        (kind == "词" ? m_words : m_placeNames).push_back(pairKey(pair[0], pair[1]));
    }
    checkDigest(digests, wordTable, wordDigest);
    std::sort(m_words.begin(), m_words.end());
    std::sort(m_placeNames.begin(), m_placeNames.end());

    const KnowledgeTable& placeTable = knowledgeTable("place_characters");
    SQLite::Statement places(db, checkedSelect(placeTable));
    KnowledgeDigest placeDigest;
    while (places.executeStep()) {
        checkRow(places, placeTable, placeDigest);
        m_flags[blockCharacter(places.getColumn(0).getString(), "place_characters") - kFirst] |= kPlace;
    }
    checkDigest(digests, placeTable, placeDigest);
    return meanings;
}

std::uint8_t MeaningIndex::flagsOf(char32_t c) const {
    return inBlock(c) && !m_flags.empty() ? m_flags[c - kFirst] : 0;
}

int MeaningIndex::nameTier(char32_t c) const {
    return (flagsOf(c) >> kTierShift) & 3;
}

MeaningTone MeaningIndex::meaningTone(char32_t c) const {
    return static_cast<MeaningTone>(flagsOf(c) & kToneMask);
}

bool MeaningIndex::isPlaceCharacter(char32_t c) const {
    return (flagsOf(c) & kPlace) != 0;
}

bool MeaningIndex::isEverydayWord(char32_t first, char32_t second) const {
    return holds(m_words, first, second);
}

bool MeaningIndex::isPlaceName(char32_t first, char32_t second) const {
    return holds(m_placeNames, first, second);
}

} // namespace namewright
