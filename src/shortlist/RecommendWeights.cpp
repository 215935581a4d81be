#include "shortlist/RecommendWeights.h"

namespace namewright {

std::string_view recommendPresetName(RecommendPreset preset) {
    switch (preset) {
    case RecommendPreset::Balanced:
        return "均衡";
    case RecommendPreset::FiveGrids:
        return "重五格";
    case RecommendPreset::MeaningAndSound:
        return "重字义读音";
    }
    return "均衡";
}

std::optional<RecommendPreset> recommendPresetOfName(std::string_view name) {
    for (const RecommendPreset preset : kRecommendPresets) {
        if (recommendPresetName(preset) == name) {
            return preset;
        }
    }
    return std::nullopt;
}

RecommendWeights recommendWeights(RecommendPreset preset) {
    RecommendWeights w;
    switch (preset) {
    case RecommendPreset::Balanced:
        break;
    case RecommendPreset::FiveGrids:
        // The score spans most of the range; the knowledge terms still keep clumsy names off the first page.
        w.base = 23;
        w.score = 45;
        w.nameTierMuch = 8;
        w.verseFamous = 6;
        w.verseSideBySide = 4;
        w.favourable = 8;
        w.solarFavourable = 6;
        break;
    case RecommendPreset::MeaningAndSound:
        w.base = 47;
        w.score = 8;
        w.nameTierMuch = 16;
        w.positiveMeaning = 10;
        w.verseFamous = 14;
        w.verseSideBySide = 9;
        w.verseInLine = 3;
        w.soundOther = 16;
        w.favourable = 3;
        w.solarFavourable = 2;
        break;
    }
    return w;
}

} // namespace namewright
