#pragma once
// The parent's own 推荐 weights as the settings file keeps them: one key per weight that differs from the chosen
// preset, "recommend/weights/<key>" (RecommendWeightField::key), holding a whole number of points. A weight without
// its key is the preset's; so is one whose stored value is not a whole number from 0 to kMaxRecommendWeight (a file
// edited by hand, or written by another version), quietly.

#include "shortlist/RecommendWeights.h"

class QSettings;

namespace namewright {

/// The preset's weights with every stored weight in its place.
RecommendWeights loadRecommendWeights(const QSettings& settings, RecommendPreset preset);
/// Keeps the weights that differ from the preset's and removes the keys of the others.
void saveRecommendWeights(QSettings& settings, const RecommendWeights& weights, RecommendPreset preset);
/// Whether any stored weight is in force (the weights differ from the preset's).
bool recommendWeightsAdjusted(const RecommendWeights& weights, RecommendPreset preset);

} // namespace namewright
