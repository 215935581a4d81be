#include "shortlist/NameRecommender.h"

#include "shortlist/RecommendCharacterFacts.h"

#include <algorithm>

namespace namewright {

namespace {

constexpr std::uint8_t kWordLikeBit = 1U << 4;

std::uint8_t packPair(VerseClass verse, SoundChecker::Strength sound, bool wordLike) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(verse) | (static_cast<unsigned>(sound) << 2) |
                                     (wordLike ? kWordLikeBit : 0U));
}

VerseClass verseOf(std::uint8_t pair) {
    return static_cast<VerseClass>(pair & 3U);
}

SoundChecker::Strength soundOf(std::uint8_t pair) {
    return static_cast<SoundChecker::Strength>((pair >> 2) & 3U);
}

} // namespace

NameRecommender::NameRecommender(const ShortlistSources& sources) : m_sources(sources) {
    setWeights(m_weights);
}

void NameRecommender::setWeights(const RecommendWeights& weights) {
    m_weights = weights;
    for (std::uint8_t p = 0; p < 32; ++p) {
        m_pairPoints[p] = versePoints(m_weights, verseOf(p)) + soundPoints(m_weights, soundOf(p)) -
                          ((p & kWordLikeBit) != 0 ? m_weights.wordLike : 0);
    }
    weighCharacters();
}

void NameRecommender::setOwnFavourable(std::optional<ElementSet> elements) {
    m_own = elements && !elements->empty() ? elements : std::nullopt;
}

void NameRecommender::reset() {
    m_characters.clear();
    m_pairs.clear();
}

void NameRecommender::noteText(std::uint32_t id, char32_t c) {
    if (id >= m_characters.size()) {
        m_characters.resize(id + std::size_t{1});
    }
    const KnowledgeBase& knowledge = m_sources.knowledge;
    if (c == 0 || !knowledge.isAvailable()) {
        return;
    }
    RecommendCharacter& facts = m_characters[id].facts;
    facts = recommendCharacter(knowledge, c);
    m_characters[id].points = static_cast<std::int16_t>(characterPoints(m_weights, facts).sum());
}

void NameRecommender::weighCharacters() {
    for (Character& character : m_characters) {
        character.points = static_cast<std::int16_t>(characterPoints(m_weights, character.facts).sum());
    }
}

void NameRecommender::noteName(NameRef ref, const FamilyKnowledgeFlags* family, char32_t first, char32_t second) {
    if (family == nullptr || !family->isAvailable() || first == 0) {
        return;
    }
    const KnowledgeBase& knowledge = m_sources.knowledge;
    const VerseClass verse = second ? family->verseClass(first, second) : VerseClass::None;
    const bool wordLike = second && readsAsWordOrPlace(knowledge, first, second);
    const std::uint8_t packed = packPair(verse, family->soundStrength(first, second), wordLike);
    if (ref.group >= m_pairs.size()) {
        m_pairs.resize(ref.group + std::size_t{1});
    }
    auto& bytes = m_pairs[ref.group];
    if (ref.second >= bytes.size()) {
        if (packed == 0) {
            return;
        }
        // Grow by a quarter at a time, as the names' own entries do (a plain resize would double the capacity).
        const std::size_t size = std::max<std::size_t>(ref.second + std::size_t{1}, bytes.size() + bytes.size() / 4);
        bytes.reserve(size);
        bytes.resize(size);
    }
    bytes[ref.second] = packed;
}

std::uint8_t NameRecommender::pair(NameRef ref) const {
    if (ref.group >= m_pairs.size() || ref.second >= m_pairs[ref.group].size()) {
        return 0;
    }
    return m_pairs[ref.group][ref.second];
}

bool NameRecommender::favourable(const StoredName& row) const {
    return row.givenElements.intersects(m_own ? *m_own : m_sources.missingElements);
}

bool NameRecommender::solarFavourable(const StoredName& row) const {
    return !m_own && m_sources.solarTermFavourable && row.givenElements.intersects(*m_sources.solarTermFavourable);
}

std::uint32_t NameRecommender::key(NameRef ref, const StoredName& row) const {
    const auto characterAt = [this](std::uint32_t id) -> const Character* {
        return id < m_characters.size() ? &m_characters[id] : nullptr;
    };
    static const Character kUnknown{};
    const Character& a = characterAt(row.firstCharacter) ? *characterAt(row.firstCharacter) : kUnknown;
    const Character& b =
        row.isOneCharacter() ? a : (characterAt(row.secondCharacter) ? *characterAt(row.secondCharacter) : kUnknown);
    int raw = m_weights.base + scorePoints(m_weights, row.score) + a.points + b.points;
    raw += m_pairPoints[pair(ref)]; // a one-character name has only its sound bits
    raw += favourable(row) ? m_weights.favourable : 0;
    raw += solarFavourable(row) ? m_weights.solarFavourable : 0;
    return recommendKey(clipRecommendValue(raw), a.facts.negative || b.facts.negative);
}

RecommendInputs NameRecommender::inputs(NameRef ref, const StoredName& row) const {
    RecommendInputs in;
    in.score = row.score;
    in.twoCharacters = !row.isOneCharacter();
    if (row.firstCharacter < m_characters.size()) {
        in.characters[0] = m_characters[row.firstCharacter].facts;
    }
    if (in.twoCharacters && row.secondCharacter < m_characters.size()) {
        in.characters[1] = m_characters[row.secondCharacter].facts;
    }
    const std::uint8_t p = pair(ref);
    in.verse = in.twoCharacters ? verseOf(p) : VerseClass::None;
    in.sound = soundOf(p);
    in.wordLike = in.twoCharacters && (p & kWordLikeBit) != 0;
    in.favourable = favourable(row);
    in.solarFavourable = solarFavourable(row);
    return in;
}

Recommendation NameRecommender::recommend(NameRef ref, const StoredName& row) const {
    return namewright::recommend(m_weights, inputs(ref, row));
}

std::size_t NameRecommender::memoryBytes() const {
    std::size_t bytes =
        m_characters.capacity() * sizeof(Character) + m_pairs.capacity() * sizeof(std::vector<std::uint8_t>);
    for (const auto& group : m_pairs) {
        bytes += group.capacity();
    }
    return bytes;
}

} // namespace namewright
