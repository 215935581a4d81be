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

/// A word of the list; `otherTones`: heard with one syllable in another tone too (近音).
UnfortunateWord word(std::string text, std::string pinyin, std::vector<std::string> numbered, bool otherTones = false) {
    UnfortunateWord w{std::move(text), std::move(pinyin), {}, "可笑", "test", otherTones};
    for (const auto& n : numbered) {
        w.syllables.push_back(syllableOf(n));
    }
    return w;
}

std::vector<UnfortunateWord> testWords() {
    return {word("饭桶", "fàn tǒng", {"fan4", "tong3"}, true), word("肚子疼", "dù zi téng", {"du4", "zi5", "teng2"}),
            word("逝世", "shì shì", {"shi4", "shi4"}), word("屁股", "pì gu", {"pi4", "gu5"}, true)};
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

/// The words the two word rules heard, in order (the tone, initial, final and family rules left aside).
std::vector<std::string> wordsHeard(const std::vector<SoundWarning>& warnings) {
    std::vector<std::string> words;
    for (const auto& w : warnings) {
        if (w.rule == SoundRule::SoundsLikeWord || w.rule == SoundRule::SoundsLikeWordInOtherTones) {
            words.push_back(w.soundsLike);
        }
    }
    return words;
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

TEST_F(SoundRules, OneSyllableInAnotherToneIsHeardForAWordMarkedSo) {
    const auto warnings = m_checker.warnings(name(1, {"范:fan4", "通:tong1"}));
    ASSERT_EQ(rulesOf(warnings), std::vector{SoundRule::SoundsLikeWordInOtherTones});
    EXPECT_EQ(warnings[0].soundsLike, "饭桶");
    EXPECT_EQ(warnings[0].text, "近音：范通 ≈ 饭桶（fan4 tong1 / fàn tǒng，声调不同，可笑）");
    // Either syllable may be the one in another tone, a name syllable in the neutral tone too.
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"樊:fan2", "统:tong3"}))),
              std::vector{SoundRule::SoundsLikeWordInOtherTones});
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"范:fan4", "统:tong5"}))),
              std::vector{SoundRule::SoundsLikeWordInOtherTones});
}

TEST_F(SoundRules, TwoSyllablesInOtherTonesNeverWarn) {
    EXPECT_TRUE(m_checker.warnings(name(1, {"樊:fan2", "通:tong1"})).empty());
    EXPECT_TRUE(m_checker.warnings(name(1, {"凡:fan2", "同:tong2"})).empty());
}

TEST_F(SoundRules, UnmarkedWordIsHeardOnlyWithItsOwnTones) {
    // 逝世 is not marked: 史诗 shǐ shī and 石室 shí shì are not heard as it, 是事 shì shì is.
    EXPECT_TRUE(wordsHeard(m_checker.warnings(name(1, {"王:wang2", "史:shi3", "诗:shi1"}))).empty());
    EXPECT_TRUE(wordsHeard(m_checker.warnings(name(1, {"石:shi2", "室:shi4"}))).empty());
    EXPECT_EQ(wordsHeard(m_checker.warnings(name(1, {"王:wang2", "是:shi4", "事:shi4"}))),
              std::vector<std::string>{"逝世"});
}

TEST(SoundRulesOfMarking, WellKnownNamesNearOnlyInOtherTonesPass) {
    // Words as the shipped list holds them: ominous, but not teased in other tones (同调).
    const SoundChecker checker({word("死期", "sǐ qī", {"si3", "qi1"}), word("死光", "sǐ guāng", {"si3", "guang1"}),
                                word("失意", "shī yì", {"shi1", "yi4"}), word("瘟疫", "wēn yì", {"wen1", "yi4"}),
                                word("白事", "bái shì", {"bai2", "shi4"})});
    for (const auto& n : {name(1, {"王:wang2", "思:si1", "齐:qi2"}), name(1, {"李:li3", "四:si4", "光:guang1"}),
                          name(1, {"施:shi1", "一:yi1", "公:gong1"}), name(1, {"闻:wen2", "一:yi1", "多:duo1"}),
                          name(1, {"齐:qi2", "白:bai2", "石:shi2"})}) {
        EXPECT_TRUE(wordsHeard(checker.warnings(n)).empty()) << n[0].character << n[1].character << n[2].character;
    }
    // With the same tones they are heard.
    EXPECT_EQ(wordsHeard(checker.warnings(name(1, {"施:shi1", "逸:yi4"}))), std::vector<std::string>{"失意"});
    // Marked, 死期 is heard in 思期 (one tone off) but still not in 思齐 (both off).
    const SoundChecker marked({word("死期", "sǐ qī", {"si3", "qi1"}, true)});
    const auto near = marked.warnings(name(1, {"王:wang2", "思:si1", "期:qi1"}));
    EXPECT_EQ(wordsHeard(near), std::vector<std::string>{"死期"});
    EXPECT_EQ(near.back().rule, SoundRule::SoundsLikeWordInOtherTones);
    EXPECT_TRUE(wordsHeard(marked.warnings(name(1, {"王:wang2", "思:si1", "齐:qi2"}))).empty());
}

TEST(SoundRulesOfPlaces, PlaceIsHeardOnlyAsTheWholeNameOrTheWholeGivenName) {
    auto city = [](std::string text, std::string pinyin, std::vector<std::string> numbered) {
        auto w = word(std::move(text), std::move(pinyin), std::move(numbered));
        w.kind = "地名";
        return w;
    };
    const SoundChecker checker({city("沈阳", "shěn yáng", {"shen3", "yang2"}),
                                city("益阳", "yì yáng", {"yi4", "yang2"}), city("菏泽", "hé zé", {"he2", "ze2"})});
    const auto whole = checker.warnings(name(1, {"沈:shen3", "阳:yang2"}));
    ASSERT_EQ(wordsHeard(whole), std::vector<std::string>{"沈阳"});
    EXPECT_EQ(whole.back().text, "谐音：沈阳 ≈ 沈阳（shěn yáng，地名）");
    EXPECT_EQ(wordsHeard(checker.warnings(name(1, {"王:wang2", "益:yi4", "阳:yang2"}))),
              std::vector<std::string>{"益阳"});
    EXPECT_TRUE(wordsHeard(checker.warnings(name(1, {"沈:shen3", "阳:yang2", "明:ming2"}))).empty());
    EXPECT_TRUE(wordsHeard(checker.warnings(name(1, {"何:he2", "泽:ze2", "慧:hui4"}))).empty());
    EXPECT_TRUE(wordsHeard(checker.warnings(name(1, {"易:yi4", "烊:yang2", "千:qian1", "玺:xi3"}))).empty());
    // With one tone off a place is not heard, whatever its mark.
    EXPECT_TRUE(wordsHeard(checker.warnings(name(1, {"申:shen1", "阳:yang2"}))).empty());
}

TEST_F(SoundRules, NeutralSyllableOfAMarkedWordDoesNotCountAsTheOneInAnotherTone) {
    // 屁股 pì gu: gu matches any tone, so 皮古 pí gǔ has one syllable off and 皮鼓 with 姑 still one.
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"王:wang2", "皮:pi2", "古:gu3"}))),
              std::vector{SoundRule::SoundsLikeWordInOtherTones});
    EXPECT_EQ(rulesOf(m_checker.warnings(name(1, {"王:wang2", "屁:pi4", "姑:gu1"}))),
              std::vector{SoundRule::SoundsLikeWord});
}

TEST(SoundRulesOfMarking, LongerMarkedWordAllowsOneSyllableOff) {
    const SoundChecker checker({word("肚子疼", "dù zi téng", {"du4", "zi5", "teng2"}, true)});
    EXPECT_EQ(rulesOf(checker.warnings(name(1, {"杜:du4", "子:zi3", "腾:teng1"}))),
              std::vector{SoundRule::SoundsLikeWordInOtherTones});
    EXPECT_TRUE(checker.warnings(name(1, {"涂:du2", "子:zi3", "腾:teng1"})).empty());
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
    const std::vector<std::string> pool{"fan4",  "fan2",   "tong3", "tong1", "li3", "li4", "xiao3", "xue3", "fang1",
                                        "yang2", "zhang1", "shi4",  "pi4",   "pi2", "gu3", "yu3",   "ming2"};
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
