#pragma once
// The texts of the details pane's tabs beside the report: the character knowledge of a name (读音与字形), its
// solar-term chart (节气八字) and its compound-surname score (复姓).

#include "chart/MomentSolarTermChart.h"
#include "knowledge/NameDescription.h"
#include "naming/FiveGrids.h"
#include "shortlist/Recommendation.h"

#include <QString>

#include <string_view>

namespace namewright {

/// A name's description as the pane shows it: pinyin, tones, the sound warnings ("读音提示：无" when there is none),
/// then each character with its traditional form, strokes and their working, element with its reason, common level
/// and, where the meanings table has it, "字义：gloss" (a given character's with its tone mark: "（褒）"), then the
/// verses with their source.
QString knowledgeText(const NameDescription& description);

/// "（褒）", "（中）" or "（贬）"; empty for Unknown.
QString meaningToneMark(MeaningTone tone);

/// One line per given character with a meaning: "思：思考，思想；想念（思源）（褒）"; empty when none has one. For the
/// compare window and the favourites' pages.
QString givenMeaningsText(const KnowledgeBase& knowledge, std::string_view given);

/// The solar-term chart with its working and the minute it was worked out for (from the minute box, or minute 0
/// where the box held no minute); a line saying it cannot be worked out when there is no chart.
QString solarTermText(const MomentSolarTermChart& chart);

/// "复姓算法（本程序另算）：天格 … 总格 …，分数 …", the grids and score by the compound-surname rule.
QString compoundSurnameText(const FiveGrids& grids, int score);

/// Why a name stands where it does in the 推荐 order, on one line: "推荐 87：分数 +20，名字用字 +12，诗句相连
/// +10，读音提示 −8", the terms giving points largest first (partsLargestFirst()), the minus sign U+2212. A name with a
/// 贬 character says so after the value: "推荐 40（有贬义字，排在所有名字之后）：…"; a name no term moves says that.
QString recommendationText(const Recommendation& recommendation);

/// Which score is which, one short line each: the listed score, the evaluation's and, for a compound surname, ours.
QString scoreNote(bool compound);

} // namespace namewright
