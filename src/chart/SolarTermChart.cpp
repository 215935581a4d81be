#include "chart/SolarTermChart.h"

#include "calendar/Pillars.h"

#include <cstdio>

namespace namewright {

namespace {

std::string number(double value, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string factorText(int percent) {
    return number(percent / 100.0, "%.1f");
}

std::string termText(const SolarTermMoment& moment) {
    return std::string(solarTermText(moment.term)) + " " + beijingTimeText(moment.minute);
}

std::string_view englishElementName(Element element) {
    constexpr std::array<std::string_view, 5> names{"wood", "fire", "earth", "metal", "water"};
    return names[static_cast<std::size_t>(element)];
}

std::string_view positionKey(PillarPosition position) {
    constexpr std::array<std::string_view, 4> keys{"year", "month", "day", "hour"};
    return keys[static_cast<std::size_t>(position)];
}

std::string_view rankText(int rank) {
    constexpr std::array<std::string_view, 3> texts{"本气", "中气", "余气"};
    return texts[static_cast<std::size_t>(rank)];
}

/// "乙 木 80 × 囚 0.8 = 64"
std::string contributionText(const StrengthContribution& c) {
    return std::string(c.stem.text()) + " " + std::string(elementText(c.stem.element())) + " " +
           std::to_string(c.basePoints) + " × " + std::string(seasonalStateText(c.state)) + " " +
           factorText(c.factorPercent) + " = " + std::to_string(c.points);
}

std::string hourText(const SolarTermChart& chart) {
    const SolarTermPillars& p = chart.pillars;
    const EarthlyBranch branch = p.pillars.hour.branch();
    const int first = (branch.number() * 2 + 21) % 24;
    // 晚子时 (the day kept): the hour opens the next day's 子 hour, whose stem the next day's stem gives.
    const HeavenlyStem dayStem = p.pillars.day.stem().advancedBy(p.lateZiHour ? 1 : 0);
    return std::string(p.pillars.hour.text()) + ": " + std::string(branch.text()) + "时 " + twoDigits(first) + ":00-" +
           twoDigits((first + 1) % 24) + ":59 (" + beijingTimeText(p.dayClock).substr(11) + "), " +
           (p.lateZiHour ? "晚子时按次日" : "") + std::string(dayStem.text()) + "日子时起" +
           std::string(hourPillarOf(dayStem, 0).text());
}

std::string relationTerm(const ElementStrength& s, DayMasterRelation relation) {
    return std::string(dayMasterRelationText(relation)) + " " +
           std::string(elementText(elementOfRelation(s.dayMaster.element(), relation))) + " " +
           std::to_string(s.pointsOf(relation));
}

std::string balanceReason(const ElementStrength& s) {
    using R = DayMasterRelation;
    switch (s.balance) {
    case BalanceCase::WeakUsesResource:
        return "身弱，财 " + std::to_string(s.pointsOf(R::Wealth)) + " 不强于食伤与官杀：取印生身";
    case BalanceCase::WeakUsesCompanions:
        return "身弱，财 " + std::to_string(s.pointsOf(R::Wealth)) + " 强于食伤与官杀（财多身弱）：取比劫帮身";
    case BalanceCase::StrongUsesWealth:
        return "身强，印 " + std::to_string(s.pointsOf(R::Resource)) + " 强于比劫 " +
               std::to_string(s.pointsOf(R::Companion)) + "（印多用财）：取财制印";
    case BalanceCase::StrongUsesPower:
        return "身强，比劫 " + std::to_string(s.pointsOf(R::Companion)) + " 不弱于印 " +
               std::to_string(s.pointsOf(R::Resource)) + "：取官杀制比劫";
    }
    return {};
}

std::string favourableReason(const ElementStrength& s) {
    return s.balance == BalanceCase::WeakUsesResource ? "比劫帮身，与用神同扶日主" : "生用神";
}

} // namespace

std::string pillarsLineText(const FourPillars& pillars) {
    std::string text;
    for (const SexagenaryPair pair : pillars.inOrder()) {
        if (!text.empty()) {
            text += ' ';
        }
        text += pair.text();
    }
    return text;
}

std::optional<SolarTermChart> solarTermChartOf(const BeijingTime& birth, const SolarTermPillarOptions& options) {
    const auto pillars = solarTermPillars(birth, options);
    if (!pillars) {
        return std::nullopt;
    }
    return SolarTermChart{*pillars, analyseElementStrength(pillars->pillars)};
}

std::vector<WorkingItem> solarTermChartWorking(const SolarTermChart& chart) {
    const SolarTermPillars& p = chart.pillars;
    const ElementStrength& s = chart.strength;
    std::vector<WorkingItem> items;
    const auto add = [&items](std::string key, std::string caption, std::string value) {
        items.push_back(WorkingItem{std::move(key), std::move(caption), std::move(value)});
    };
    add("pillars", "四柱", pillarsLineText(p.pillars));
    add("chart", "算法", std::string(kSolarTermChartLabel) + "：年柱以立春为界，月柱以节为界，日柱以零点为界");
    add("birth", "出生时刻", beijingTimeText(p.birth) + " 北京时间");
    add("zi-hour", "子时",
        p.ziHourMovedDay ? "23:00 起算次日（子时换日），日柱取次日" : "23:00 后仍属当日（早晚子时），时柱取次日子时");
    if (p.trueSolarTime) {
        const TrueSolarTimeCorrection& t = *p.trueSolarTime;
        add("solar-time", "真太阳时",
            "真太阳时 " + beijingTimeText(t.solarTime) + " = 北京时间 " + number(t.longitudeMinutes, "%+.1f") +
                " 分（东经 " + number(t.longitude, "%.2f") + "°）" + number(t.equationOfTimeMinutes, "%+.1f") +
                " 分（时差）");
    } else {
        add("solar-time", "真太阳时", "不用真太阳时");
    }
    add("year", "年柱",
        std::string(p.pillars.year.text()) + ": " + termText(p.yearStart) + " 至 " + termText(p.nextYearStart));
    add("month", "月柱",
        std::string(p.pillars.month.text()) + ": " + termText(p.monthStart) + " 至 " + termText(p.monthEnd));
    add("day", "日柱", std::string(p.pillars.day.text()) + ": " + beijingTimeText({p.pillarDay, 0, 0}).substr(0, 10));
    add("hour", "时柱", hourText(chart));

    constexpr std::array<PillarPosition, 4> positions{PillarPosition::Year, PillarPosition::Month, PillarPosition::Day,
                                                      PillarPosition::Hour};
    const std::array<SexagenaryPair, 4> pairs = p.pillars.inOrder();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const HiddenStems hidden = pairs[i].branch().hiddenStems();
        std::string value = std::string(pairs[i].branch().text()) + ":";
        for (int rank = 0; rank < hidden.count; ++rank) {
            value += " " + std::string(hidden.stems[static_cast<std::size_t>(rank)].text()) + " " +
                     std::string(rankText(rank)) + " " + std::to_string(hiddenStemShare(hidden.count, rank)) + "%";
        }
        if (positions[i] == PillarPosition::Month) {
            value += "（月令加倍）";
        }
        add("hidden." + std::string(positionKey(positions[i])),
            std::string(pillarPositionText(positions[i])) + "支藏干", value);
    }

    std::string season =
        std::string(p.pillars.month.branch().text()) + "月 " + std::string(elementText(s.season)) + "令:";
    for (const Element element : kAllElements) {
        const SeasonalState state = seasonalStateOf(element, s.season);
        season += " " + std::string(elementText(element)) + std::string(seasonalStateText(state)) + " ×" +
                  factorText(seasonalFactorPercent(state));
    }
    add("season", "月令", season);

    for (const PillarPosition position : positions) {
        std::string stemValue;
        std::string branchValue;
        for (const StrengthContribution& c : s.contributions) {
            if (c.pillar != position) {
                continue;
            }
            std::string& value = c.hidden ? branchValue : stemValue;
            value += (value.empty() ? "" : "; ") + contributionText(c);
        }
        const std::string key = "points." + std::string(positionKey(position));
        const std::string caption(pillarPositionText(position));
        add(key + "-stem", caption + "干得分", stemValue);
        add(key + "-branch", caption + "支得分",
            std::string(pairs[static_cast<std::size_t>(position)].branch().text()) + ": " + branchValue);
    }

    for (const Element element : kAllElements) {
        std::string terms;
        for (const StrengthContribution& c : s.contributions) {
            if (c.stem.element() == element) {
                terms += (terms.empty() ? "" : " + ") + std::to_string(c.points) + " " + std::string(c.stem.text()) +
                         std::string(pillarPositionText(c.pillar)) + (c.hidden ? "支" : "干");
            }
        }
        add("element." + std::string(englishElementName(element)), std::string(elementText(element)) + " 合计",
            std::string(elementText(element)) + " " + std::to_string(s.pointsOf(element)) +
                (terms.empty() ? "" : " = " + terms));
    }

    using R = DayMasterRelation;
    add("day-master", "日主", std::string(s.dayMaster.text()) + " " + std::string(elementText(s.dayMaster.element())));
    add("support", "生扶",
        std::to_string(s.support) + " = " + relationTerm(s, R::Companion) + " + " + relationTerm(s, R::Resource));
    add("restraint", "克泄耗",
        std::to_string(s.restraint) + " = " + relationTerm(s, R::Output) + " + " + relationTerm(s, R::Wealth) + " + " +
            relationTerm(s, R::Power));
    add("strength", "身强身弱",
        std::string(s.strong ? "身强" : "身弱") + ": 扶 " + std::to_string(s.support) + (s.strong ? " > " : " ≤ ") +
            "抑 " + std::to_string(s.restraint));
    add("useful", "用神", std::string(elementText(s.useful)) + "（用神）: " + balanceReason(s));
    add("favourable", "喜神", std::string(elementText(s.favourable)) + "（喜神）: " + favourableReason(s));
    add("unfavourable", "忌神", std::string(elementText(s.unfavourable)) + "（忌神）: 克用神");
    add("method", "取用神之法",
        "子平扶抑：天干各 100，地支 100 按藏干分（月令 200），乘旺相休囚死 1.4 1.2 1.0 0.8 0.6；不计合冲化与从格");
    return items;
}

} // namespace namewright
