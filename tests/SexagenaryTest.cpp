#include "calendar/Sexagenary.h"
#include "calendar/Element.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace namewright {
namespace {

TEST(SexagenaryPair, PositionsFollowTheStemAndBranchRule) {
    std::set<std::string> seen;
    for (int p = 1; p <= 60; ++p) {
        const SexagenaryPair pair = SexagenaryPair::fromPosition(p);
        EXPECT_EQ(pair.position(), p);
        EXPECT_EQ(pair.stem().number(), (p - 1) % 10 + 1);
        EXPECT_EQ(pair.branch().number(), (p - 1) % 12 + 1);
        EXPECT_EQ(pair.text(), std::string(pair.stem().text()) + std::string(pair.branch().text()));
        EXPECT_EQ(SexagenaryPair::fromText(pair.text()), pair);
        EXPECT_EQ(SexagenaryPair::fromStemAndBranch(pair.stem(), pair.branch()), pair);
        seen.insert(std::string(pair.text()));
    }
    EXPECT_EQ(seen.size(), 60U);
    EXPECT_EQ(SexagenaryPair::fromPosition(1).text(), "甲子");
    EXPECT_EQ(SexagenaryPair::fromPosition(11).text(), "甲戌");
    EXPECT_EQ(SexagenaryPair::fromPosition(18).text(), "辛巳");
    EXPECT_EQ(SexagenaryPair::fromPosition(27).text(), "庚寅");
    EXPECT_EQ(SexagenaryPair::fromPosition(60).text(), "癸亥");
}

TEST(SexagenaryPair, PositionsOutsideTheCycleWrapForEveryInt) {
    EXPECT_EQ(SexagenaryPair::fromPosition(0).position(), 60);
    EXPECT_EQ(SexagenaryPair::fromPosition(61).position(), 1);
    EXPECT_EQ(SexagenaryPair::fromPosition(-1).position(), 59);
    EXPECT_GE(SexagenaryPair::fromPosition(std::numeric_limits<int>::min()).position(), 1);
    EXPECT_LE(SexagenaryPair::fromPosition(std::numeric_limits<int>::max()).position(), 60);
    EXPECT_EQ(SexagenaryPair::fromPosition(60).advancedBy(1).position(), 1);
    EXPECT_EQ(SexagenaryPair::fromPosition(1).advancedBy(-1).position(), 60);
    EXPECT_EQ(SexagenaryPair::fromPosition(5).advancedBy(std::numeric_limits<int>::max()).position(),
              SexagenaryPair::fromPosition(5 + std::numeric_limits<int>::max() % 60).position());
}

TEST(SexagenaryPair, TextsThatAreNoPairGiveNothing) {
    EXPECT_FALSE(SexagenaryPair::fromText("甲丑")); // stem and branch of different parity
    EXPECT_FALSE(SexagenaryPair::fromText("子甲"));
    EXPECT_FALSE(SexagenaryPair::fromText("甲"));
    EXPECT_FALSE(SexagenaryPair::fromText("甲子 "));
    EXPECT_FALSE(SexagenaryPair::fromText(""));
    EXPECT_FALSE(SexagenaryPair::fromStemAndBranch(HeavenlyStem::fromNumber(1), EarthlyBranch::fromNumber(2)));
}

TEST(HeavenlyStem, ElementsAndPolarity) {
    const std::string expected = "木木火火土土金金水水";
    for (int n = 1; n <= 10; ++n) {
        const HeavenlyStem stem = HeavenlyStem::fromNumber(n);
        EXPECT_EQ(elementText(stem.element()), expected.substr(static_cast<std::size_t>(n - 1) * 3, 3));
        EXPECT_EQ(stem.isYang(), n % 2 == 1);
        EXPECT_EQ(HeavenlyStem::fromText(stem.text()), stem);
    }
    EXPECT_EQ(HeavenlyStem::fromNumber(11), HeavenlyStem::fromNumber(1));
    EXPECT_EQ(HeavenlyStem::fromNumber(0).text(), "癸");
    EXPECT_FALSE(HeavenlyStem::fromText("子"));
}

TEST(EarthlyBranch, AnimalsAndElements) {
    const std::string animals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
    const std::string elements = "水土木木土火火土金金土水";
    for (int n = 1; n <= 12; ++n) {
        const EarthlyBranch branch = EarthlyBranch::fromNumber(n);
        EXPECT_EQ(branch.animal(), animals.substr(static_cast<std::size_t>(n - 1) * 3, 3));
        EXPECT_EQ(elementText(branch.element()), elements.substr(static_cast<std::size_t>(n - 1) * 3, 3));
        EXPECT_EQ(EarthlyBranch::fromText(branch.text()), branch);
    }
    EXPECT_EQ(EarthlyBranch::fromNumber(13).text(), "子");
    EXPECT_EQ(EarthlyBranch::fromNumber(-1).text(), "戌");
    EXPECT_FALSE(EarthlyBranch::fromText("鼠"));
}

TEST(Element, CyclesOfGeneratingAndOvercoming) {
    EXPECT_EQ(generatedBy(Element::Wood), Element::Fire);
    EXPECT_EQ(generatedBy(Element::Water), Element::Wood);
    EXPECT_EQ(generatorOf(Element::Wood), Element::Water);
    EXPECT_EQ(overcomeBy(Element::Wood), Element::Earth);
    EXPECT_EQ(overcomeBy(Element::Metal), Element::Wood);
    EXPECT_EQ(overcomerOf(Element::Fire), Element::Water);
    for (const Element element : kAllElements) {
        EXPECT_EQ(generatorOf(generatedBy(element)), element);
        EXPECT_EQ(overcomerOf(overcomeBy(element)), element);
        EXPECT_EQ(elementOfText(elementText(element)), element);
    }
    EXPECT_FALSE(elementOfText("金 "));
    EXPECT_FALSE(elementOfText(""));
}

TEST(ElementSet, FindsElementCharactersAnywhereInAText) {
    const ElementSet set = ElementSet::occurringIn("木水 火土 ");
    EXPECT_TRUE(set.contains(Element::Wood));
    EXPECT_FALSE(set.contains(Element::Metal));
    EXPECT_EQ(set.size(), 4);
    EXPECT_EQ(set.complement(), (ElementSet{Element::Metal}));
    EXPECT_TRUE(ElementSet::occurringIn("1881-2060").empty());
    EXPECT_EQ(ElementSet::all().complement(), ElementSet{});
    EXPECT_TRUE(set.intersects(ElementSet{Element::Fire, Element::Metal}));
    EXPECT_FALSE(set.intersects(ElementSet{Element::Metal}));
}

} // namespace
} // namespace namewright
