#pragma once
// What the 推荐 order reads from the character knowledge: the facts of one character, and whether a pair reads as
// an everyday word or a place name.

#include "knowledge/KnowledgeBase.h"
#include "shortlist/Recommendation.h"

namespace namewright {

/// The facts of a character; `known` false without the knowledge file or for c = 0.
RecommendCharacter recommendCharacter(const KnowledgeBase& knowledge, char32_t c);
/// Whether first + second is an everyday word (治标) or a place name (杭州).
bool readsAsWordOrPlace(const KnowledgeBase& knowledge, char32_t first, char32_t second);

} // namespace namewright
