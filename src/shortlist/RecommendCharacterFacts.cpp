#include "shortlist/RecommendCharacterFacts.h"

namespace namewright {

// The knowledge file reads the common level only so far: the name tier, the tone and the place marks come with the
// meanings table, and until then give no points.
RecommendCharacter recommendCharacter(const KnowledgeBase& knowledge, char32_t c) {
    RecommendCharacter facts;
    if (c == 0 || !knowledge.isAvailable()) {
        return facts;
    }
    facts.known = true;
    facts.commonLevel = knowledge.compact(c).commonLevel;
    return facts;
}

bool readsAsWordOrPlace(const KnowledgeBase& /*knowledge*/, char32_t /*first*/, char32_t /*second*/) {
    return false;
}

} // namespace namewright
