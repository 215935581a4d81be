#include "shortlist/RecommendCharacterFacts.h"

namespace namewright {

RecommendCharacter recommendCharacter(const KnowledgeBase& knowledge, char32_t c) {
    RecommendCharacter facts;
    if (c == 0 || !knowledge.isAvailable()) {
        return facts;
    }
    facts.known = true;
    facts.nameTier = knowledge.nameTier(c);
    facts.commonLevel = static_cast<unsigned char>(knowledge.compact(c).commonLevel); // 0-3, never negative
    const MeaningTone tone = knowledge.meaningTone(c);
    facts.positive = tone == MeaningTone::Positive;
    facts.negative = tone == MeaningTone::Negative;
    facts.placeCharacter = knowledge.isPlaceCharacter(c);
    return facts;
}

bool readsAsWordOrPlace(const KnowledgeBase& knowledge, char32_t first, char32_t second) {
    return knowledge.isAvailable() && (knowledge.isEverydayWord(first, second) || knowledge.isPlaceName(first, second));
}

} // namespace namewright
