#include "naming/RunController.h"

#include "naming/GenerationModes.h"
#include "text/GbkText.h"

namespace namewright {

namespace {

constexpr std::string_view kSecondPosition = "二";
constexpr std::string_view kThirdPosition = "三";
constexpr std::string_view kSingleCharacter = "单字";

/// The family character: the first two GBK bytes of the family text.
std::string familyCharacterOf(const InputsChannel& inputs) {
    return std::string(gbkPrefix(inputs.snapshot().familyText, 2));
}

} // namespace

RunController::RunController(NamingDatabase& workerConnection, InputsChannel& inputs, RunState& state,
                             ResultStore& store, ChartStep chartStep, RandomSource random)
    : m_connection(workerConnection), m_inputs(inputs), m_state(state), m_store(store),
      m_chartStep(std::move(chartStep)), m_random(random) {}

RunController::~RunController() {
    shutdown();
}

std::string RunController::pressCompute(std::string_view caption) {
    if (caption == kCaptionAnalyse) {
        const std::uint32_t series = m_state.beginSeries();
        m_store.clear(series);
        m_state.setStopFlag(0);
        startWorker();
        return std::string(kCaptionPause);
    }
    if (caption == kCaptionPause) {
        m_state.setStopFlag(1);
        return std::string(kCaptionContinue);
    }
    if (caption == kCaptionContinue) {
        m_state.setStopFlag(0);
        startWorker();
        return std::string(kCaptionPause);
    }
    return std::string(caption);
}

std::string RunController::pressStop() {
    m_state.setStopFlag(1);
    return std::string(kCaptionAnalyse);
}

void RunController::shutdown() {
    m_state.setStopFlag(1);
    m_state.beginRun();
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

void RunController::startWorker() {
    reapFinishedWorkers();
    const std::uint64_t run = m_state.beginRun();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, run, finished] {
        workerMain(run);
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

void RunController::workerMain(std::uint64_t run) {
    const std::lock_guard generation(m_state.generationLock());
    if (m_state.currentRun() != run) {
        return; // a newer press superseded this worker while it waited
    }
    if (!m_luck) {
        m_luck = LuckTables::load(m_connection);
    }
    GenerationContext context{m_connection, *m_luck,  m_inputs, m_state,
                              m_store,      m_random, run,      m_state.currentSeries()};

    const GenerationInputs inputs = m_inputs.snapshot();
    if (inputs.fixCharacter) {
        const bool second = inputs.fixedPosition == kSecondPosition;
        if (!second && inputs.fixedPosition != kThirdPosition) {
            return;
        }
        // A character the dictionary lacks (鿏, 𠀀, an emoji, a letter, a quote) has no strokes to score, and
        // listing names without it looked like one-character names scoring 100: it ends the worker like an empty box.
        if (inputs.fixedCharacter.empty() || !m_connection.wordRow(inputs.fixedCharacter)) {
            return;
        }
        m_chartStep(m_connection, m_inputs.snapshot());
        const std::string family = familyCharacterOf(m_inputs);
        const std::string fixed = m_inputs.snapshot().fixedCharacter;
        runFixedCharacterMode(context, family, second ? fixed : std::string(), second ? std::string() : fixed);
        return;
    }
    const bool single = inputs.nameLength == kSingleCharacter;
    m_chartStep(m_connection, m_inputs.snapshot());
    const std::string family = familyCharacterOf(m_inputs);
    if (single) {
        runSingleCharacterMode(context, family);
    } else {
        runRandomMode(context, family);
    }
}

} // namespace namewright
