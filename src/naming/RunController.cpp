#include "naming/RunController.h"

#include "naming/GenerationModes.h"
#include "text/GbkText.h"

#include <new>

namespace namewright {

namespace {

/// The family character: the first two GBK bytes of the family text.
std::string familyCharacterOf(const GenerationInputs& inputs) {
    return std::string(gbkPrefix(inputs.familyText, 2));
}

} // namespace

RunController::RunController(NamingDatabase& workerConnection, InputsChannel& inputs, RunState& state,
                             ResultStore& store, SeriesAnalysis analysis, RandomSource random)
    : m_connection(workerConnection), m_inputs(inputs), m_state(state), m_store(store),
      m_analysis(analysis ? std::move(analysis)
                          : [](NamingDatabase& connection, std::uint32_t series,
                               const BirthMomentTexts& moment) { return analyseSeries(series, moment, connection); }),
      m_random(random) {}

RunController::~RunController() {
    shutdown();
}

RunPhase RunController::pressCompute() {
    switch (m_phase) {
    case RunPhase::Idle: {
        const std::uint32_t series = m_state.beginSeries();
        m_store.clear(series);
        m_state.setStopFlag(0);
        startWorker();
        m_phase = RunPhase::Running;
        break;
    }
    case RunPhase::Running:
        m_state.setStopFlag(1);
        m_phase = RunPhase::Paused;
        break;
    case RunPhase::Paused:
        m_state.setStopFlag(0);
        startWorker();
        m_phase = RunPhase::Running;
        break;
    }
    return m_phase;
}

RunPhase RunController::pressStop() {
    m_state.setStopFlag(1);
    m_phase = RunPhase::Idle;
    return m_phase;
}

std::optional<SeriesRecord> RunController::seriesRecord(std::uint32_t series) const {
    const std::lock_guard lock(m_recordMutex);
    if (!m_record || m_record->series != series) {
        return std::nullopt;
    }
    return m_record;
}

void RunController::shutdown() {
    m_state.setStopFlag(1);
    requestStopOfAllWorkers();
    waitUntilIdle();
}

void RunController::waitUntilIdle() {
    std::vector<Worker> workers;
    {
        const std::lock_guard lock(m_workersMutex);
        workers.swap(m_workers);
    }
    for (auto& worker : workers) {
        worker.thread.join();
    }
}

bool RunController::isGenerating() const {
    const std::lock_guard lock(m_workersMutex);
    for (const auto& worker : m_workers) {
        if (!worker.finished->load(std::memory_order_acquire)) {
            return true;
        }
    }
    return false;
}

void RunController::requestStopOfAllWorkers() {
    const std::lock_guard lock(m_workersMutex);
    for (auto& worker : m_workers) {
        worker.thread.request_stop();
    }
}

void RunController::startWorker() {
    reapFinishedWorkers();
    requestStopOfAllWorkers();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::jthread thread([this, finished](std::stop_token stop) {
        try {
            workerMain(std::move(stop));
        } catch (const std::bad_alloc&) {
            // Memory ran out outside the store's own limit (a text pool, a batch): the run ends as at the limit.
            m_store.markFull();
        }
        finished->store(true, std::memory_order_release);
    });
    const std::lock_guard lock(m_workersMutex);
    m_workers.push_back(Worker{std::move(thread), std::move(finished)});
}

void RunController::reapFinishedWorkers() {
    const std::lock_guard lock(m_workersMutex);
    std::erase_if(m_workers, [](Worker& worker) {
        if (!worker.finished->load(std::memory_order_acquire)) {
            return false;
        }
        worker.thread.join();
        return true;
    });
}

void RunController::analyse(std::uint32_t series, const BirthMomentTexts& moment) {
    SeriesRecord record = m_analysis(m_connection, series, moment);
    record.series = series;
    // This worker holds the generation lock, so the store's row count is where its own rows will begin.
    record.firstRow = m_store.rowCount();
    const std::lock_guard lock(m_recordMutex);
    if (m_record && m_record->series == series && m_record->moment == moment) {
        record.firstRow = m_record->firstRow; // the same moment carries on
    }
    m_record = std::move(record);
}

void RunController::workerMain(std::stop_token stop) {
    const std::lock_guard generation(m_state.generationLock());
    if (stop.stop_requested()) {
        return; // a newer press superseded this worker while it waited
    }
    if (!m_luck) {
        m_luck = LuckTables::load(m_connection);
    }
    // One snapshot serves the whole worker: the mode, the chart moment, the family character, the gender and the
    // fixed character. Only the family text and the threshold are read again, by the mode itself (GenerationContext).
    const GenerationInputs inputs = m_inputs.snapshot();
    GenerationContext context{m_connection, *m_luck,  m_inputs,        m_state,
                              m_store,      m_random, std::move(stop), m_state.currentSeries()};
    if (inputs.fixCharacter) {
        if (inputs.fixedPosition == FixedPosition::Neither || inputs.fixedCharacter.empty()) {
            return;
        }
        // A character the dictionary lacks (鿏, 𠀀, an emoji, a letter, a quote) has no strokes to score, and
        // listing names without it looked like one-character names scoring 100: it ends the worker like an empty box.
        if (!m_connection.wordRow(inputs.fixedCharacter)) {
            return;
        }
        analyse(context.series, inputs.moment);
        runFixedCharacterMode(context, familyCharacterOf(inputs), inputs.gender, inputs.fixedPosition,
                              inputs.fixedCharacter);
        return;
    }
    analyse(context.series, inputs.moment);
    if (inputs.nameLength == NameLength::Single) {
        runSingleCharacterMode(context, familyCharacterOf(inputs), inputs.gender);
    } else {
        runRandomMode(context, familyCharacterOf(inputs), inputs.gender);
    }
}

} // namespace namewright
