#pragma once
// KnowledgeBase (字库知识): the read-only character knowledge file characters.db beside hun.mdb.
//
// Opening reads the characters with their meanings, family-name readings, unfortunate words, everyday words, place
// characters and the verse index into memory; verses are read from the file when asked for. The file is opened
// read-only with nothing written beside it, in WAL mode too (db/ReadOnlySqlite.h). Every row carries a checksum,
// checked whenever the row is read, and each table read whole at opening a digest of its rows (RowChecksum.h). A
// missing, unreadable, foreign or damaged file gives an unavailable knowledge base, quietly: every lookup then finds
// nothing, and `failure()` says which check refused the file. A row read later (a verse) that fails its check gives
// nothing, and `damage()` says so. Copies share one loaded state. Every const member may be called from several threads
// at once, on a whole open.
//
// A lazy open (Loading::Lazy, for describing a few names in a short process) checks the format, the meta rows and the
// schema as a whole open does and reads the small tables whole (family names, unfortunate words, meanings, everyday
// words, place characters, the verse index), each with its digest; the characters are read one row at a time when
// first asked for, each row checked as it is read. A damaged character row then gives nothing, and `damage()` says
// so with the message a whole open would refuse the file with. The characters table's digest and rows never asked
// for are not checked, nor that every meaning belongs to a character of the file. A lazy knowledge base is for one
// thread: reading a character registers its syllable with the sound checker.

#include "knowledge/CharacterKnowledge.h"
#include "knowledge/SoundChecker.h"
#include "knowledge/SoundWarning.h"
#include "knowledge/SyllableReading.h"
#include "knowledge/Verse.h"
#include "knowledge/VerseClass.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace namewright {

class KnowledgeBase {
public:
    /// Unavailable: every lookup finds nothing.
    KnowledgeBase();
    enum class Loading : std::uint8_t {
        Whole, ///< every table read and checked at opening
        Lazy,  ///< the characters read one row at a time when first asked for (above)
    };
    static KnowledgeBase open(const std::filesystem::path& file, Loading loading = Loading::Whole);

    /// characters.db in the folder of the naming database file `namingDatabase` (usually the program's folder).
    static std::filesystem::path besideNamingDatabase(const std::filesystem::path& namingDatabase);

    bool isAvailable() const;
    /// Why the file was refused ("no such file", "not a knowledge file (format)", "a row of characters fails its
    /// checksum (美)", the SQLite error ...); empty when available.
    const std::string& failure() const;
    /// The first damage found in a row read after opening ("a row of verses or poems fails its checksum (12)"), which
    /// left a lookup empty; empty while none was found.
    std::string damage() const;

    /// The knowledge of a character (UTF-8 of exactly one character, or its code point); nullptr if unknown.
    const CharacterKnowledge* character(std::string_view character) const;
    const CharacterKnowledge* character(char32_t codePoint) const;

    /// How a full name is read: the family name whole from the family-name table (compound names such as 尉迟), else
    /// each family character by its family reading where it has one (曾 zēng, 单 shàn), else by its name reading;
    /// each given character by its name reading. One reading per character; an unknown character reads empty.
    std::vector<SyllableReading> readName(std::string_view family, std::string_view given) const;

    /// The sound warnings of a full name (SoundChecker.h), in rule order.
    std::vector<SoundWarning> soundWarnings(std::string_view family, std::string_view given) const;

    /// The best verses (at most versesPerPair(), best first) holding `first` followed by `second`, for a first
    /// character of word1 and a second of word2 as the file indexed them; none for any other pair. Best first: the two
    /// side by side in name order, in a famous text before elsewhere; then verses of a famous text; then the rest;
    /// each group in the order of the classics (大学, 中庸, 论语, 孟子, 诗经, 楚辞, 唐诗, 宋词),
    /// famous verses that later poems quote more before the others.
    std::vector<Verse> verses(std::string_view first, std::string_view second) const;
    std::vector<Verse> verses(char32_t first, char32_t second) const;
    /// Whether verses() finds any, from the in-memory index (no file access): verseClass() is not None.
    bool hasVerse(char32_t first, char32_t second) const;
    /// How closely the verses hold the pair (VerseClass.h), from the in-memory index (no file access); None for a
    /// pair the file did not index.
    VerseClass verseClass(char32_t first, char32_t second) const;
    int versesPerPair() const;

    /// What the meanings table says of a character, from in-memory arrays (no file access), fast enough to rank a
    /// million names. nameTier(): 1 much used in given names today, 2 ordinary, 3 rare in names, 0 for a family-only
    /// or unknown character. meaningTone(): Unknown for a character without a meaning.
    int nameTier(char32_t c) const;
    MeaningTone meaningTone(char32_t c) const;
    /// Whether the pair, in this order, is a listed everyday word (词: 治标) or place name (地名: 杭州); the list holds
    /// only pairs a name can have (a word1 character, then a word2 character).
    bool isEverydayWord(char32_t first, char32_t second) const;
    bool isPlaceName(char32_t first, char32_t second) const;
    /// Whether the character stands for a place in a name (沪 渝 皖 ...).
    bool isPlaceCharacter(char32_t c) const;

    /// The checker holding the unfortunate words, for checks worked out ahead (shortlist/FamilyKnowledgeFlags.h).
    const SoundChecker& soundChecker() const;
    /// The unit of a family-name reading syllable (registered when the file was opened).
    SoundChecker::Unit unitOf(const Syllable& syllable, char32_t character) const;

    /// What the shortlist columns need of a character, in one small record: its name-reading unit, its common level
    /// and its places among the first and second characters of the verse index (-1: not there).
    struct CompactCharacter {
        SoundChecker::Unit unit;
        std::int8_t commonLevel = 0;
        std::int16_t firstIndex = -1;
        std::int16_t secondIndex = -1;
    };
    /// The record of a character; an unknown character has an empty one (unit syllable 0, level 0, no places).
    const CompactCharacter& compact(char32_t codePoint) const;
    /// hasVerse() by the places of compact(): false when either is -1.
    bool hasVerseAt(std::int16_t firstIndex, std::int16_t secondIndex) const;
    /// verseClass() by the places of compact(): None when either is -1. One array read, for ranking many names.
    VerseClass verseClassAt(std::int16_t firstIndex, std::int16_t secondIndex) const;

    struct Impl;

private:
    explicit KnowledgeBase(std::shared_ptr<const Impl> impl);
    std::shared_ptr<const Impl> m_impl;
};

} // namespace namewright
