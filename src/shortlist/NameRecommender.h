#pragma once
// NameRecommender: the 推荐 value of every distinct name of the shortlist, fast enough to order a million names.
//
// What hangs on one character (its name tier, common level, tone, whether it stands for a place) is kept per text
// id and turned into points once per weight change. What hangs on the pair (the verse class, the heaviest sound
// warning, whether it reads as an everyday word or a place name) is worked out once per name when it is added and
// kept in one byte per (group, second-character number), like the shortlist's knowledge bits: about one byte per
// name in a well-filled series. A value then costs a few array reads: re-weighting only redoes the per-text points.
//
// Without the knowledge file only the score and the element terms count. Not thread-safe; the shortlist's.

#include "calendar/Element.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/ResultStore.h"
#include "shortlist/DistinctNames.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "shortlist/Recommendation.h"
#include "shortlist/ShortlistSources.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace namewright {

class NameRecommender {
public:
    explicit NameRecommender(const ShortlistSources& sources);

    void setWeights(const RecommendWeights& weights);
    const RecommendWeights& weights() const { return m_weights; }
    /// The parent's own favourable elements (喜用神), in place of both charts' for the element term; nothing or an
    /// empty set: the charts'.
    void setOwnFavourable(std::optional<ElementSet> elements);
    const std::optional<ElementSet>& ownFavourable() const { return m_own; }

    void reset();
    /// Learns the character of a new text (0 for a text that is not one character); ids come in order.
    void noteText(std::uint32_t id, char32_t codePoint);
    /// Works out the pair facts of a name just added.
    void noteName(NameRef ref, const FamilyKnowledgeFlags* family, char32_t first, char32_t second);

    /// The sort key of a name (recommendKey()).
    std::uint32_t key(NameRef ref, const StoredName& row) const;
    /// The value and every term's points of a name.
    Recommendation recommend(NameRef ref, const StoredName& row) const;

    std::size_t memoryBytes() const;

private:
    struct Character {
        RecommendCharacter facts;
        std::int16_t points = 0; // characterPoints().sum() under the current weights
    };
    RecommendInputs inputs(NameRef ref, const StoredName& row) const;
    std::uint8_t pair(NameRef ref) const;
    bool favourable(const StoredName& row) const;
    bool solarFavourable(const StoredName& row) const;
    void weighCharacters();

    const ShortlistSources& m_sources;
    RecommendWeights m_weights;
    std::optional<ElementSet> m_own;
    std::vector<Character> m_characters;            // by text id
    std::vector<std::vector<std::uint8_t>> m_pairs; // [group][dense]: verse class | sound << 2 | word-like << 4
    std::int32_t m_pairPoints[32] = {};             // points of each pair byte under the current weights
};

} // namespace namewright
