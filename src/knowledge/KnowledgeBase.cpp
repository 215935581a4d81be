#include "knowledge/KnowledgeBase.h"

#include "db/ReadOnlySqlite.h"
#include "knowledge/KnowledgeRows.h"
#include "knowledge/KnowledgeTables.h"
#include "knowledge/MeaningIndex.h"
#include "knowledge/RowChecksum.h"
#include "text/Utf8.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <charconv>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

namespace namewright {

namespace {

constexpr char32_t kFirstCodePoint = 0x4E00;
constexpr char32_t kEndCodePoint = 0xA000;

std::size_t slotOf(char32_t codePoint) {
    return static_cast<std::size_t>(codePoint - kFirstCodePoint);
}
bool inRange(char32_t codePoint) {
    return codePoint >= kFirstCodePoint && codePoint < kEndCodePoint;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

std::vector<Syllable> numberedSyllables(const std::string& text) {
    std::vector<Syllable> out;
    for (const auto& word : words(text)) {
        const auto syllable = parseNumberedSyllable(word);
        if (!syllable) {
            throw std::runtime_error("bad syllable " + word);
        }
        out.push_back(*syllable);
    }
    return out;
}

StrokeRule ruleOf(const std::string& text) {
    if (text == "numeral") {
        return StrokeRule::Numeral;
    }
    if (text == "reduced") {
        return StrokeRule::Reduced;
    }
    if (text == "alone") {
        return StrokeRule::Alone;
    }
    if (text == "radical") {
        return StrokeRule::Radical;
    }
    throw std::runtime_error("bad stroke rule " + text);
}

char32_t singleCodePoint(std::string_view text) {
    const auto decoded = decodeUtf8(text);
    return decoded.size() == 1 ? decoded.front() : 0;
}

} // namespace

struct KnowledgeBase::Impl {
    struct FamilyReading {
        std::vector<std::string> pinyin;
        std::vector<Syllable> syllables;
    };

    std::string failure;
    KnowledgeDigests digests;
    bool lazy = false;
    std::vector<CharacterKnowledge> characters;
    std::vector<std::int32_t> bySlot; // code point slot -> index into characters, -1 none
    // By code point slot. A lazy open fills a character's unit and level when the character is first read, as it
    // registers the character's syllable with the checker: hence mutable, guarded by dbMutex while filled.
    mutable std::vector<CompactCharacter> compacts;
    CompactCharacter none;
    std::unordered_map<std::string, FamilyReading> families;
    mutable SoundChecker checker;
    std::vector<std::int16_t> firstBySlot, secondBySlot;
    std::size_t secondCount = 0;
    std::vector<std::uint8_t> verseClasses; // two bits a pair, VerseClass
    MeaningIndex meanings;
    int versesPerPair = 0;

    std::unique_ptr<SQLite::Database> db;
    mutable std::mutex dbMutex;
    mutable std::optional<SQLite::Statement> pairQuery, verseQuery;
    mutable std::string damage; // the first row found damaged after opening; guarded by dbMutex
    // A lazy open: the characters read so far (nullptr: the file has none), the query reading one, and the meanings
    // kept to join each character as it is read.
    mutable std::unordered_map<char32_t, std::unique_ptr<CharacterKnowledge>> lazyCharacters;
    mutable std::optional<SQLite::Statement> characterQuery;
    std::unordered_map<char32_t, MeaningIndex::Meaning> lazyMeanings;

    void load(const std::filesystem::path& file);
    void loadMeta();
    void noteDamage(std::string what) const {
        if (damage.empty()) {
            damage = std::move(what);
        }
    }
    void loadCharacters();
    static CharacterKnowledge characterOf(SQLite::Statement& rows);
    const CharacterKnowledge* lazyCharacter(char32_t codePoint) const;
    void loadWordsAndFamilies();
    void loadVerseIndex();
    void loadMeanings();
    std::int32_t indexOf(char32_t codePoint) const { return inRange(codePoint) ? bySlot[slotOf(codePoint)] : -1; }
};

void KnowledgeBase::Impl::load(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw std::runtime_error("no such file");
    }
    // Read-only, with nothing written beside the file: a file in WAL mode left -wal and -shm files behind it.
    const ReadOnlySqlite how = readOnlySqlite(file);
    if (how.uri.empty()) {
        throw std::runtime_error(how.refusal);
    }
    db = std::make_unique<SQLite::Database>(how.uri, SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    if (!registerRowChecksum(db->getHandle())) {
        throw std::runtime_error("cannot define row_checksum");
    }
    loadMeta();
    if (lazy) {
        const KnowledgeTable& table = knowledgeTable("characters");
        characterQuery.emplace(*db, checkedSelect(table) + " WHERE zi = ?");
    } else {
        loadCharacters();
    }
    loadWordsAndFamilies();
    loadVerseIndex();
    loadMeanings();
    pairQuery.emplace(*db, "SELECT pair, verses, " + rowChecksumTest(knowledgeTable("verse_pairs")) +
                               " FROM verse_pairs WHERE pair = ?");
    verseQuery.emplace(*db, "SELECT v.id, p.work, p.title, p.author, p.dynasty, v.text, " +
                                rowChecksumTest(knowledgeTable("verses"), "v") + ", " +
                                rowChecksumTest(knowledgeTable("poems"), "p") +
                                " FROM verses v JOIN poems p ON p.id = v.poem WHERE v.id = ?");
}

void KnowledgeBase::Impl::loadMeta() {
    // The format first, alone: a file of another format may lack the checksum columns altogether.
    SQLite::Statement format(*db, "SELECT value FROM meta WHERE key = 'format'");
    if (!format.executeStep() || format.getColumn(0).getString() != kKnowledgeFormat) {
        throw std::runtime_error("not a knowledge file (format)");
    }
    const KnowledgeTable& meta = knowledgeTable("meta");
    SQLite::Statement rows(*db, checkedSelect(meta));
    KnowledgeDigest unused;
    while (rows.executeStep()) {
        checkRow(rows, meta, unused);
        const std::string key = rows.getColumn(0).getString();
        const std::string value = rows.getColumn(1).getString();
        if (key == "verses_per_pair") {
            versesPerPair = rows.getColumn(1).getInt();
        } else if (key.starts_with("digest:")) {
            digests.emplace(key, value);
        }
    }
}

void KnowledgeBase::Impl::loadCharacters() {
    bySlot.assign(slotOf(kEndCodePoint), -1);
    characters.reserve(bySlot.size()); // at most one row a code point of the range: no growth moving 20,000 records
    const KnowledgeTable& table = knowledgeTable("characters");
    SQLite::Statement rows(*db, checkedSelect(table));
    KnowledgeDigest digest;
    while (rows.executeStep()) {
        checkRow(rows, table, digest);
        CharacterKnowledge k = characterOf(rows);
        const char32_t codePoint = singleCodePoint(k.character);
        if (bySlot[slotOf(codePoint)] >= 0) {
            throw std::runtime_error("bad character row " + k.character);
        }
        bySlot[slotOf(codePoint)] = static_cast<std::int32_t>(characters.size());
        characters.push_back(std::move(k));
    }
    if (characters.empty()) {
        throw std::runtime_error("no characters");
    }
    checkDigest(digests, table, digest);
}

CharacterKnowledge KnowledgeBase::Impl::characterOf(SQLite::Statement& rows) {
    CharacterKnowledge k;
    k.character = rows.getColumn(0).getString();
    if (!inRange(singleCodePoint(k.character))) {
        throw std::runtime_error("bad character row " + k.character);
    }
    k.pinyin = rows.getColumn(1).getString();
    k.syllable = Syllable{rows.getColumn(2).getString(), rows.getColumn(3).getInt()};
    if (k.syllable.tone < 0 || k.syllable.tone > 5 || (k.syllable.tone == 0) != k.syllable.letters.empty()) {
        throw std::runtime_error("bad reading of " + k.character);
    }
    k.readings = words(rows.getColumn(4).getString());
    k.commonLevel = rows.getColumn(5).getInt();
    k.traditional = rows.getColumn(6).getString();
    k.radical = rows.getColumn(7).getInt();
    k.radicalForm = rows.getColumn(8).getString();
    k.radicalStrokes = rows.getColumn(9).getInt();
    k.residual = rows.getColumn(10).getInt();
    k.strokes = rows.getColumn(11).getInt();
    k.rule = ruleOf(rows.getColumn(12).getString());
    k.working = rows.getColumn(13).getString();
    k.element = rows.getColumn(14).getString();
    k.elementReason = rows.getColumn(15).getString();
    k.glyphStrokes = rows.getColumn(16).getInt();
    k.familyElement = rows.getColumn(17).getString();
    k.familyElementReason = rows.getColumn(18).getString();
    return k;
}

const CharacterKnowledge* KnowledgeBase::Impl::lazyCharacter(char32_t codePoint) const {
    if (!inRange(codePoint)) {
        return nullptr;
    }
    const std::scoped_lock lock(dbMutex);
    if (const auto known = lazyCharacters.find(codePoint); known != lazyCharacters.end()) {
        return known->second.get();
    }
    std::unique_ptr<CharacterKnowledge> k;
    // The row is checked as it is read, its key against the one asked for too: a damaged row gives no character
    // rather than a wrong one, and damage() says so, with the message a whole open gives.
    auto& query = *characterQuery;
    try {
        query.reset();
        query.bind(1, utf8Of(codePoint));
        if (query.executeStep()) {
            KnowledgeDigest unused;
            checkRow(query, knowledgeTable("characters"), unused);
            k = std::make_unique<CharacterKnowledge>(characterOf(query));
            if (singleCodePoint(k->character) != codePoint) {
                throw std::runtime_error("a row of characters fails its checksum (" + utf8Of(codePoint) + ")");
            }
        }
        query.reset();
    } catch (const std::exception& error) {
        query.reset();
        noteDamage(error.what());
        return nullptr;
    }
    if (k) {
        if (const auto meaning = lazyMeanings.find(codePoint); meaning != lazyMeanings.end()) {
            k->gloss = meaning->second.gloss;
            k->meaningTone = meaning->second.tone;
            k->nameTier = meaning->second.tier;
        }
        auto& compact = compacts[slotOf(codePoint)];
        compact.unit = checker.unitOf(k->syllable, codePoint);
        compact.commonLevel = static_cast<std::int8_t>(k->commonLevel);
    }
    return lazyCharacters.emplace(codePoint, std::move(k)).first->second.get();
}

void KnowledgeBase::Impl::loadWordsAndFamilies() {
    std::vector<UnfortunateWord> list;
    const KnowledgeTable& wordTable = knowledgeTable("unfortunate_words");
    SQLite::Statement rows(*db, checkedSelect(wordTable));
    KnowledgeDigest wordDigest;
    while (rows.executeStep()) {
        checkRow(rows, wordTable, wordDigest);
        // In the schema's order: word, pinyin, syllables, kind, other_tones, note.
        UnfortunateWord word{rows.getColumn(0).getString(),
                             rows.getColumn(1).getString(),
                             numberedSyllables(rows.getColumn(2).getString()),
                             rows.getColumn(3).getString(),
                             rows.getColumn(5).getString(),
                             rows.getColumn(4).getInt() != 0};
        if (decodeUtf8(word.word).size() != word.syllables.size()) {
            throw std::runtime_error("bad unfortunate word " + word.word);
        }
        list.push_back(std::move(word));
    }
    checkDigest(digests, wordTable, wordDigest);
    checker = SoundChecker(std::move(list));
    compacts.assign(slotOf(kEndCodePoint), CompactCharacter{});
    for (const auto& k : characters) {
        const char32_t codePoint = singleCodePoint(k.character);
        auto& compact = compacts[slotOf(codePoint)];
        compact.unit = checker.unitOf(k.syllable, codePoint);
        compact.commonLevel = static_cast<std::int8_t>(k.commonLevel);
    }
    const KnowledgeTable& familyTable = knowledgeTable("surnames");
    SQLite::Statement familyRows(*db, checkedSelect(familyTable));
    KnowledgeDigest familyDigest;
    while (familyRows.executeStep()) {
        checkRow(familyRows, familyTable, familyDigest);
        const auto family = familyRows.getColumn(0).getString();
        FamilyReading reading{words(familyRows.getColumn(1).getString()),
                              numberedSyllables(familyRows.getColumn(2).getString())};
        if (decodeUtf8(family).size() != reading.syllables.size() ||
            reading.pinyin.size() != reading.syllables.size()) {
            throw std::runtime_error("bad family name " + family);
        }
        for (const auto& syllable : reading.syllables) {
            checker.unitOf(syllable, 0);
        }
        families.emplace(family, std::move(reading));
    }
    checkDigest(digests, familyTable, familyDigest);
}

void KnowledgeBase::Impl::loadVerseIndex() {
    const KnowledgeTable& table = knowledgeTable("verse_index");
    SQLite::Statement row(*db, checkedSelect(table));
    if (!row.executeStep()) {
        throw std::runtime_error("no verse index");
    }
    KnowledgeDigest digest;
    checkRow(row, table, digest);
    checkDigest(digests, table, digest);
    const auto first = decodeUtf8(row.getColumn(0).getString());
    const auto second = decodeUtf8(row.getColumn(1).getString());
    const auto classes = row.getColumn(2);
    secondCount = second.size();
    if (first.size() > 32767 || second.size() > 32767 ||
        static_cast<std::size_t>(classes.getBytes()) != (first.size() * second.size() + 3) / 4) {
        throw std::runtime_error("bad verse index");
    }
    const auto* data = static_cast<const std::uint8_t*>(classes.getBlob());
    verseClasses.assign(data, data + classes.getBytes());
    firstBySlot.assign(slotOf(kEndCodePoint), -1);
    secondBySlot.assign(slotOf(kEndCodePoint), -1);
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (inRange(first[i])) {
            firstBySlot[slotOf(first[i])] = static_cast<std::int16_t>(i);
            compacts[slotOf(first[i])].firstIndex = static_cast<std::int16_t>(i);
        }
    }
    for (std::size_t i = 0; i < second.size(); ++i) {
        if (inRange(second[i])) {
            secondBySlot[slotOf(second[i])] = static_cast<std::int16_t>(i);
            compacts[slotOf(second[i])].secondIndex = static_cast<std::int16_t>(i);
        }
    }
}

void KnowledgeBase::Impl::loadMeanings() {
    for (auto& meaning : meanings.load(*db, digests)) {
        if (lazy) {
            const char32_t c = meaning.character;
            lazyMeanings.emplace(c, std::move(meaning));
            continue;
        }
        const auto index = indexOf(meaning.character);
        if (index < 0) {
            throw std::runtime_error("a meaning of a character the file lacks (" + utf8Of(meaning.character) + ")");
        }
        auto& k = characters[static_cast<std::size_t>(index)];
        k.gloss = std::move(meaning.gloss);
        k.meaningTone = meaning.tone;
        k.nameTier = meaning.tier;
    }
}

KnowledgeBase::KnowledgeBase() : KnowledgeBase(std::make_shared<Impl>()) {}

KnowledgeBase::KnowledgeBase(std::shared_ptr<const Impl> impl) : m_impl(std::move(impl)) {}

KnowledgeBase KnowledgeBase::open(const std::filesystem::path& file, Loading loading) {
    auto impl = std::make_shared<Impl>();
    impl->lazy = loading == Loading::Lazy;
    try {
        impl->load(file);
    } catch (const std::exception& error) {
        auto unavailable = std::make_shared<Impl>();
        unavailable->failure = error.what();
        return KnowledgeBase(std::move(unavailable));
    }
    return KnowledgeBase(std::move(impl));
}

std::filesystem::path KnowledgeBase::besideNamingDatabase(const std::filesystem::path& namingDatabase) {
    return namingDatabase.parent_path() / "characters.db";
}

bool KnowledgeBase::isAvailable() const {
    return m_impl->db != nullptr;
}

const std::string& KnowledgeBase::failure() const {
    return m_impl->failure;
}

std::string KnowledgeBase::damage() const {
    const std::scoped_lock lock(m_impl->dbMutex);
    return m_impl->damage;
}

const CharacterKnowledge* KnowledgeBase::character(char32_t codePoint) const {
    if (isAvailable() && m_impl->lazy) {
        return m_impl->lazyCharacter(codePoint);
    }
    const auto index = isAvailable() ? m_impl->indexOf(codePoint) : -1;
    return index < 0 ? nullptr : &m_impl->characters[static_cast<std::size_t>(index)];
}

const CharacterKnowledge* KnowledgeBase::character(std::string_view text) const {
    return character(singleCodePoint(text));
}

std::vector<SyllableReading> KnowledgeBase::readName(std::string_view family, std::string_view given) const {
    std::vector<SyllableReading> out;
    const auto familyCharacters = decodeUtf8(family);
    if (const auto whole = m_impl->families.find(std::string(family));
        whole != m_impl->families.end() && !family.empty()) {
        for (std::size_t i = 0; i < familyCharacters.size(); ++i) {
            out.push_back({utf8Of(familyCharacters[i]), whole->second.pinyin[i], whole->second.syllables[i], true});
        }
    } else {
        for (const char32_t c : familyCharacters) {
            const auto single = m_impl->families.find(utf8Of(c));
            if (single != m_impl->families.end()) {
                out.push_back({utf8Of(c), single->second.pinyin[0], single->second.syllables[0], true});
            } else {
                const auto* k = character(c);
                out.push_back({utf8Of(c), k ? k->pinyin : "", k ? k->syllable : Syllable{}, true});
            }
        }
    }
    for (const char32_t c : decodeUtf8(given)) {
        const auto* k = character(c);
        out.push_back({utf8Of(c), k ? k->pinyin : "", k ? k->syllable : Syllable{}, false});
    }
    return out;
}

std::vector<SoundWarning> KnowledgeBase::soundWarnings(std::string_view family, std::string_view given) const {
    if (!isAvailable()) {
        return {};
    }
    return m_impl->checker.warnings(readName(family, given));
}

bool KnowledgeBase::hasVerse(char32_t first, char32_t second) const {
    return verseClass(first, second) != VerseClass::None;
}

VerseClass KnowledgeBase::verseClass(char32_t first, char32_t second) const {
    if (!isAvailable() || !inRange(first) || !inRange(second)) {
        return VerseClass::None;
    }
    return verseClassAt(m_impl->firstBySlot[slotOf(first)], m_impl->secondBySlot[slotOf(second)]);
}

bool KnowledgeBase::hasVerseAt(std::int16_t firstIndex, std::int16_t secondIndex) const {
    return verseClassAt(firstIndex, secondIndex) != VerseClass::None;
}

VerseClass KnowledgeBase::verseClassAt(std::int16_t firstIndex, std::int16_t secondIndex) const {
    if (firstIndex < 0 || secondIndex < 0 || !isAvailable()) {
        return VerseClass::None;
    }
    const auto pair =
        static_cast<std::size_t>(firstIndex) * m_impl->secondCount + static_cast<std::size_t>(secondIndex);
    return static_cast<VerseClass>((m_impl->verseClasses[pair / 4] >> (2 * (pair % 4))) & 3U);
}

std::vector<Verse> KnowledgeBase::verses(char32_t first, char32_t second) const {
    if (!hasVerse(first, second)) {
        return {};
    }
    std::vector<Verse> out;
    const std::scoped_lock lock(m_impl->dbMutex);
    // Each row read is checked as it is read (RowChecksum.h), its key against the key asked for too: a damaged row
    // gives no verse rather than a wrong one, and damage() says so.
    try {
        const std::int64_t key = static_cast<std::int64_t>(first) * (1 << 21) + second;
        auto& pair = *m_impl->pairQuery;
        pair.reset();
        pair.bind(1, key);
        if (!pair.executeStep()) {
            m_impl->noteDamage("the verse index lists a pair that verse_pairs lacks");
            return {};
        }
        if (pair.getColumn(0).getInt64() != key || pair.getColumn(2).getInt() != 1) {
            m_impl->noteDamage("a row of verse_pairs fails its checksum");
            pair.reset();
            return {};
        }
        const auto ids = words(pair.getColumn(1).getString());
        pair.reset();
        auto& verse = *m_impl->verseQuery;
        for (const auto& id : ids) {
            const std::int64_t verseId = std::stoll(id);
            verse.reset();
            verse.bind(1, verseId);
            if (!verse.executeStep()) {
                m_impl->noteDamage("a verse that verse_pairs lists is missing (" + id + ")");
                verse.reset();
                return {};
            }
            if (verse.getColumn(0).getInt64() != verseId || verse.getColumn(6).getInt() != 1 ||
                verse.getColumn(7).getInt() != 1) {
                m_impl->noteDamage("a row of verses or poems fails its checksum (" + id + ")");
                verse.reset();
                return {};
            }
            out.push_back({verse.getColumn(1).getString(), verse.getColumn(2).getString(),
                           verse.getColumn(3).getString(), verse.getColumn(4).getString(),
                           verse.getColumn(5).getString()});
        }
        verse.reset();
    } catch (const std::exception& error) {
        // A file damaged after opening shows no verse rather than part of one.
        m_impl->noteDamage(error.what());
        return {};
    }
    return out;
}

std::vector<Verse> KnowledgeBase::verses(std::string_view first, std::string_view second) const {
    return verses(singleCodePoint(first), singleCodePoint(second));
}

int KnowledgeBase::versesPerPair() const {
    return m_impl->versesPerPair;
}

const SoundChecker& KnowledgeBase::soundChecker() const {
    return m_impl->checker;
}

const KnowledgeBase::CompactCharacter& KnowledgeBase::compact(char32_t codePoint) const {
    if (isAvailable() && m_impl->lazy) {
        m_impl->lazyCharacter(codePoint); // fills the character's unit and level
    }
    return isAvailable() && inRange(codePoint) ? m_impl->compacts[slotOf(codePoint)] : m_impl->none;
}

int KnowledgeBase::nameTier(char32_t c) const {
    return m_impl->meanings.nameTier(c);
}

MeaningTone KnowledgeBase::meaningTone(char32_t c) const {
    return m_impl->meanings.meaningTone(c);
}

bool KnowledgeBase::isEverydayWord(char32_t first, char32_t second) const {
    return m_impl->meanings.isEverydayWord(first, second);
}

bool KnowledgeBase::isPlaceName(char32_t first, char32_t second) const {
    return m_impl->meanings.isPlaceName(first, second);
}

bool KnowledgeBase::isPlaceCharacter(char32_t c) const {
    return m_impl->meanings.isPlaceCharacter(c);
}

SoundChecker::Unit KnowledgeBase::unitOf(const Syllable& syllable, char32_t character) const {
    return m_impl->checker.findUnit(syllable, character);
}

} // namespace namewright
