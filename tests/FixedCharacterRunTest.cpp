// A run with a fixed character that the dictionary (table `word`) lacks: no name with it can be scored, so the
// worker ends at once, as for an empty character box, and lists nothing.

#include "naming/RunController.h"
#include "support/GenerationFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

namespace namewright {
namespace {

using testing::fillGenerationTables;
using testing::TempDatabase;

class FixedCharacterRunTest : public ::testing::Test {
protected:
    FixedCharacterRunTest() {
        fillGenerationTables(m_file, 200, 50);
        m_connection = m_file.open();
        m_controller = std::make_unique<RunController>(
            m_connection, m_inputs, m_state, m_store,
            [this](NamingDatabase&, std::uint32_t series, const BirthMomentTexts& moment) {
                ++m_chartCalls;
                return SeriesRecord{series, moment, {}, {}, 0};
            },
            RandomSource(7));
        m_state.setStopFlag(1);
    }

    /// Presses the stop button, then the compute button in its idle phase ("分析") with the fix box checked and
    /// `character` in the character box, and waits for the worker.
    RunPhase runWithFixed(const std::string& character, FixedPosition position = FixedPosition::Second) {
        GenerationInputs inputs;
        inputs.fixCharacter = true;
        inputs.fixedPosition = position;
        inputs.fixedCharacter = character;
        inputs.ownThreshold = true;
        inputs.thresholdText = "76";
        m_inputs.publish(inputs);
        m_controller->pressStop();
        const RunPhase phase = m_controller->pressCompute();
        m_controller->waitUntilIdle();
        return phase;
    }

    TempDatabase m_file;
    NamingDatabase m_connection;
    InputsChannel m_inputs;
    RunState m_state;
    ResultStore m_store;
    std::atomic<int> m_chartCalls{0};
    std::unique_ptr<RunController> m_controller;
};

TEST_F(FixedCharacterRunTest, ACharacterMissingFromTheDictionaryListsNothingAndSkipsTheChart) {
    // An ideograph beyond the dictionary, one outside the Basic Multilingual Plane, an emoji, an ASCII letter, a
    // quote (which also must not break a query), two ASCII letters filling the box's two bytes.
    for (const std::string character : {"鿏", "𠀀", "😀", "a", "'", "ab", " "}) {
        EXPECT_EQ(runWithFixed(character), RunPhase::Running) << character;
        EXPECT_EQ(m_store.rowCount(), 0U) << character;
        EXPECT_EQ(runWithFixed(character, FixedPosition::Third), RunPhase::Running) << character;
        EXPECT_EQ(m_store.rowCount(), 0U) << character;
    }
    EXPECT_EQ(m_chartCalls.load(), 0) << "the worker ends before the chart analysis, as for an empty box";
    EXPECT_FALSE(m_controller->isGenerating());
}

TEST_F(FixedCharacterRunTest, ACharacterOfTheDictionaryStillGivesTwoCharacterNames) {
    EXPECT_EQ(runWithFixed("安"), RunPhase::Running);
    ASSERT_GT(m_store.rowCount(), 0U);
    EXPECT_EQ(m_chartCalls.load(), 1);
    for (std::size_t i = 0; i < m_store.rowCount(); ++i) {
        const std::string name = m_store.cellText(i, ResultColumn::Name);
        EXPECT_TRUE(name.starts_with("李安") && name.size() > std::string("李安").size()) << name;
    }
}

TEST_F(FixedCharacterRunTest, ContinuingAfterTheCharacterWasCorrectedGoesOnWithTheGoodOne) {
    EXPECT_EQ(runWithFixed("鿏"), RunPhase::Running);
    EXPECT_EQ(m_store.rowCount(), 0U);
    GenerationInputs inputs = m_inputs.snapshot();
    inputs.fixedCharacter = "安";
    m_inputs.publish(inputs);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Paused);
    EXPECT_EQ(m_controller->pressCompute(), RunPhase::Running);
    m_controller->waitUntilIdle();
    EXPECT_GT(m_store.rowCount(), 0U);
}

} // namespace
} // namespace namewright
