#include "naming/GenerationModes.h"
#include "naming/NameScoring.h"
#include "support/GenerationFixture.h"
#include "support/ShapedTables.h"
#include "support/WaitUntil.h"
#include "text/GbkText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <ostream>
#include <set>
#include <thread>

namespace namewright {
namespace {

using testing::fillGenerationTables;
using testing::referenceScore;
using testing::TempDatabase;

/// The rows of two gender marks together, in ascending `ID`.
std::vector<CandidateRow> rowsOfGenders(std::vector<CandidateRow> rows, const std::vector<CandidateRow>& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return rows;
}

ResultRowCells cellsOf(const testing::ReferenceName& name, int score) {
    return ResultRowCells{name.name,
                          std::to_string(score),
                          std::to_string(name.heaven),
                          std::to_string(name.person),
                          std::to_string(name.earth),
                          std::to_string(name.outer),
                          std::to_string(name.total),
                          name.key,
                          name.elements};
}

/// One worker's surroundings, without threads: the tests call the modes directly.
class ModeHarness {
public:
    explicit ModeHarness(int word1Count = 60, int word2Count = 40) {
        fillGenerationTables(m_file, word1Count, word2Count);
        db = m_file.open();
        luck = LuckTables::load(db);
        series = state.beginSeries();
        store.clear(series);
    }

    GenerationContext context() {
        return GenerationContext{db, luck, inputs, state, store, random, stop.get_token(), series};
    }

    void setInputs(const std::function<void(GenerationInputs&)>& change) {
        GenerationInputs next = inputs.snapshot();
        change(next);
        inputs.publish(next);
    }

    std::vector<ResultRowCells> listed() const {
        std::vector<ResultRowCells> rows;
        for (std::size_t i = 0; i < store.rowCount(); ++i) {
            rows.push_back(store.rowCells(i));
        }
        return rows;
    }

    /// What per-candidate queries list for the single-character mode.
    std::vector<ResultRowCells> expectedSingle(const std::string& familyText, int mark, const std::string& excluded,
                                               int threshold) {
        std::vector<ResultRowCells> rows;
        for (const auto& row : db.word1After(mark, excluded)) {
            const auto name = referenceScore(db, familyText, familyText.substr(0, 3), row.character, "");
            if (name.score >= threshold) {
                rows.push_back(cellsOf(name, name.score));
            }
        }
        return rows;
    }

    TempDatabase m_file;
    NamingDatabase db;
    LuckTables luck;
    InputsChannel inputs;
    RunState state;
    ResultStore store;
    RandomSource random{20261208};
    std::uint32_t series = 0;
    std::stop_source stop;
};

TEST(ScoreThreshold, IsTheTypedValueOnlyWhenCheckedAndAbove75) {
    EXPECT_EQ(scoreThreshold(false, "95"), 80);
    EXPECT_EQ(scoreThreshold(true, "75"), 80);
    EXPECT_EQ(scoreThreshold(true, "76"), 76);
    EXPECT_EQ(scoreThreshold(true, "96"), 96);
    EXPECT_EQ(scoreThreshold(true, ""), 80);
    EXPECT_EQ(scoreThreshold(true, "9x"), 80);
    EXPECT_EQ(scoreThreshold(true, "-90"), 80);
    EXPECT_EQ(scoreThreshold(true, "100"), 100);
}

TEST(InputTexts, EveryTextOfTheBoxesHasAMeaning) {
    EXPECT_EQ(genderOfText("男"), Gender::Male);
    EXPECT_EQ(genderOfText("女"), Gender::Female);
    EXPECT_EQ(genderOfText(""), Gender::Female) << "any text other than 男 leaves out 男 rows, draws 女 rows";
    EXPECT_EQ(genderOfText("男 "), Gender::Female);
    EXPECT_EQ(genderText(Gender::Male), "男");
    EXPECT_EQ(genderText(Gender::Female), "女");
    EXPECT_EQ(nameLengthOfText("单字"), NameLength::Single);
    EXPECT_EQ(nameLengthOfText("双字"), NameLength::Double);
    EXPECT_EQ(nameLengthOfText("三字"), NameLength::Double) << "any other text runs the random mode";
    EXPECT_EQ(fixedPositionOfText("二"), FixedPosition::Second);
    EXPECT_EQ(fixedPositionOfText("三"), FixedPosition::Third);
    EXPECT_EQ(fixedPositionOfText("四"), FixedPosition::Neither);
    EXPECT_EQ(fixedPositionOfText(""), FixedPosition::Neither);
}

TEST(SingleCharacterMode, ListsExactlyWhatPerCandidateQueriesList) {
    ModeHarness h;
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    auto context = h.context();
    runSingleCharacterMode(context, "李", Gender::Male);
    const auto expected = h.expectedSingle("李", 1, "女", 76);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(h.listed(), expected);
    EXPECT_EQ(h.state.resumeMark(SequentialMode::SingleCharacter, h.series), h.db.word1After(1, "女").back().id)
        << "the mark is the ID of the last row taken up";
}

TEST(FixedCharacterModeThreshold, ThresholdsBelow76CountAs80) {
    const auto scores = [](const char* threshold) {
        ModeHarness h;
        h.setInputs([&](GenerationInputs& in) {
            in.ownThreshold = true;
            in.thresholdText = threshold;
        });
        auto context = h.context();
        runFixedCharacterMode(context, "李", Gender::Male, FixedPosition::Second, "安");
        std::multiset<int> listed;
        for (const auto& row : h.listed()) {
            listed.insert(std::stoi(row[ResultColumn::Score]));
        }
        return listed;
    };
    const auto at75 = scores("75");
    const auto at76 = scores("76");
    ASSERT_FALSE(at75.empty());
    EXPECT_GE(*at75.begin(), 80);
    EXPECT_LT(*at76.begin(), 80) << "the fixture has names scoring 76 to 79";
    EXPECT_EQ(at76.size(), at75.size() + at76.count(76) + at76.count(77) + at76.count(78) + at76.count(79));
}

TEST(SingleCharacterMode, NeverListsAnythingFromThreshold96) {
    ModeHarness h;
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "96";
    });
    auto context = h.context();
    runSingleCharacterMode(context, "李", Gender::Male);
    EXPECT_EQ(h.store.rowCount(), 0U);
}

TEST(SingleCharacterMode, ExcludesTheOtherGenderAndKeepsNeutralRows) {
    ModeHarness h;
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    auto context = h.context();
    runSingleCharacterMode(context, "李", Gender::Female);
    EXPECT_EQ(h.listed(), h.expectedSingle("李", 1, "男", 76));
}

TEST(SingleCharacterMode, CarriesOnAfterTheResumeMark) {
    ModeHarness h;
    h.state.setResumeMark(SequentialMode::SingleCharacter, h.series, 30);
    auto context = h.context();
    runSingleCharacterMode(context, "李", Gender::Male);
    EXPECT_EQ(h.listed(), h.expectedSingle("李", 30, "女", 80));
}

TEST(SingleCharacterMode, ShowsAWholeTwoCharacterFamilyTextButScoresItsFirstCharacter) {
    ModeHarness h;
    h.setInputs([](GenerationInputs& in) { in.familyText = "欧阳"; });
    auto context = h.context();
    runSingleCharacterMode(context, "欧", Gender::Male);
    const auto rows = h.listed();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows, h.expectedSingle("欧阳", 1, "女", 80));
    EXPECT_EQ(rows[0][ResultColumn::Name].substr(0, 6), "欧阳");
}

TEST(SingleCharacterMode, DoesNothingWhenStoppedOrSuperseded) {
    ModeHarness stopped;
    stopped.state.setStopFlag(1);
    auto context = stopped.context();
    runSingleCharacterMode(context, "李", Gender::Male);
    EXPECT_EQ(stopped.store.rowCount(), 0U);
    EXPECT_EQ(stopped.state.resumeMark(SequentialMode::SingleCharacter, stopped.series), 1);

    ModeHarness superseded;
    auto stale = superseded.context();
    superseded.stop.request_stop();
    runSingleCharacterMode(stale, "李", Gender::Male);
    EXPECT_EQ(superseded.store.rowCount(), 0U);
}

TEST(SingleCharacterMode, AnEmptyCandidateTableEndsAtOnce) {
    ModeHarness h(0, 0);
    auto context = h.context();
    runSingleCharacterMode(context, "李", Gender::Male);
    EXPECT_EQ(h.store.rowCount(), 0U);
}

struct FixedCase {
    const char* position;
    const char* threshold;
};

void PrintTo(const FixedCase& c, std::ostream* out) {
    *out << "position " << c.position << ", threshold " << c.threshold;
}

class FixedCharacterMode : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedCharacterMode, PairsTheTypedCharacterWithEveryCandidate) {
    const FixedCase c = GetParam();
    ModeHarness h;
    h.setInputs([&](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = c.threshold;
    });
    const bool second = std::string(c.position) == "二";
    auto context = h.context();
    runFixedCharacterMode(context, "李", Gender::Male, second ? FixedPosition::Second : FixedPosition::Third, "安");

    const int threshold = scoreThreshold(true, c.threshold);
    std::vector<ResultRowCells> expected;
    for (const auto& row : h.db.word1After(1, "女")) {
        const auto name = second ? referenceScore(h.db, "李", "李", "安", row.character)
                                 : referenceScore(h.db, "李", "李", row.character, "安");
        const int score = threshold > 95 && name.score > 95 ? 100 : name.score;
        if (score >= threshold) {
            expected.push_back(cellsOf(name, score));
        }
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(h.listed(), expected);
}

INSTANTIATE_TEST_SUITE_P(PositionsAndThresholds, FixedCharacterMode,
                         ::testing::Values(FixedCase{"二", "76"}, FixedCase{"三", "76"}, FixedCase{"二", "95"},
                                           FixedCase{"三", "96"}, FixedCase{"二", "98"}),
                         [](const ::testing::TestParamInfo<FixedCase>& param) {
                             return std::string(std::string(param.param.position) == "二" ? "Second" : "Third") + "At" +
                                    param.param.threshold;
                         });

TEST(FixedCharacterModeCap, Lists96And98AsTheyAreAt95AndAs100At96) {
    ModeHarness h;
    std::map<int, int> scoresAt95;
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "95";
    });
    auto context = h.context();
    runFixedCharacterMode(context, "李", Gender::Male, FixedPosition::Second, "安");
    for (const auto& row : h.listed()) {
        ++scoresAt95[std::stoi(row[ResultColumn::Score])];
    }
    ASSERT_GT(scoresAt95[96] + scoresAt95[98], 0) << "the fixture has names scoring 96 or 98";

    ModeHarness capped;
    capped.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "96";
    });
    auto cappedContext = capped.context();
    runFixedCharacterMode(cappedContext, "李", Gender::Male, FixedPosition::Second, "安");
    for (const auto& row : capped.listed()) {
        EXPECT_EQ(row[ResultColumn::Score], "100");
    }
    EXPECT_EQ(capped.store.rowCount(), static_cast<std::size_t>(scoresAt95[96] + scoresAt95[98] + scoresAt95[100]));
}

TEST(FixedCharacterModeNeither, APositionThatIsNeitherListsNothing) {
    ModeHarness h;
    auto context = h.context();
    runFixedCharacterMode(context, "李", Gender::Male, FixedPosition::Neither, "安");
    EXPECT_EQ(h.store.rowCount(), 0U);
    EXPECT_EQ(h.state.resumeMark(SequentialMode::FixedCharacter, h.series), 1);
}

TEST(FixedCharacterModeMissing, AFixedCharacterNotInTheDictionaryCountsAsEmpty) {
    ModeHarness h;
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    auto context = h.context();
    runFixedCharacterMode(context, "李", Gender::Male, FixedPosition::Second, "'");
    std::vector<ResultRowCells> expected;
    for (const auto& row : h.db.word1After(1, "女")) {
        const auto name = referenceScore(h.db, "李", "李", "'", row.character);
        if (name.score >= 76) {
            expected.push_back(cellsOf(name, name.score));
        }
    }
    EXPECT_EQ(h.listed(), expected);
}

TEST(RandomMode, DrawsNTimesNPairsOfTheChosenGender) {
    ModeHarness h(30, 20);
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    auto context = h.context();
    runRandomMode(context, "李", genderOfText("")); // a gender text other than 男 draws 女 rows (and neutral ones)

    // Replaying the same draws with per-candidate queries gives the same rows. The fixture marks every third row 中.
    RandomSource replay{20261208};
    const auto firsts = rowsOfGenders(h.db.word1OfGender("女"), h.db.word1OfGender("中"));
    const auto seconds = rowsOfGenders(h.db.word2OfGender("女"), h.db.word2OfGender("中"));
    ASSERT_EQ(firsts.size(), 20U);
    std::vector<ResultRowCells> expected;
    for (std::size_t draw = 0; draw < firsts.size() * firsts.size(); ++draw) {
        const auto& first = firsts[replay.uniformIndex(firsts.size())];
        const auto& second = seconds[replay.uniformIndex(seconds.size())];
        const auto name = referenceScore(h.db, "李", "李", first.character, second.character);
        if (name.score >= 76) {
            expected.push_back(cellsOf(name, name.score));
        }
    }
    EXPECT_EQ(h.listed(), expected);
}

/// A database whose every pair scores 100 (every luck word 吉), so that every draw is listed, with the given `word1`
/// and `word2` rows ("(ID, 'zi', bh, 'yongtu', xb), ...").
void fillEveryDrawListed(TempDatabase& file, const std::string& word1Rows, const std::string& word2Rows) {
    std::string sql = "INSERT INTO word VALUES ('李', 7, '火');";
    for (int n = 1; n <= 81; ++n) {
        sql += "INSERT INTO sl VALUES ('" + std::to_string(n) + "', '吉', '', '', '', '', '');";
    }
    for (int index = 0; index < 125; ++index) {
        sql += "INSERT INTO \"3cai\" VALUES (" + std::to_string(index + 1) + ", '" + threeTalentsKey(index) +
               "', '', '吉');";
    }
    file.exec(sql + "INSERT INTO word1 VALUES " + word1Rows + "; INSERT INTO word2 VALUES " + word2Rows + ";");
}

struct RandomRun {
    std::vector<ResultRowCells> rows;
    std::size_t draws = 0;
};

RandomRun runRandomOnce(TempDatabase& file, Gender gender, std::uint64_t seed) {
    NamingDatabase db = file.open();
    const LuckTables luck = LuckTables::load(db);
    InputsChannel inputs;
    RunState state;
    ResultStore store;
    RandomSource random{seed};
    const auto series = state.beginSeries();
    store.clear(series);
    GenerationContext context{db, luck, inputs, state, store, random, {}, series};
    runRandomMode(context, "李", gender);
    RandomRun run;
    for (std::size_t i = 0; i < store.rowCount(); ++i) {
        run.rows.push_back(store.rowCells(i));
    }
    run.draws = store.rowCount();
    return run;
}

TEST(RandomModeNeutralRows, EveryDrawnRowIsOfTheChosenGenderOrOfNeither) {
    TempDatabase file;
    // 中 is the shipped neutral mark; any text other than 男 and 女 (the empty one too) counts as neither. NULL rows
    // are no candidates, as in the sequential modes.
    fillEveryDrawListed(file,
                        "(1,'男',1,'木','男'), (2,'女',2,'木','女'), (3,'中',3,'木','中'), (4,'空',4,'木',''),"
                        "(5,'无',5,'木',NULL), (6,'他',6,'木','other')",
                        "(1,'甲',1,'水','女'), (2,'乙',2,'水','男'), (3,'丙',3,'水','中'), (4,'丁',4,'水',NULL)");
    const RandomRun boys = runRandomOnce(file, Gender::Male, 5);
    ASSERT_EQ(boys.draws, 16U) << "N = 4: the 男 row and three neutral ones, N x N draws, every one listed";
    std::set<std::string> firsts;
    std::set<std::string> seconds;
    for (const auto& row : boys.rows) {
        const std::string& name = row[ResultColumn::Name];
        firsts.insert(name.substr(3, 3));
        seconds.insert(name.substr(6));
    }
    for (const auto& first : firsts) {
        EXPECT_TRUE(first == "男" || first == "中" || first == "空" || first == "他") << first;
    }
    for (const auto& second : seconds) {
        EXPECT_TRUE(second == "乙" || second == "丙") << second;
    }
    EXPECT_TRUE(firsts.size() > 1 && seconds.count("丙") == 1) << "neutral rows are drawn";

    const RandomRun girls = runRandomOnce(file, Gender::Female, 5);
    ASSERT_EQ(girls.draws, 16U);
    for (const auto& row : girls.rows) {
        const std::string& name = row[ResultColumn::Name];
        EXPECT_NE(name.substr(3, 3), "男");
        EXPECT_NE(name.substr(3, 3), "无");
        EXPECT_NE(name.substr(6), "乙");
        EXPECT_NE(name.substr(6), "丁");
    }
}

TEST(RandomModeNeutralRows, WithOnlyMaleAndFemaleMarksTheDrawsAreThoseOfTheGenderAlone) {
    TempDatabase file;
    fillEveryDrawListed(file, "(1,'一',1,'土','男'), (2,'二',2,'土','女'), (3,'三',3,'土','男'), (4,'四',4,'土','男')",
                        "(1,'甲',1,'木','男'), (2,'乙',2,'木','女'), (3,'丙',3,'木','男')");
    const RandomRun run = runRandomOnce(file, Gender::Male, 42);

    // The draws of the same seed from the gender's rows alone, as the random mode drew before neutral rows took part.
    NamingDatabase db = file.open();
    const auto firsts = db.word1OfGender("男");
    const auto seconds = db.word2OfGender("男");
    RandomSource replay{42};
    std::vector<std::string> expected;
    for (std::size_t draw = 0; draw < firsts.size() * firsts.size(); ++draw) {
        const auto& first = firsts[replay.uniformIndex(firsts.size())];
        const auto& second = seconds[replay.uniformIndex(seconds.size())];
        expected.push_back("李" + first.character + second.character);
    }
    std::vector<std::string> names;
    for (const auto& row : run.rows) {
        names.push_back(row[ResultColumn::Name]);
    }
    EXPECT_EQ(names, expected);
}

TEST(RandomMode, AnEmptySecondTableGivesNamesWithoutASecondCharacter) {
    ModeHarness h(9, 0);
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    auto context = h.context();
    runRandomMode(context, "李", Gender::Male);
    for (const auto& row : h.listed()) {
        EXPECT_EQ(characterCount(row[ResultColumn::Name]), 2U) << "李 and one given character";
        EXPECT_EQ(row[ResultColumn::Outer], "1") << "the outer grid of a missing second character is 0 + 1";
    }
}

/// Candidates whose stroke counts run through `strokes` in turn.
std::vector<CandidateRow> candidatesWithStrokes(const std::vector<int>& strokes, std::size_t count, int firstId) {
    std::vector<CandidateRow> rows;
    for (std::size_t i = 0; i < count; ++i) {
        rows.push_back(CandidateRow{firstId + static_cast<int>(i), "字" + std::to_string(i),
                                    strokes[i % strokes.size()], i % 2 == 0 ? "木" : "水", "男"});
    }
    return rows;
}

/// The draws replayed one by one and scored from their grids: what the random loop must list, as (first strokes,
/// second strokes, score) of each listed row.
std::vector<std::array<int, 3>> replayedDraws(const LuckTables& luck, int familyStrokes,
                                              const std::vector<CandidateRow>& firsts,
                                              const std::vector<CandidateRow>& seconds, std::uint64_t draws,
                                              std::uint64_t seed, int threshold) {
    RandomSource replay{seed};
    std::vector<std::array<int, 3>> listed;
    for (std::uint64_t draw = 0; draw < draws; ++draw) {
        const int first = firsts[replay.uniformIndex(firsts.size())].strokes;
        const int second = seconds[replay.uniformIndex(seconds.size())].strokes;
        const int score = scoreTwoCharacters(gridNumbers(familyStrokes, first, second), luck);
        if (score >= threshold) {
            listed.push_back({first, second, score});
        }
    }
    return listed;
}

TEST(RandomModeScores, EveryDrawScoresAsItsGridsWithFewOrManyDistinctStrokeCounts) {
    // Few distinct counts (the scores come from a table of stroke pairs), among them counts of a foreign database:
    // negative and beyond the luck table's direct numbers. Then counts too many for a table (scored draw by draw).
    std::vector<int> many;
    for (int strokes = -20; strokes < 400; ++strokes) {
        many.push_back(strokes);
    }
    const std::vector<std::vector<int>> strokeSets{{1, 5, 9, 12, 17}, {-3, 0, 8, 1500, 23}, many};
    for (const auto& strokes : strokeSets) {
        ModeHarness h(1, 1);
        h.luck = testing::shapedLuckTables();
        h.setInputs([](GenerationInputs& in) {
            in.ownThreshold = true;
            in.thresholdText = "76";
        });
        const auto firsts = candidatesWithStrokes(strokes, strokes.size() + 3, 1);
        std::vector<int> reversed(strokes.rbegin(), strokes.rend());
        const auto seconds = candidatesWithStrokes(reversed, strokes.size() + 1, 1000);
        constexpr std::uint64_t kDraws = 20'000;
        auto context = h.context();
        generateRandomNames(context, WordRow{"李", 7, "火"}, firsts, seconds, kDraws);

        std::vector<std::array<int, 3>> listed;
        for (std::size_t i = 0; i < h.store.rowCount(); ++i) {
            const StoredName& row = h.store.row(i);
            listed.push_back({row.firstStrokes, row.secondStrokes, row.score});
        }
        const auto expected = replayedDraws(h.luck, 7, firsts, seconds, kDraws, 20261208, 76);
        EXPECT_GT(expected.size(), 100U) << "the luck tables list a share of the draws";
        EXPECT_TRUE(listed == expected) << strokes.size() << " distinct stroke counts";
    }
}

TEST(RandomMode, PairsAreUniformlyDistributed) {
    // All lucks 吉: every pair scores 100 and is listed, so the store holds every draw.
    TempDatabase file;
    std::string sql = "INSERT INTO word VALUES ('李', 7, '火');";
    for (int n = 1; n <= 81; ++n) {
        sql += "INSERT INTO sl VALUES ('" + std::to_string(n) + "', '吉', '', '', '', '', '');";
    }
    for (int index = 0; index < 125; ++index) {
        sql += "INSERT INTO \"3cai\" VALUES (" + std::to_string(index + 1) + ", '" + threeTalentsKey(index) +
               "', '', '吉');";
    }
    sql += "INSERT INTO word1 VALUES (1,'一',1,'土','男'), (2,'二',2,'土','男'), (3,'三',3,'土','男'),"
           "(4,'四',4,'土','女');"
           "INSERT INTO word2 VALUES (1,'甲',1,'木','男'), (2,'乙',2,'木','男'), (3,'丙',3,'木','男'),"
           "(4,'丁',4,'木','男'), (5,'戊',5,'木','女');";
    file.exec(sql);
    NamingDatabase db = file.open();
    const LuckTables luck = LuckTables::load(db);
    InputsChannel inputs;
    RunState state;
    ResultStore store;
    RandomSource random{99};
    const auto series = state.beginSeries();
    store.clear(series);
    GenerationContext context{db, luck, inputs, state, store, random, {}, series};

    constexpr int kRuns = 400; // 9 draws each
    for (int i = 0; i < kRuns; ++i) {
        runRandomMode(context, "李", Gender::Male);
    }
    ASSERT_EQ(store.rowCount(), static_cast<std::size_t>(kRuns * 9));
    std::map<std::string, int> counts;
    for (std::size_t i = 0; i < store.rowCount(); ++i) {
        ++counts[store.cellText(i, ResultColumn::Name)];
    }
    ASSERT_EQ(counts.size(), 12U) << "3 x 4 pairs of the gender, none of the other";
    const double expected = kRuns * 9 / 12.0;
    double chiSquare = 0;
    for (const auto& [pair, count] : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 31.26) << "chi-square with 11 degrees of freedom at p = 0.001";
}

TEST(GenerationInputsMidRun, AChangedFamilyTextAppliesToLaterCandidates) {
    ModeHarness h(2000, 50);
    h.setInputs([](GenerationInputs& in) {
        in.ownThreshold = true;
        in.thresholdText = "76";
    });
    bool editedInTime = false;
    std::thread editor([&] {
        // The stop flag is set whatever happens, so that a run that lists too little still ends.
        editedInTime = testing::waitUntil([&] { return h.store.rowCount() >= 100; }, testing::kWaitDeadline, {});
        h.setInputs([](GenerationInputs& in) { in.familyText = "李四"; });
        // Listed rows reach the store in batches of up to 256, so up to 255 rows listed before the change may
        // still arrive after it: wait past them for at least 100 rows of the new family.
        const std::size_t seen = h.store.rowCount();
        editedInTime =
            testing::waitUntil([&] { return h.store.rowCount() >= seen + 256 + 100; }, testing::kWaitDeadline, {}) &&
            editedInTime;
        h.state.setStopFlag(1);
    });
    auto context = h.context();
    runRandomMode(context, "李", Gender::Male);
    editor.join();
    ASSERT_TRUE(editedInTime);

    const auto rows = h.listed();
    const auto firstNew = std::find_if(rows.begin(), rows.end(),
                                       [](const auto& row) { return row[ResultColumn::Name].starts_with("李四"); });
    ASSERT_NE(firstNew, rows.end());
    EXPECT_GT(firstNew - rows.begin(), 99);
    EXPECT_TRUE(
        std::all_of(firstNew, rows.end(), [](const auto& row) { return row[ResultColumn::Name].starts_with("李四"); }));
    EXPECT_LT(rows.size(), 2000U * 2000U) << "the stop flag ended the run";
}

} // namespace
} // namespace namewright
