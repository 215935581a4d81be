#include "app/AppContext.h"

namespace namewright {

AppContext::AppContext(std::filesystem::path databaseFile)
    : m_databaseFile(std::move(databaseFile)), m_workerConnection(NamingDatabase::open(m_databaseFile)),
      m_interfaceConnection(NamingDatabase::open(m_databaseFile)) {
    m_runController = std::make_unique<RunController>(
        m_workerConnection, m_inputs, m_runState, m_results,
        [this](NamingDatabase& connection, const GenerationInputs& inputs) {
            const BirthMomentTexts moment{inputs.year, inputs.month, inputs.day, inputs.hour};
            AnalyseBirthChart(moment, connection, m_birthChart, m_yearWarning, m_labels);
        });
}

AppContext::~AppContext() {
    shutdown();
}

void AppContext::setWorkerCallbacks(ChartLabelSink labels, YearWarningHandler yearWarning) {
    m_labels = std::move(labels);
    m_yearWarning = std::move(yearWarning);
}

void AppContext::shutdown() {
    if (m_runController) {
        m_runController->shutdown();
    }
}

} // namespace namewright
