#pragma once
// Run control (运算控制) of the compute button `运算按钮` and the stop button `停止按钮`, and the generation workers.
//
// Captions of the compute button and what a press does:
//   "分析"  new series (both resume marks 1), empty result store, stop flag 0, start a worker   -> "暂停"
//   "暂停"  stop flag 1                                                                           -> "继续"
//   "继续"  stop flag 0, start a worker that carries on after the resume marks                   -> "暂停"
//   other  nothing                                                                               -> unchanged
// The stop button sets the stop flag to 1 and the caption to "分析". A worker that runs out of candidates changes
// nothing: the caption stays "暂停". With the fix box checked, a worker whose character box is empty or holds a text
// that is not a character of table `word` ends at once, before the chart analysis, and lists nothing.
//
// Every worker starts a new run. A worker waits for the generation lock, so it starts only after the previous one
// ended, and the previous one ends at its next candidate because its run is no longer the newest.

#include "db/NamingDatabase.h"
#include "db/RandomSource.h"
#include "naming/GenerationInputs.h"
#include "naming/LuckTables.h"
#include "naming/ResultStore.h"
#include "naming/RunState.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace namewright {

inline constexpr std::string_view kCaptionAnalyse = "分析";
inline constexpr std::string_view kCaptionPause = "暂停";
inline constexpr std::string_view kCaptionContinue = "继续";

class RunController {
public:
    /// The birth-chart analysis a worker runs before its mode, on the worker's connection, with the inputs it read.
    using ChartStep = std::function<void(NamingDatabase& connection, const GenerationInputs& inputs)>;

    /// `workerConnection` is used by the workers only (one at a time) and must outlive the controller.
    RunController(NamingDatabase& workerConnection, InputsChannel& inputs, RunState& state, ResultStore& store,
                  ChartStep chartStep, RandomSource random = RandomSource());
    /// Stops and waits for every worker (see shutdown()).
    ~RunController();
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    /// A press of the compute button showing `caption`; returns the caption it shows afterwards.
    std::string pressCompute(std::string_view caption);
    /// A press of the stop button; returns the compute button's new caption, "分析".
    std::string pressStop();

    /// Sets the stop flag, makes any running worker stale and waits until every worker has ended. Call it before the
    /// worker connection closes. A worker blocked in a callback of the chart step must be released by that callback.
    void shutdown();

    /// Waits until every worker started so far has ended (a run that does not end by itself must be stopped first).
    void waitUntilIdle();

    /// True while a worker thread is alive.
    bool isGenerating() const;

private:
    void startWorker();
    void reapFinishedWorkers();
    void workerMain(std::uint64_t run);

    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    NamingDatabase& m_connection;
    InputsChannel& m_inputs;
    RunState& m_state;
    ResultStore& m_store;
    ChartStep m_chartStep;
    RandomSource m_random;            // used by workers only, under the generation lock
    std::optional<LuckTables> m_luck; // loaded by the first worker, under the generation lock
    mutable std::mutex m_workersMutex;
    std::vector<Worker> m_workers;
};

} // namespace namewright
