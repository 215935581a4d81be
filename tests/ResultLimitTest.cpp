// The bound of the result store: rows past its limit are refused, a run that reaches it stops by itself, a worker
// whose memory runs out ends quietly, and namewright-cli generate stops with status 1 and says so.

#include "cli/CommandLine.h"
#include "naming/ResultStore.h"
#include "naming/RunController.h"
#include "support/BaziFixture.h"
#include "support/GenerationFixture.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace namewright {
namespace {

using testing::TempDatabase;

StoredName someName(ResultStore& store) {
    StoredName row;
    row.family = store.internFamily("李", 7);
    row.firstCharacter = store.texts().intern("明");
    row.elementText = store.texts().intern("火火");
    row.firstStrokes = 8;
    row.score = 90;
    return row;
}

TEST(ResultStoreLimit, KeepsRowsUpToItsLimitRefusesTheRestAndIsFullUntilCleared) {
    ResultStore store(5);
    store.clear(1);
    const std::vector<StoredName> three(3, someName(store));
    EXPECT_TRUE(store.append(1, three));
    EXPECT_FALSE(store.isFull());
    EXPECT_FALSE(store.append(1, three)) << "six rows would pass the limit of five";
    EXPECT_EQ(store.rowCount(), 5U) << "the two that fit are kept";
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(1, someName(store)));
    EXPECT_EQ(store.rowCount(), 5U);

    store.clear(2);
    EXPECT_FALSE(store.isFull());
    EXPECT_EQ(store.rowCount(), 0U);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(store.append(2, someName(store)));
    }
    EXPECT_FALSE(store.isFull()) << "exactly at the limit nothing was refused yet";
    EXPECT_FALSE(store.append(2, someName(store)));
    EXPECT_TRUE(store.isFull());
    EXPECT_EQ(store.rowCount(), 5U);
}

TEST(ResultStoreLimit, TheDefaultIsAnEighthOfTheMachinesMemoryWithinItsBounds) {
    const std::size_t memory =
        static_cast<std::size_t>(::sysconf(_SC_PHYS_PAGES)) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    // A row takes its 28 bytes and its share of the chunk's rounding up to 2 MiB.
    EXPECT_EQ(ResultStore::kBytesPerRow, 32U);
    const std::size_t expected = std::clamp<std::size_t>(memory / 8 / 32, 1U << 20, 1U << 25);
    EXPECT_EQ(ResultStore::defaultRowLimit(), expected);
    EXPECT_EQ(ResultStore().rowLimit(), expected);
    EXPECT_GT(ResultStore::defaultRowLimit(), 879'978U) << "the longest series of the shipped database fits";
}

class ResultLimitRun : public ::testing::Test {
protected:
    ResultLimitRun() {
        testing::fillGenerationTables(m_file, 3000, 400);
        testing::fillBazi(m_file);
        m_database = m_file.open();
        GenerationInputs inputs; // the random mode: 3000 x 3000 draws, far more names than the limit
        inputs.ownThreshold = true;
        inputs.thresholdText = "76";
        m_inputs.publish(inputs);
    }

    TempDatabase m_file;
    NamingDatabase m_database;
    InputsChannel m_inputs;
    RunState m_state;
};

TEST_F(ResultLimitRun, ARunStopsByItselfAtTheLimitAndContinuingListsNoMore) {
    ResultStore store(500);
    RunController controller(m_database, m_inputs, m_state, store, {}, RandomSource(3));
    controller.pressCompute();
    ASSERT_TRUE(testing::waitUntil([&] { return !controller.isGenerating(); }, testing::kWaitDeadline))
        << "the worker did not stop at the limit";
    EXPECT_TRUE(store.isFull());
    const std::size_t listed = store.rowCount();
    EXPECT_GT(listed, 0U);
    EXPECT_EQ(listed, 500U) << "a full store holds exactly its limit";
    EXPECT_EQ(m_state.stopFlag(), 0) << "the worker stopped by itself; pausing is the front end's to do";

    EXPECT_EQ(controller.pressCompute(), RunPhase::Paused);
    EXPECT_EQ(controller.pressCompute(), RunPhase::Running);
    controller.waitUntilIdle();
    EXPECT_EQ(store.rowCount(), listed);
    EXPECT_TRUE(store.isFull());
    // A new series starts with the store empty and no longer full.
    controller.pressStop();
    controller.waitUntilIdle();
    store.clear(m_state.beginSeries());
    EXPECT_FALSE(store.isFull());
}

TEST_F(ResultLimitRun, AWorkerWhoseMemoryRunsOutEndsQuietlyAndTheStoreIsFull) {
    // Before, a std::bad_alloc in a worker left its thread and ended the program (std::terminate).
    ResultStore store;
    RunController controller(
        m_database, m_inputs, m_state, store,
        [](NamingDatabase&, std::uint32_t, const BirthMomentTexts&) -> SeriesRecord { throw std::bad_alloc(); });
    controller.pressCompute();
    controller.waitUntilIdle();
    EXPECT_TRUE(store.isFull());
    EXPECT_EQ(store.rowCount(), 0U);
}

TEST_F(ResultLimitRun, GenerateStopsWithStatus1AndOneLineWithTheNamesItListed) {
    const std::vector<std::string> words{"generate", "--family", "李",         "--gender", "女", "--threshold",
                                         "76",       "--date",   "2011-01-01", "--hour",   "1"};
    for (const bool distinct : {false, true}) {
        std::vector<std::string> run = words;
        if (distinct) {
            run.emplace_back("--distinct");
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCommandLine(run, m_file.path(), out, err, cli::CommandLimits{300});
        EXPECT_EQ(status, 1) << err.str();
        const std::string printed = out.str();
        const auto lines = static_cast<std::size_t>(std::count(printed.begin(), printed.end(), '\n'));
        if (distinct) {
            EXPECT_GT(lines, 1U) << "the distinct names of the 300 listed";
            EXPECT_LE(lines, 301U);
        } else {
            EXPECT_EQ(lines, 301U) << "the header and the 300 names listed before the limit";
        }
        EXPECT_EQ(err.str(), "namewright-cli generate: the result store is full at 300 names, the most it keeps: the "
                             "run stopped there\n");
    }
}

} // namespace
} // namespace namewright
