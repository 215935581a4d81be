#pragma once
// Run control (运算控制) of the compute button `运算按钮` and the stop button `停止按钮`, and the generation workers.
//
// The controller holds the phase the compute button shows (the window captions it "分析", "暂停", "继续"; see
// RunPhaseCaptions.h in the window) and what a press does:
//   Idle     new series (both resume marks 1), empty result store, stop flag 0, start a worker   -> Running
//   Running  stop flag 1                                                                           -> Paused
//   Paused   stop flag 0, start a worker that carries on after the resume marks                   -> Running
// The stop button sets the stop flag to 1 and gives Idle. A worker that runs out of candidates changes nothing: the
// phase stays Running. With the fix box checked, a worker whose character box is empty or holds a text that is not a
// character of table `word` ends at once, before the chart analysis, and lists nothing.
//
// Before its mode, each worker analyses the birth moment it read and keeps the result as the record of its series
// (SeriesRecord.h): the latest worker's record stands for the series. Its first row is where the rows of its moment
// begin: the first row of the series, or the first row of the worker that first read a moment other than the one
// before it.
// A worker ends by itself when the result store is full (ResultStore::isFull); one whose memory runs out
// (std::bad_alloc) ends too and marks the store full, so no exception leaves a worker.
//
// Every worker is a std::jthread. Starting one requests a stop of every older worker; the new one waits for the
// generation lock, so it starts only after the previous one ended, and the previous one ends at its next candidate.

#include "chart/SeriesRecord.h"
#include "db/NamingDatabase.h"
#include "db/RandomSource.h"
#include "naming/GenerationInputs.h"
#include "naming/LuckTables.h"
#include "naming/ResultStore.h"
#include "naming/RunPhase.h"
#include "naming/RunState.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

namespace namewright {

class RunController {
public:
    /// The analysis a worker runs before its mode, on the worker's connection, for its series and the moment it read
    /// (analyseSeries with the sinks of the front end).
    using SeriesAnalysis =
        std::function<SeriesRecord(NamingDatabase& connection, std::uint32_t series, const BirthMomentTexts& moment)>;

    /// `workerConnection` is used by the workers only (one at a time) and must outlive the controller. Without an
    /// analysis, analyseSeries without sinks.
    RunController(NamingDatabase& workerConnection, InputsChannel& inputs, RunState& state, ResultStore& store,
                  SeriesAnalysis analysis = {}, RandomSource random = RandomSource());
    /// Stops and waits for every worker (see shutdown()).
    ~RunController();
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    /// The phase the compute button shows: Idle before the first press. Interface thread only, as the presses.
    RunPhase phase() const { return m_phase; }
    /// A press of the compute button in the current phase, as the table above; returns the new phase.
    RunPhase pressCompute();
    /// A press of the stop button; returns the new phase, RunPhase::Idle.
    RunPhase pressStop();

    /// The record of `series` as its latest worker made it; nothing when no worker of that series has analysed yet
    /// (or a worker of a later series has). Safe from any thread.
    std::optional<SeriesRecord> seriesRecord(std::uint32_t series) const;

    /// Sets the stop flag, requests every worker to stop and waits until every worker has ended. Call it before the
    /// worker connection closes. A worker blocked in a callback of the analysis must be released by that callback.
    void shutdown();

    /// Waits until every worker started so far has ended (a run that does not end by itself must be stopped first).
    void waitUntilIdle();

    /// True while a worker thread is alive.
    bool isGenerating() const;

private:
    void startWorker();
    void reapFinishedWorkers();
    void workerMain(std::stop_token stop);
    void analyse(std::uint32_t series, const BirthMomentTexts& moment);
    void requestStopOfAllWorkers();

    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    NamingDatabase& m_connection;
    InputsChannel& m_inputs;
    RunState& m_state;
    ResultStore& m_store;
    SeriesAnalysis m_analysis;
    RunPhase m_phase = RunPhase::Idle;
    RandomSource m_random;            // used by workers only, under the generation lock
    std::optional<LuckTables> m_luck; // loaded by the first worker, under the generation lock
    mutable std::mutex m_workersMutex;
    std::vector<Worker> m_workers;
    mutable std::mutex m_recordMutex;
    std::optional<SeriesRecord> m_record; // the latest worker's
};

} // namespace namewright
