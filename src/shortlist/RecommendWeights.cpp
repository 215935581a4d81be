#include "shortlist/RecommendWeights.h"

#include <array>

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

namespace {

// Captions start with the term's caption (recommendTermCaption) so that the page reads like the reasons line.
// "两字合计" says that each character of a two-character name gives half.
constexpr std::array<RecommendWeightField, 16> kFields{{
    {"base", "起点（各项都不加减时）", &RecommendWeights::base},
    {"score", "分数（100 分时加，80 分为 0）", &RecommendWeights::score},
    {"nameTierMuch", "名字用字：常用于名字（两字合计）", &RecommendWeights::nameTierMuch},
    {"nameTierRare", "名字用字：名字少用（两字合计，扣）", &RecommendWeights::nameTierRare},
    {"commonLevel2", "常用字：二级字（两字合计，扣）", &RecommendWeights::commonLevel2},
    {"commonRare", "常用字：一二级以外（两字合计，扣）", &RecommendWeights::commonRare},
    {"verseInLine", "诗句相连：同在一句", &RecommendWeights::verseInLine},
    {"verseSideBySide", "诗句相连：两字相连", &RecommendWeights::verseSideBySide},
    {"verseFamous", "诗句相连：名篇中两字相连", &RecommendWeights::verseFamous},
    {"soundOther", "读音提示：声调、声韵（扣）", &RecommendWeights::soundOther},
    {"soundHomophone", "读音提示：不雅谐音（扣）", &RecommendWeights::soundHomophone},
    {"positiveMeaning", "字义：褒义（两字合计）", &RecommendWeights::positiveMeaning},
    {"favourable", "喜用五行：补八字喜用神", &RecommendWeights::favourable},
    {"solarFavourable", "节气喜用：补节气八字喜用神", &RecommendWeights::solarFavourable},
    {"wordLike", "词语地名：两字是常用词或地名（扣）", &RecommendWeights::wordLike},
    {"placeCharacter", "地名用字：代指地名的字（两字合计，扣）", &RecommendWeights::placeCharacter},
}};

} // namespace

std::span<const RecommendWeightField> recommendWeightFields() {
    return kFields;
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
