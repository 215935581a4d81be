#include "naming/RunController.h"
#include "support/GenerationFixture.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <random>
#include <set>
#include <thread>

namespace namewright {
namespace {

using namespace std::chrono_literals;
using testing::fillGenerationTables;
using testing::referenceScore;
using testing::TempDatabase;
using testing::waitUntil;

/// A gate the chart step can wait at, so a test holds a worker at a known point.
class Gate {
public:
    void close() {
        const std::lock_guard lock(m_mutex);
        m_open = false;
    }
    void open() {
        {
            const std::lock_guard lock(m_mutex);
            m_open = true;
        }
        m_changed.notify_all();
    }
    void pass() {
        std::unique_lock lock(m_mutex);
        ++m_waiting;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_open; });
        --m_waiting;
    }
    void awaitWaiter() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_waiting > 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = true;
    int m_waiting = 0;
};

class RunControllerTest : public ::testing::Test {
protected:
    explicit RunControllerTest(int word1Count = 3000, int word2Count = 400) {
        fillGenerationTables(m_file, word1Count, word2Count);
        m_workerDb = m_file.open();
        m_checkDb = m_file.open();
        GenerationInputs inputs;
        inputs.nameLength = NameLength::Single;
        inputs.ownThreshold = true;
        inputs.thresholdText = "76";
        m_inputs.publish(inputs);
        m_controller = std::make_unique<RunController>(
            m_workerDb, m_inputs, m_state, m_store,
            [this](NamingDatabase&, std::uint32_t series, const BirthMomentTexts& moment) {
                {
                    const std::lock_guard lock(m_chartMutex);
                    m_chartCalls.push_back(moment);
                }
                m_gate.pass();
                return SeriesRecord{series, moment, {}, {}, 0};
            },
            RandomSource(5));
        m_state.setStopFlag(1); // as start-up does once the database is open
    }

    void change(const std::function<void(GenerationInputs&)>& edit) {
        GenerationInputs next = m_inputs.snapshot();
        edit(next);
        m_inputs.publish(next);
    }

    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < m_store.rowCount(); ++i) {
            names.push_back(m_store.cellText(i, ResultColumn::Name));
        }
        return names;
    }

    /// Every name a complete single-character series lists, by per-candidate queries.
    std::vector<std::string> expectedSingleNames() {
        std::vector<std::string> names;
        for (const auto& row : m_checkDb.word1After(1, "女")) {
            const auto name = referenceScore(m_checkDb, "李", "李", row.character, "");
            if (name.score >= 76) {
                names.push_back(name.name);
            }
        }
        return names;
    }

    /// Waits until `count` rows are listed or the run has ended.
    void waitForRows(std::size_t count) {
        ASSERT_TRUE(waitUntil([&] { return m_store.rowCount() >= count || !m_controller->isGenerating(); },
                              testing::kWaitDeadline));
    }

    std::size_t chartCalls() {
        const std::lock_guard lock(m_chartMutex);
        return m_chartCalls.size();
    }

    TempDatabase m_file;
    NamingDatabase m_workerDb;
    NamingDatabase m_checkDb;
    InputsChannel m_inputs;
    RunState m_state;
    ResultStore m_store;
    Gate m_gate;
    std::mutex m_chartMutex;
    std::vector<BirthMomentTexts> m_chartCalls;
    std::unique_ptr<RunController> m_controller;
};

TEST_F(RunControllerTest, PhasesFollowTheButtonTable) {
    change([](GenerationInputs& in) { in.fixCharacter = true; }); // no character typed: workers end at once
    EXPECT_EQ(m_controller->phase(), RunPhase::Idle);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    EXPECT_EQ(m_controller->phase(), RunPhase::Running);
    EXPECT_EQ(m_state.stopFlag(), 0);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Paused);
    EXPECT_EQ(m_state.stopFlag(), 1);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    EXPECT_EQ(m_state.stopFlag(), 0);
    EXPECT_EQ(m_controller->pressStop(), RunPhase::Idle);
    EXPECT_EQ(m_state.stopFlag(), 1);
    m_controller->waitUntilIdle();
}

TEST_F(RunControllerTest, AWholeRunAnalysesTheChartThenListsEveryName) {
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames());
    ASSERT_EQ(chartCalls(), 1U);
    EXPECT_EQ(m_chartCalls[0].year, "2011");
    // A finished run changes nothing: a press still pauses, and continuing finds nothing after the resume mark.
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Paused);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames());
}

TEST_F(RunControllerTest, TheRecordSaysWhereTheRowsOfItsMomentBegin) {
    change([](GenerationInputs& in) { in.nameLength = NameLength::Double; }); // random draws: no end of their own
    const auto runUntilPaused = [&](std::size_t moreRows) {
        const std::size_t target = m_store.rowCount() + moreRows;
        EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
        waitForRows(target);
        EXPECT_EQ(m_controller->pressCompute(), RunPhase::Paused);
        m_controller->waitUntilIdle();
        return m_controller->seriesRecord(m_state.currentSeries()).value_or(SeriesRecord{});
    };
    const BirthMomentTexts first = m_inputs.snapshot().moment;
    EXPECT_EQ(runUntilPaused(50).firstRow, 0U);
    EXPECT_EQ(runUntilPaused(50).firstRow, 0U) << "continuing with the same moment carries on its rows";

    // The date changed while paused: the rows of the new moment begin where the continued run began.
    change([](GenerationInputs& in) { in.moment.day = "2"; });
    const std::size_t changedAt = m_store.rowCount();
    SeriesRecord record = runUntilPaused(50);
    EXPECT_EQ(record.moment.day, "2");
    EXPECT_EQ(record.firstRow, changedAt);
    EXPECT_EQ(runUntilPaused(50).firstRow, changedAt);

    // Back to the first date: only the latest stretch of rows counts as that moment's.
    change([&](GenerationInputs& in) { in.moment = first; });
    const std::size_t backAt = m_store.rowCount();
    EXPECT_EQ(runUntilPaused(50).firstRow, backAt);

    // A new series starts at its row 0.
    m_controller->pressStop();
    change([](GenerationInputs& in) { in.moment.day = "3"; });
    EXPECT_EQ(runUntilPaused(50).firstRow, 0U);
}

class LongRunControllerTest : public RunControllerTest {
protected:
    LongRunControllerTest() : RunControllerTest(30000, 10) {}
};

TEST_F(LongRunControllerTest, PauseAndContinueListNoNameTwiceAndSkipNone) {
    const auto expected = expectedSingleNames();
    ASSERT_GT(expected.size(), 5000U);
    m_controller->pressCompute();
    for (std::size_t target : {50U, 1000U, 3000U}) {
        waitForRows(target);
        EXPECT_EQ(m_controller->pressCompute(), RunPhase::Paused);
        m_controller->waitUntilIdle();
        EXPECT_LT(m_store.rowCount(), expected.size()) << "the pause came before the end of the run";
        EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    }
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expected);
}

TEST_F(RunControllerTest, StopThenAnalyseStartsAgainFromTheFirstRow) {
    m_controller->pressCompute();
    waitForRows(100);
    EXPECT_EQ(m_controller->pressStop(), RunPhase::Idle);
    m_controller->waitUntilIdle();
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames());
}

TEST_F(RunControllerTest, AFixBoxWithoutACharacterGeneratesNothing) {
    change([](GenerationInputs& in) {
        in.fixCharacter = true;
        in.fixedCharacter = "";
    });
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_EQ(m_store.rowCount(), 0U);
    EXPECT_EQ(chartCalls(), 0U) << "the worker ends before analysing";

    change([](GenerationInputs& in) {
        in.fixedCharacter = "安";
        in.fixedPosition = FixedPosition::Neither;
    });
    m_controller->pressCompute(); // pause
    m_controller->pressCompute(); // and continue with the new inputs
    m_controller->waitUntilIdle();
    EXPECT_EQ(chartCalls(), 0U) << "a position other than 二 or 三 ends the worker too";
}

TEST_F(RunControllerTest, TheFixedModeIgnoresTheNameLengthBox) {
    change([](GenerationInputs& in) {
        in.fixCharacter = true;
        in.fixedCharacter = "安";
        in.fixedPosition = FixedPosition::Third;
    });
    m_controller->pressCompute();
    m_controller->waitUntilIdle();
    ASSERT_GT(m_store.rowCount(), 0U);
    EXPECT_TRUE(listedNames()[0].ends_with("安"));
}

TEST_F(RunControllerTest, AWorkerSupersededWhileHeldListsNothing) {
    m_gate.close();
    m_controller->pressCompute();
    m_gate.awaitWaiter(); // the first worker sits in its chart analysis, holding the generation lock
    m_controller->pressCompute();
    m_controller->pressCompute(); // the second worker waits for the lock
    m_gate.open();
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames()) << "only the second worker listed, each name once";
}

TEST_F(RunControllerTest, AnAnalyseWhileAWorkerIsHeldStartsACleanSeries) {
    m_controller->pressCompute();
    waitForRows(300);
    m_controller->pressCompute();
    m_controller->waitUntilIdle();
    m_gate.close();
    m_controller->pressCompute();
    m_gate.awaitWaiter();
    m_controller->pressStop();
    m_controller->pressCompute();
    m_gate.open();
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames());
}

TEST_F(RunControllerTest, ShutdownStopsARandomRunAndWaits) {
    change([](GenerationInputs& in) { in.nameLength = NameLength::Double; });
    m_controller->pressCompute();
    waitForRows(1000);
    EXPECT_TRUE(m_controller->isGenerating()) << "3000 x 3000 draws do not finish by themselves this soon";
    m_controller->shutdown();
    EXPECT_FALSE(m_controller->isGenerating());
    const std::size_t rows = m_store.rowCount();
    std::this_thread::sleep_for(5ms);
    EXPECT_EQ(m_store.rowCount(), rows);
}

TEST_F(RunControllerTest, RapidPressesFromOneThreadNeverCorruptTheResult) {
    change([](GenerationInputs& in) { in.nameLength = NameLength::Double; });
    std::mt19937 engine(11);
    RunPhase phase = RunPhase::Idle;
    for (int i = 0; i < 400; ++i) {
        if (engine() % 5 == 0) {
            phase = m_controller->pressStop();
        } else {
            phase = m_controller->pressCompute();
        }
        EXPECT_EQ(m_controller->phase(), phase);
        if (engine() % 3 == 0) {
            change(
                [&](GenerationInputs& in) { in.nameLength = engine() % 2 ? NameLength::Single : NameLength::Double; });
        }
        std::this_thread::sleep_for(std::chrono::microseconds(engine() % 300));
    }
    m_controller->pressStop();
    m_controller->waitUntilIdle();

    change([](GenerationInputs& in) { in.nameLength = NameLength::Single; });
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_EQ(listedNames(), expectedSingleNames());
}

TEST(RunControllerRecord, EachWorkerKeepsTheRecordOfItsSeries) {
    TempDatabase file;
    fillGenerationTables(file, 200, 50);
    NamingDatabase db = file.open();
    InputsChannel inputs;
    GenerationInputs typed;
    typed.nameLength = NameLength::Single;
    typed.moment = {"2024", "2", "4", "16", "40"}; // 立春 2024 at 16:27
    inputs.publish(typed);
    RunState state;
    ResultStore store;
    RunController controller(db, inputs, state, store);
    EXPECT_FALSE(controller.seriesRecord(state.currentSeries())) << "no worker has analysed";

    controller.pressCompute();
    controller.waitUntilIdle();
    const std::uint32_t first = state.currentSeries();
    const std::optional<SeriesRecord> record = controller.seriesRecord(first);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->series, first);
    EXPECT_EQ(record->moment, typed.moment);
    EXPECT_EQ(record->chart.fourPillars, "癸卯年 乙丑月 戊戌日 庚申时") << "the lunar new year 2024 is 10 February";
    ASSERT_TRUE(record->solarTerms.chart);
    EXPECT_EQ(record->solarTerms.minute, 40);
    EXPECT_EQ(pillarsLineText(record->solarTerms.chart->pillars.pillars), "甲辰 丙寅 戊戌 庚申");

    // Continuing reads the inputs again: the record follows the latest worker of the series.
    typed.moment.minute = "";
    inputs.publish(typed);
    controller.pressCompute();
    controller.pressCompute();
    controller.waitUntilIdle();
    ASSERT_TRUE(controller.seriesRecord(first));
    EXPECT_FALSE(controller.seriesRecord(first)->solarTerms.minuteFromBox);

    // A new series has no record until its worker analysed; the old one's is gone.
    controller.pressStop();
    controller.pressCompute();
    controller.waitUntilIdle();
    EXPECT_FALSE(controller.seriesRecord(first));
    EXPECT_TRUE(controller.seriesRecord(state.currentSeries()));
}

TEST(RunControllerShutdown, DestroyingTheControllerDuringARunIsSafe) {
    TempDatabase file;
    fillGenerationTables(file, 2000, 300);
    NamingDatabase db = file.open();
    InputsChannel inputs;
    RunState state;
    ResultStore store;
    {
        RunController controller(db, inputs, state, store);
        controller.pressCompute();
        ASSERT_TRUE(waitUntil([&] { return store.rowCount() >= 10; }, testing::kWaitDeadline));
    }
    EXPECT_EQ(state.stopFlag(), 1);
    db = NamingDatabase(); // only now may the worker connection close
}

} // namespace
} // namespace namewright
