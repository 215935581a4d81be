#include "chart/ElementStrength.h"

namespace namewright {

std::string_view dayMasterRelationText(DayMasterRelation relation) {
    constexpr std::array<std::string_view, 5> texts{"比劫", "印", "食伤", "财", "官杀"};
    return texts[static_cast<std::size_t>(relation)];
}

std::string_view pillarPositionText(PillarPosition position) {
    constexpr std::array<std::string_view, 4> texts{"年", "月", "日", "时"};
    return texts[static_cast<std::size_t>(position)];
}

namespace {

StrengthContribution contribution(PillarPosition pillar, bool hidden, int rank, HeavenlyStem stem, int basePoints,
                                  Element season) {
    StrengthContribution c;
    c.pillar = pillar;
    c.hidden = hidden;
    c.rank = rank;
    c.stem = stem;
    c.basePoints = basePoints;
    c.state = seasonalStateOf(stem.element(), season);
    c.factorPercent = seasonalFactorPercent(c.state);
    c.points = basePoints * c.factorPercent / 100;
    return c;
}

struct Choice {
    BalanceCase balance;
    DayMasterRelation useful;
    DayMasterRelation favourable;
    DayMasterRelation unfavourable;
};

Choice chooseBalance(const ElementStrength& s) {
    using R = DayMasterRelation;
    if (!s.strong) {
        const int wealth = s.pointsOf(R::Wealth);
        if (wealth > s.pointsOf(R::Output) && wealth > s.pointsOf(R::Power)) {
            return {BalanceCase::WeakUsesCompanions, R::Companion, R::Resource, R::Power};
        }
        return {BalanceCase::WeakUsesResource, R::Resource, R::Companion, R::Wealth};
    }
    if (s.pointsOf(R::Resource) > s.pointsOf(R::Companion)) {
        return {BalanceCase::StrongUsesWealth, R::Wealth, R::Output, R::Companion};
    }
    return {BalanceCase::StrongUsesPower, R::Power, R::Wealth, R::Output};
}

} // namespace

ElementStrength analyseElementStrength(const FourPillars& pillars) {
    ElementStrength s;
    s.season = seasonElementOfMonth(pillars.month.branch());
    s.dayMaster = pillars.day.stem();
    constexpr std::array<PillarPosition, 4> positions{PillarPosition::Year, PillarPosition::Month, PillarPosition::Day,
                                                      PillarPosition::Hour};
    const std::array<SexagenaryPair, 4> pairs = pillars.inOrder();
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        const PillarPosition position = positions[p];
        s.contributions.push_back(contribution(position, false, 0, pairs[p].stem(), kStemPoints, s.season));
        const int branchPoints = kBranchPoints * (position == PillarPosition::Month ? kMonthBranchFactor : 1);
        const HiddenStems hidden = pairs[p].branch().hiddenStems();
        for (int rank = 0; rank < hidden.count; ++rank) {
            const int base = branchPoints * hiddenStemShare(hidden.count, rank) / 100;
            s.contributions.push_back(
                contribution(position, true, rank, hidden.stems[static_cast<std::size_t>(rank)], base, s.season));
        }
    }
    for (const StrengthContribution& c : s.contributions) {
        s.points[static_cast<std::size_t>(c.stem.element())] += c.points;
    }
    s.support = s.pointsOf(DayMasterRelation::Companion) + s.pointsOf(DayMasterRelation::Resource);
    s.restraint = s.pointsOf(DayMasterRelation::Output) + s.pointsOf(DayMasterRelation::Wealth) +
                  s.pointsOf(DayMasterRelation::Power);
    s.strong = s.support > s.restraint;

    const Choice choice = chooseBalance(s);
    const Element self = s.dayMaster.element();
    s.balance = choice.balance;
    s.useful = elementOfRelation(self, choice.useful);
    s.favourable = elementOfRelation(self, choice.favourable);
    s.unfavourable = elementOfRelation(self, choice.unfavourable);
    return s;
}

} // namespace namewright
