#include "shortlist/ShortlistFacts.h"

#include "naming/CompoundSurnameScoring.h"
#include "naming/CompoundSurnames.h"
#include "naming/NameScoring.h"
#include "text/Utf8.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace namewright {

struct ShortlistFacts::Family {
    ResultStore::FamilyRecord record;
    std::string text;
    std::unique_ptr<FamilyKnowledgeFlags> knowledgeFlags;
    std::optional<std::pair<int, int>> compoundStrokes;
    std::string pinyinKey; ///< toneless letters and tone of each family syllable ("li3")
};

namespace {

/// A character a user can mean in a typed list: not ASCII, not a space, not CJK or full-width punctuation.
bool isNameCharacter(char32_t c) {
    return c >= 0x2E80 && !(c >= 0x3000 && c <= 0x303F) && !(c >= 0xFF00 && c <= 0xFF65) && c != 0xFFFD;
}

std::vector<std::string> nameCharactersOf(std::string_view text) {
    std::vector<std::string> out;
    for (const char32_t c : decodeUtf8(text)) {
        std::string one = utf8Of(c);
        if (isNameCharacter(c) && std::find(out.begin(), out.end(), one) == out.end()) {
            out.push_back(std::move(one));
        }
    }
    return out;
}

/// Sorted by the text: pinyin letters, then the tone digit ("li3"); a character without a reading sorts last.
std::string syllableKey(const Syllable& syllable) {
    return syllable.letters.empty() ? std::string("~") : syllable.letters + std::to_string(syllable.tone);
}

/// Dense ranks 1.. of the values of `ids` by `less`; equal values share a rank; `rankOf` receives (id, rank).
template <typename Less, typename Assign>
std::uint32_t rankBy(std::vector<std::uint32_t> ids, Less less, Assign rankOf) {
    std::sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) { return less(a, b); });
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i == 0 || less(ids[i - 1], ids[i])) {
            ++rank;
        }
        rankOf(ids[i], rank);
    }
    return rank;
}

unsigned bitsFor(std::uint32_t largest) {
    return static_cast<unsigned>(std::bit_width(largest));
}

std::uint32_t biased(int value) {
    return static_cast<std::uint32_t>(value) ^ 0x80000000U;
}

} // namespace

ShortlistFacts::ShortlistFacts(const ResultStore& store, const DistinctNames& names, ShortlistSources sources)
    : m_store(store), m_names(names), m_sources(std::move(sources)), m_recommender(m_sources) {}

ShortlistFacts::~ShortlistFacts() = default;

bool ShortlistFacts::anyCompoundSurname() const {
    return std::any_of(m_families.begin(), m_families.end(),
                       [](const auto& family) { return family->compoundStrokes.has_value(); });
}

void ShortlistFacts::reset() {
    m_families.clear();
    m_characters.clear();
    m_knownTexts = 0;
    m_noWarning.clear();
    m_verse.clear();
    m_common.clear();
    m_favourite.clear();
    m_stars.clear();
    m_favouritesResolvedAt = 0;
    m_groupNameOrdinal.clear();
    m_secondNameRank.clear();
    m_groupPinyinOrdinal.clear();
    m_secondPinyinRank.clear();
    m_elementRank.clear();
    m_recommender.reset();
    update();
}

void ShortlistFacts::update() {
    const TextPool& texts = m_store.texts();
    const std::size_t textCount = texts.size();
    if (textCount > m_characters.size()) {
        m_characters.resize(textCount);
    }
    for (std::size_t id = m_knownTexts; id < textCount; ++id) {
        const std::u32string code = decodeUtf8(texts.text(static_cast<std::uint32_t>(id)));
        m_characters[id].codePoint = code.size() == 1 ? code.front() : 0;
        m_recommender.noteText(static_cast<std::uint32_t>(id), m_characters[id].codePoint);
    }
    const bool newTexts = textCount != m_knownTexts;
    m_knownTexts = textCount;

    const KnowledgeBase& knowledge = m_sources.knowledge;
    for (std::size_t id = m_families.size(); id < m_store.familyCount(); ++id) {
        auto family = std::make_unique<Family>();
        family->record = m_store.family(static_cast<std::uint32_t>(id));
        family->text = texts.text(family->record.text);
        if (knowledge.isAvailable()) {
            family->knowledgeFlags = std::make_unique<FamilyKnowledgeFlags>(knowledge, family->text);
            for (const auto& reading : knowledge.readName(family->text, {})) {
                family->pinyinKey += syllableKey(reading.syllable) + " ";
            }
        }
        if (isCompoundSurname(family->text) && m_sources.compoundFamily) {
            if (const auto rows = m_sources.compoundFamily(family->text)) {
                family->compoundStrokes = std::pair{rows->first.strokes, rows->second.strokes};
            }
        }
        m_families.push_back(std::move(family));
    }
    for (auto* bits : {&m_noWarning, &m_verse, &m_common, &m_favourite}) {
        bits->resize(m_names.groupCount());
    }
    if (newTexts) {
        resolveFilterTexts();
    }
    if (m_names.size() != m_favouritesResolvedAt || m_names.size() == 0) {
        resolveFavourites();
    }
}

bool ShortlistFacts::suppliesMissingElement(const StoredName& row) const {
    // The parent's own 喜用神, once ticked, stand for the worked-out ones here as in the 推荐 order; with neither (no
    // chart and nothing ticked) the set is empty and no name supplies anything.
    return row.givenElements.intersects(missingElementsUsed());
}

bool ShortlistFacts::suppliesFavourableElement(const StoredName& row) const {
    return m_sources.solarTermFavourable && row.givenElements.intersects(*m_sources.solarTermFavourable);
}

bool ShortlistFacts::bit(const std::vector<std::vector<std::uint64_t>>& bits, NameRef ref) const {
    if (ref.group >= bits.size()) {
        return false;
    }
    const auto& words = bits[ref.group];
    return ref.second / 64 < words.size() && ((words[ref.second / 64] >> (ref.second % 64)) & 1U) != 0;
}

void ShortlistFacts::setBit(std::vector<std::vector<std::uint64_t>>& bits, NameRef ref, bool value) {
    if (ref.group >= bits.size()) {
        bits.resize(ref.group + std::size_t{1});
    }
    auto& words = bits[ref.group];
    if (!value && ref.second / 64 >= words.size()) {
        return;
    }
    if (ref.second / 64 >= words.size()) {
        words.resize(ref.second / 64 + 1);
    }
    const std::uint64_t mask = std::uint64_t{1} << (ref.second % 64);
    words[ref.second / 64] = value ? (words[ref.second / 64] | mask) : (words[ref.second / 64] & ~mask);
}

void ShortlistFacts::noteKnowledge(NameRef ref) {
    const Family& f = family(m_names.groupFamily(ref.group));
    if (!f.knowledgeFlags) {
        return;
    }
    const char32_t first = m_characters[m_names.groupFirstCharacter(ref.group)].codePoint;
    const std::uint32_t secondText = m_names.secondCharacter(ref.second);
    const char32_t second = secondText == StoredName::kNoSecondCharacter ? 0 : m_characters[secondText].codePoint;
    if (first == 0 || (secondText != StoredName::kNoSecondCharacter && second == 0)) {
        return;
    }
    const KnowledgeFlags flags = f.knowledgeFlags->flags(first, second);
    setBit(m_noWarning, ref, flags.noSoundWarning);
    setBit(m_verse, ref, flags.hasVerse);
    setBit(m_common, ref, flags.commonOnly);
    m_recommender.noteName(ref, f.knowledgeFlags.get(), first, second);
}

void ShortlistFacts::noteAdded(const std::vector<NameRef>& added) {
    if (!knowledgeAvailable()) {
        return;
    }
    update();
    for (const NameRef ref : added) {
        noteKnowledge(ref);
    }
}

void ShortlistFacts::setFilter(const ShortlistFilter& filter) {
    m_filter = filter;
    resolveFilterTexts();
}

void ShortlistFacts::resolveFilterTexts() {
    const TextPool& texts = m_store.texts();
    for (Character& character : m_characters) {
        character.excluded = false;
    }
    for (const std::string& c : nameCharactersOf(m_filter.excludedCharacters)) {
        if (const auto id = texts.find(c); id && *id < m_characters.size()) {
            m_characters[*id].excluded = true;
        }
    }
    m_required.clear();
    m_requiredMissing = false;
    for (const std::string& c : nameCharactersOf(m_filter.containsCharacters)) {
        if (const auto id = texts.find(c)) {
            m_required.push_back(*id);
        } else {
            m_requiredMissing = true;
        }
    }
}

void ShortlistFacts::setFavourites(std::vector<FavouriteStars> favourites) {
    m_favourites = std::move(favourites);
    resolveFavourites();
}

void ShortlistFacts::resolveFavourites() {
    for (auto& words : m_favourite) {
        words.clear();
    }
    m_stars.clear();
    const TextPool& texts = m_store.texts();
    for (const FavouriteStars& favourite : m_favourites) {
        const std::u32string given = decodeUtf8(favourite.given);
        if (given.empty() || given.size() > 2) {
            continue;
        }
        const auto first = texts.find(utf8Of(given[0]));
        const auto second = given.size() == 2 ? texts.find(utf8Of(given[1]))
                                              : std::optional<std::uint32_t>(StoredName::kNoSecondCharacter);
        if (!first || !second) {
            continue;
        }
        for (std::uint32_t id = 0; id < m_families.size(); ++id) {
            if (m_families[id]->text != favourite.familyText) {
                continue;
            }
            if (const auto ref = m_names.find(id, *first, *second)) {
                setBit(m_favourite, *ref, true);
                m_stars[{ref->group, ref->second}] = std::clamp(favourite.stars, 1, 5);
            }
        }
    }
    m_favouritesResolvedAt = m_names.size();
}

bool ShortlistFacts::passes(NameRef ref, const StoredName& row) const {
    const ShortlistFilter& f = m_filter;
    if (row.score < f.minimumScore) {
        return false;
    }
    if ((f.length == GivenLength::One && !row.isOneCharacter()) ||
        (f.length == GivenLength::Two && row.isOneCharacter())) {
        return false;
    }
    if (m_requiredMissing) {
        return false;
    }
    for (const std::uint32_t id : m_required) {
        if (row.firstCharacter != id && row.secondCharacter != id) {
            return false;
        }
    }
    if (m_characters[row.firstCharacter].excluded ||
        (!row.isOneCharacter() && m_characters[row.secondCharacter].excluded)) {
        return false;
    }
    if (f.suppliesMissingElement && !suppliesMissingElement(row)) {
        return false;
    }
    if (f.suppliesFavourableElement && solarTermChartAvailable() && !suppliesFavourableElement(row)) {
        return false;
    }
    if (f.favouritesOnly && !bit(m_favourite, ref)) {
        return false;
    }
    if (knowledgeAvailable()) {
        if ((f.noSoundWarning && !bit(m_noWarning, ref)) || (f.hasVerse && !bit(m_verse, ref)) ||
            (f.commonOnly && !bit(m_common, ref))) {
            return false;
        }
    }
    return true;
}

FiveGrids ShortlistFacts::grids(const StoredName& row) const {
    const int strokes = family(row.family).record.strokes;
    return row.isOneCharacter() ? gridNumbers(strokes, row.firstStrokes)
                                : gridNumbers(strokes, row.firstStrokes, row.secondStrokes);
}

std::optional<int> ShortlistFacts::compoundScore(const Family& f, const StoredName& row,
                                                 std::optional<FiveGrids>* grids) const {
    if (!f.compoundStrokes || !m_sources.luck) {
        return std::nullopt;
    }
    const auto [s1, s2] = *f.compoundStrokes;
    const CompoundSurnameScore scored = compoundSurnameScore(
        s1, s2, row.firstStrokes, row.isOneCharacter() ? std::nullopt : std::optional<int>(row.secondStrokes),
        *m_sources.luck, m_sources.capCompoundScore);
    if (grids != nullptr) {
        *grids = scored.grids;
    }
    return scored.score;
}

NameFacts ShortlistFacts::facts(NameRef ref, const StoredName& row, std::uint32_t draws, std::uint32_t firstRow) const {
    NameFacts out;
    out.firstRow = firstRow;
    out.draws = draws;
    out.suppliesMissingElement = suppliesMissingElement(row);
    out.suppliesFavourableElement = suppliesFavourableElement(row);
    if (const auto found = m_stars.find({ref.group, ref.second}); found != m_stars.end()) {
        out.favouriteStars = found->second;
    }
    if (knowledgeAvailable()) {
        out.knowledge = KnowledgeFlags{true, bit(m_noWarning, ref), bit(m_verse, ref), bit(m_common, ref)};
    }
    out.compoundScore = compoundScore(family(row.family), row, &out.compoundGrids);
    const std::uint32_t recommended = m_recommender.key(ref, row);
    out.recommendedBottom = recommended == 0;
    out.recommended = recommended == 0 ? m_recommender.recommend(ref, row).value : static_cast<int>(recommended) - 1;
    return out;
}

std::string ShortlistFacts::pinyin(NameRef ref) const {
    const Family& f = family(m_names.groupFamily(ref.group));
    if (!f.knowledgeFlags) {
        return {};
    }
    std::string given = m_store.texts().text(m_names.groupFirstCharacter(ref.group));
    if (const std::uint32_t second = m_names.secondCharacter(ref.second); second != StoredName::kNoSecondCharacter) {
        m_store.texts().appendTo(given, second);
    }
    return f.knowledgeFlags->pinyin(given);
}

std::size_t ShortlistFacts::memoryBytes() const {
    const auto bitmaps = [](const std::vector<std::vector<std::uint64_t>>& bits) {
        std::size_t bytes = bits.capacity() * sizeof(std::vector<std::uint64_t>);
        for (const auto& words : bits) {
            bytes += words.capacity() * sizeof(std::uint64_t);
        }
        return bytes;
    };
    std::size_t bytes = m_characters.capacity() * sizeof(Character) + m_families.capacity() * sizeof(Family) +
                        bitmaps(m_noWarning) + bitmaps(m_verse) + bitmaps(m_common) + bitmaps(m_favourite) +
                        m_recommender.memoryBytes();
    for (const auto* ranks :
         {&m_groupNameOrdinal, &m_secondNameRank, &m_groupPinyinOrdinal, &m_secondPinyinRank, &m_elementRank}) {
        bytes += ranks->capacity() * sizeof(std::uint32_t);
    }
    return bytes;
}

void ShortlistFacts::prepareKeys(ShortlistColumn column) {
    update();
    switch (column) {
    case ShortlistColumn::Name:
        rankNames();
        break;
    case ShortlistColumn::Pinyin:
        rankPinyin();
        break;
    case ShortlistColumn::ElementText:
        rankElementTexts();
        break;
    default:
        break;
    }
}

namespace {

/// Per-group and per-second parts of a three-part key (family, first character, second character), packed into 32
/// bits when the ranks fit, else the group's ordinal alone (ties then fall to the row order).
struct PackedRanks {
    std::vector<std::uint32_t> groupPart;
    std::vector<std::uint32_t> secondPart;
};

PackedRanks packRanks(const DistinctNames& names, const std::vector<std::uint32_t>& familyRank,
                      const std::vector<std::uint32_t>& firstRank, const std::vector<std::uint32_t>& secondRank) {
    const auto largest = [](const std::vector<std::uint32_t>& v) {
        return v.empty() ? 0U : *std::max_element(v.begin(), v.end());
    };
    const unsigned familyBits = bitsFor(largest(familyRank));
    const unsigned firstBits = bitsFor(largest(firstRank));
    const unsigned secondBits = bitsFor(largest(secondRank));
    PackedRanks out;
    out.groupPart.resize(names.groupCount());
    if (familyBits + firstBits + secondBits <= 32) {
        for (std::uint32_t g = 0; g < names.groupCount(); ++g) {
            out.groupPart[g] = (familyRank[names.groupFamily(g)] << (firstBits + secondBits)) |
                               (firstRank[names.groupFirstCharacter(g)] << secondBits);
        }
        out.secondPart = secondRank;
        return out;
    }
    std::vector<std::uint32_t> groups(names.groupCount());
    std::iota(groups.begin(), groups.end(), 0U);
    const auto groupLess = [&](std::uint32_t a, std::uint32_t b) {
        const auto ka = std::pair{familyRank[names.groupFamily(a)], firstRank[names.groupFirstCharacter(a)]};
        const auto kb = std::pair{familyRank[names.groupFamily(b)], firstRank[names.groupFirstCharacter(b)]};
        return ka < kb;
    };
    rankBy(groups, groupLess, [&](std::uint32_t g, std::uint32_t rank) { out.groupPart[g] = rank; });
    out.secondPart.assign(names.secondCount(), 0);
    return out;
}

} // namespace

void ShortlistFacts::rankNames() {
    const TextPool& texts = m_store.texts();
    std::vector<std::uint32_t> familyIds(m_families.size());
    std::iota(familyIds.begin(), familyIds.end(), 0U);
    std::vector<std::uint32_t> familyRank(m_families.size());
    rankBy(
        familyIds,
        [&](std::uint32_t a, std::uint32_t b) {
            return std::pair{std::string_view(m_families[a]->text), m_families[a]->record.strokes} <
                   std::pair{std::string_view(m_families[b]->text), m_families[b]->record.strokes};
        },
        [&](std::uint32_t id, std::uint32_t rank) { familyRank[id] = rank; });

    // Characters by their text, which in UTF-8 is code-point order.
    std::vector<std::uint32_t> characterIds;
    for (std::uint32_t g = 0; g < m_names.groupCount(); ++g) {
        characterIds.push_back(m_names.groupFirstCharacter(g));
    }
    for (std::uint32_t d = 1; d < m_names.secondCount(); ++d) {
        characterIds.push_back(m_names.secondCharacter(d));
    }
    std::sort(characterIds.begin(), characterIds.end());
    characterIds.erase(std::unique(characterIds.begin(), characterIds.end()), characterIds.end());
    std::vector<std::string> text(m_knownTexts);
    for (const std::uint32_t id : characterIds) {
        text[id] = texts.text(id);
    }
    std::vector<std::uint32_t> characterRank(m_knownTexts, 0);
    rankBy(
        characterIds, [&](std::uint32_t a, std::uint32_t b) { return text[a] < text[b]; },
        [&](std::uint32_t id, std::uint32_t rank) { characterRank[id] = rank; });
    std::vector<std::uint32_t> secondRank(m_names.secondCount(), 0);
    for (std::uint32_t d = 1; d < m_names.secondCount(); ++d) {
        secondRank[d] = characterRank[m_names.secondCharacter(d)];
    }
    PackedRanks packed = packRanks(m_names, familyRank, characterRank, secondRank);
    m_groupNameOrdinal = std::move(packed.groupPart);
    m_secondNameRank = std::move(packed.secondPart);
}

void ShortlistFacts::rankPinyin() {
    const KnowledgeBase& knowledge = m_sources.knowledge;
    if (!knowledge.isAvailable()) {
        m_groupPinyinOrdinal.clear(); // every key 0: names keep the order of their first rows
        return;
    }
    std::vector<std::string> familyKey(m_families.size());
    for (std::size_t id = 0; id < m_families.size(); ++id) {
        familyKey[id] = m_families[id]->pinyinKey;
    }
    std::vector<std::uint32_t> familyIds(m_families.size());
    std::iota(familyIds.begin(), familyIds.end(), 0U);
    std::vector<std::uint32_t> familyRank(m_families.size());
    rankBy(
        familyIds, [&](std::uint32_t a, std::uint32_t b) { return familyKey[a] < familyKey[b]; },
        [&](std::uint32_t id, std::uint32_t rank) { familyRank[id] = rank; });

    std::vector<std::string> key(m_knownTexts);
    std::vector<std::uint32_t> ids;
    const auto note = [&](std::uint32_t id) {
        if (key[id].empty()) {
            const CharacterKnowledge* k = knowledge.character(m_characters[id].codePoint);
            key[id] = k != nullptr ? syllableKey(k->syllable) : std::string("~");
            ids.push_back(id);
        }
    };
    for (std::uint32_t g = 0; g < m_names.groupCount(); ++g) {
        note(m_names.groupFirstCharacter(g));
    }
    for (std::uint32_t d = 1; d < m_names.secondCount(); ++d) {
        note(m_names.secondCharacter(d));
    }
    std::vector<std::uint32_t> characterRank(m_knownTexts, 0);
    rankBy(
        ids, [&](std::uint32_t a, std::uint32_t b) { return key[a] < key[b]; },
        [&](std::uint32_t id, std::uint32_t rank) { characterRank[id] = rank; });
    std::vector<std::uint32_t> secondRank(m_names.secondCount(), 0);
    for (std::uint32_t d = 1; d < m_names.secondCount(); ++d) {
        secondRank[d] = characterRank[m_names.secondCharacter(d)];
    }
    PackedRanks packed = packRanks(m_names, familyRank, characterRank, secondRank);
    m_groupPinyinOrdinal = std::move(packed.groupPart);
    m_secondPinyinRank = std::move(packed.secondPart);
}

void ShortlistFacts::rankElementTexts() {
    const TextPool& texts = m_store.texts();
    std::vector<std::string> text(m_knownTexts);
    std::vector<std::uint32_t> ids(m_knownTexts);
    for (std::uint32_t id = 0; id < m_knownTexts; ++id) {
        text[id] = texts.text(id);
        ids[id] = id;
    }
    m_elementRank.assign(m_knownTexts, 0);
    rankBy(
        ids, [&](std::uint32_t a, std::uint32_t b) { return text[a] < text[b]; },
        [&](std::uint32_t id, std::uint32_t rank) { m_elementRank[id] = rank; });
}

std::uint32_t ShortlistFacts::key(ShortlistColumn column, NameRef ref, const StoredName& row,
                                  std::uint32_t draws) const {
    switch (column) {
    case ShortlistColumn::Name:
        return m_groupNameOrdinal[ref.group] + m_secondNameRank[ref.second];
    case ShortlistColumn::Score:
        return row.score;
    case ShortlistColumn::Heaven:
        return biased(grids(row).heaven);
    case ShortlistColumn::Person:
        return biased(grids(row).person);
    case ShortlistColumn::Earth:
        return biased(grids(row).earth);
    case ShortlistColumn::Outer:
        return biased(grids(row).outer);
    case ShortlistColumn::Total:
        return biased(grids(row).total);
    case ShortlistColumn::ThreeTalentsKey:
        return static_cast<std::uint32_t>(threeTalentsIndex(grids(row)));
    case ShortlistColumn::ElementText:
        return row.elementText < m_elementRank.size() ? m_elementRank[row.elementText] : 0;
    case ShortlistColumn::Draws:
        return draws;
    case ShortlistColumn::SuppliesMissingElement:
        return suppliesMissingElement(row) ? 1 : 0;
    case ShortlistColumn::Favourite: {
        const auto found = m_stars.find({ref.group, ref.second});
        return found == m_stars.end() ? 0U : static_cast<std::uint32_t>(found->second);
    }
    case ShortlistColumn::Pinyin:
        return m_groupPinyinOrdinal.empty() ? 0 : m_groupPinyinOrdinal[ref.group] + m_secondPinyinRank[ref.second];
    case ShortlistColumn::NoSoundWarning:
        return bit(m_noWarning, ref) ? 1 : 0;
    case ShortlistColumn::HasVerse:
        return bit(m_verse, ref) ? 1 : 0;
    case ShortlistColumn::CommonOnly:
        return bit(m_common, ref) ? 1 : 0;
    case ShortlistColumn::CompoundSurnameScore: {
        const auto score = compoundScore(family(row.family), row);
        return score ? static_cast<std::uint32_t>(*score) + 1 : 0;
    }
    case ShortlistColumn::Recommended:
        return m_recommender.key(ref, row);
    }
    return 0;
}

} // namespace namewright
