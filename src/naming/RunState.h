#pragma once
// The shared state of generation runs (运算状态): the stop flag, the series number, the two resume marks and the
// generation lock. The application owns one.
//
// A *series* is everything from one press that starts anew (RunPhase::Idle) to the next: the resume marks and the
// listed rows belong to a series. Each worker within it is stopped through its own std::stop_token.

#include <atomic>
#include <cstdint>
#include <mutex>

namespace namewright {

/// The two sequential generation modes, each with a resume mark of its own.
enum class SequentialMode { SingleCharacter, FixedCharacter };

class RunState {
public:
    /// 1 = the generation loop must do no more work; 0 = a run may proceed. Starts at 0.
    int stopFlag() const { return m_stopFlag.load(std::memory_order_relaxed); }
    void setStopFlag(int value) { m_stopFlag.store(value, std::memory_order_relaxed); }

    /// Number of the current series (0 before the first).
    std::uint32_t currentSeries() const { return m_series.load(std::memory_order_acquire); }
    /// Starts a new series with both resume marks at 1 and returns its number.
    std::uint32_t beginSeries();

    /// The `ID` of the last `word1` row the mode took up in this series (1 when it has taken none). A mark written by
    /// a worker of an older series reads as 1.
    int resumeMark(SequentialMode mode, std::uint32_t series) const;
    void setResumeMark(SequentialMode mode, std::uint32_t series, int id);

    /// Held by a worker for its whole run, so at most one worker generates at a time.
    std::mutex& generationLock() { return m_generationLock; }

private:
    static constexpr int kStartMark = 1;
    std::atomic<std::uint64_t>& markOf(SequentialMode mode) {
        return mode == SequentialMode::SingleCharacter ? m_singleMark : m_fixedMark;
    }
    const std::atomic<std::uint64_t>& markOf(SequentialMode mode) const {
        return mode == SequentialMode::SingleCharacter ? m_singleMark : m_fixedMark;
    }

    std::atomic<int> m_stopFlag{0};
    std::atomic<std::uint32_t> m_series{0};
    // Each mark packs (series << 32) | (uint32)id, so that a stale worker finishing after a new series began cannot
    // move the new series' mark.
    std::atomic<std::uint64_t> m_singleMark{kStartMark};
    std::atomic<std::uint64_t> m_fixedMark{kStartMark};
    std::mutex m_generationLock;
};

} // namespace namewright
