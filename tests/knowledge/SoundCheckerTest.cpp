// Tests of the sound rules on names built to trip each rule and on names that must pass, with a small list of
// unfortunate words written here.

#include "knowledge/SoundChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace namewright {
namespace {

Syllable syllableOf(const std::string& numbered) {
    return *parseNumberedSyllable(numbered);
}

UnfortunateWord word(std::string text, std::string pinyin, std::vector<std::string> numbered) {
    UnfortunateWord w{std::move(text), std::move(pinyin), {}, "可笑", "test"};
    for (const auto& n : numbered) {
        w.syllables.push_back(syllableOf(n));
    }
    return w;
}

std::vector<UnfortunateWord> testWords() {
    return {word("饭桶", "fàn tǒng", {"fan4", "tong3"}), word("肚子疼", "dù zi téng", {"du4", "zi5", "teng2"}),
            word("逝世", "shì shì", {"shi4", "shi4"}), word("屁股", "pì gu", {"pi4", "gu5"})};
}

/// A name: family characters first. Each entry "字:syllable" with a numbered syllable, or "字:" for no reading.
std::vector<SyllableReading> name(std::size_t familyCount, std::vector<std::string> parts) {
    std::vector<SyllableReading> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto colon = parts[i].find(':');
        const auto numbered = parts[i].substr(colon + 1);
        SyllableReading r{parts[i].substr(0, colon), numbered, {}, i < familyCount};
        if (!numbered.empty()) {
            r.syllable = syllableOf(numbered);
        }
        out.push_back(r);
    }
    return out;
}

std::vector<SoundRule> rulesOf(const std::vector<SoundWarning>& warnings) {
    std::vector<SoundRule> rules;
    for (const auto& w : warnings) {
        rules.push_back(w.rule);
    }
    return rules;
}

class SoundRules : public ::testing::Test {
protected:
    SoundChecker m_checker{testWords()};
};

TEST_F(SoundRules, NameThatReadsLikeAWordSaysWhatItHeard) {
    const auto warnings = m_checker.warnings(name(1, {"范:fan4", "统:tong3"}));
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_EQ(warnings[0].rule, SoundRule::SoundsLikeWord);
    EXPECT_EQ(warnings[0].heard, "范统");
    EXPECT_EQ(warnings[0].soundsLike, "饭桶");
    EXPECT_EQ(warnings[0].text, "谐音：范统 ≈ 饭桶（fàn tǒng，可笑）");
}

TEST_F(SoundRules, SameSyllablesInOtherTonesAreHeardToo) {
    const auto warnings = m_checker.warnings(name(1, {"樊:fan2", "通:tong1"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SoundsLikeWordInOtherTones});
    EXPECT_EQ(warnings[0].text, "近音：樊通 ≈ 饭桶（fan2 tong1 / fàn tǒng，声调不同，可笑）");
}

TEST_F(SoundRules, WholeThreeSyllableNameAndNeutralToneOfTheWord) {
    // 子 reads zǐ in the name; the word's neutral zi matches any tone, so this is heard with its tones.
    const auto warnings = m_checker.warnings(name(1, {"杜:du4", "子:zi3", "腾:teng2"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SoundsLikeWord});
    EXPECT_EQ(warnings[0].heard, "杜子腾");
}

TEST_F(SoundRules, AdjacentPairInsideTheGivenNameIsChecked) {
    const auto warnings = m_checker.warnings(name(1, {"王:wang2", "屁:pi4", "古:gu3"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SoundsLikeWord});
    EXPECT_EQ(warnings[0].heard, "屁古");
}

TEST_F(SoundRules, WordsWithinTheFamilyNameAloneAreNotTheGivenNamesFault) {
    EXPECT_TRUE(m_checker.warnings(name(2, {"饭:fan4", "桶:tong3", "明:ming2"})).empty());
}

TEST_F(SoundRules, ThreeSameTones) {
    const auto warnings = m_checker.warnings(name(1, {"张:zhang1", "三:san1", "丰:feng1"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::ThreeSameTones});
    EXPECT_EQ(warnings[0].text, "三字同调：张三丰（zhang1 san1 feng1）都是第1声");
}

TEST_F(SoundRules, NeutralAndUnknownTonesNeverMakeThreeSame) {
    EXPECT_TRUE(m_checker.warnings(name(1, {"刘:liu5", "明:ming5", "亮:liang5"})).empty());
    EXPECT_TRUE(m_checker.warnings(name(1, {"刘:", "明:", "亮:"})).empty());
}

TEST_F(SoundRules, SameInitialOfTheGivenSyllables) {
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"曾:zeng1", "晓:xiao3", "雪:xue3"}))),
              std::vector{SoundRule::SameInitial});
}

TEST_F(SoundRules, SameRhymeOfTheGivenSyllables) {
    const auto warnings = m_checker.warnings(name(1, {"王:wang2", "芳:fang1", "阳:yang2"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SameFinal});
    EXPECT_EQ(warnings[0].text, "叠韵：芳阳（fang1 yang2）韵都是 ang");
}

TEST_F(SoundRules, SyllablesWithoutInitialAreNoDoubleInitial) {
    EXPECT_TRUE(m_checker.warnings(name(1, {"陈:chen2", "雨:yu3", "威:wei1"})).empty());
}

TEST_F(SoundRules, DoubledCharacterIsAStyleNotASlip) {
    EXPECT_TRUE(m_checker.warnings(name(1, {"张:zhang1", "婷:ting2", "婷:ting2"})).empty());
}

TEST_F(SoundRules, DifferentCharactersOfOneSyllableTripBoth) {
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"李:li3", "晶:jing1", "菁:jing1"}))),
              (std::vector{SoundRule::SameInitial, SoundRule::SameFinal}));
}

TEST_F(SoundRules, GivenSyllableLikeTheFamilySyllableTonesAside) {
    const auto warnings = m_checker.warnings(name(1, {"李:li3", "丽:li4"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SameAsFamily});
    EXPECT_EQ(warnings[0].text, "与姓同音：丽（li4）≈ 李（li3）");
}

TEST_F(SoundRules, CompoundFamilyNameCountsEachOfItsSyllables) {
    EXPECT_EQ(rulesOf(m_checker.warnings(name(2, {"尉:yu4", "迟:chi2", "驰:chi2"}))),
              std::vector{SoundRule::SameAsFamily});
}

TEST_F(SoundRules, OrdinaryNamesPass) {
    for (const auto& n : {name(1, {"王:wang2", "思:si1", "远:yuan3"}), name(1, {"李:li3", "明:ming2"}),
                          name(1, {"陈:chen2", "嘉:jia1", "怡:yi2"}), name(2, {"欧:ou1", "阳:yang2", "修:xiu1"})}) {
        EXPECT_TRUE(m_checker.warnings(n).empty()) << n[0].character << n[1].character;
    }
}

TEST_F(SoundRules, UnknownSyllableTakesPartInNoRule) {
    EXPECT_TRUE(m_checker.warnings(name(1, {"范:fan4", "?:"})).empty());
    EXPECT_TRUE(m_checker.warnings({}).empty());
}

TEST_F(SoundRules, LongerMatchHidesTheShorterInsideIt) {
    SoundChecker checker(
        {word("肚子疼", "dù zi téng", {"du4", "zi5", "teng2"}), word("肚子", "dù zi", {"du4", "zi5"})});
    EXPECT_EQ(checker.warnings(name(1, {"杜:du4", "子:zi3", "腾:teng2"})).size(), 1U);
}

TEST_F(SoundRules, FastCheckAgreesWithTheFullOneOnEveryCombination) {
    // Every name of one family syllable and two given syllables drawn from a small set that trips each rule.
    const std::vector<std::string> pool{"fan4",  "tong3",  "tong1", "li3", "li4", "xiao3", "xue3", "fang1",
                                        "yang2", "zhang1", "shi4",  "pi4", "gu3", "yu3",   "ming2"};
    SoundChecker checker(testWords());
    std::vector<SoundChecker::Unit> units;
    for (const auto& f : pool) {
        for (std::size_t a = 0; a < pool.size(); ++a) {
            for (std::size_t b = 0; b < pool.size(); ++b) {
                const auto n = name(1, {"姓:" + f, "甲:" + pool[a], (a == b ? "甲:" : "乙:") + pool[b]});
                units = {checker.unitOf(n[0].syllable, U'姓'), checker.unitOf(n[1].syllable, U'甲'),
                         checker.unitOf(n[2].syllable, a == b ? U'甲' : U'乙')};
                EXPECT_EQ(checker.hasWarning(units, 1), !checker.warnings(n).empty())
                    << f << " " << pool[a] << " " << pool[b];
            }
        }
    }
}

} // namespace
} // namespace namewright
