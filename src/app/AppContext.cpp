#include "app/AppContext.h"

namespace namewright {

AppContext::AppContext(std::filesystem::path databaseFile)
    : m_databaseFile(std::move(databaseFile)), m_workerConnection(NamingDatabase::open(m_databaseFile)),
      m_interfaceConnection(NamingDatabase::open(m_databaseFile)) {
    m_runController = std::make_unique<RunController>(
        m_workerConnection, m_inputs, m_runState, m_results,
        [this](NamingDatabase& connection, std::uint32_t series, const BirthMomentTexts& moment) {
            return analyseSeries(series, moment, connection, ChartSinks{m_yearWarning, m_labels, &m_latestChart});
        });
}

AppContext::~AppContext() {
    shutdown();
}

void AppContext::setWorkerCallbacks(ChartLabelSink labels, YearWarningHandler yearWarning) {
    m_labels = std::move(labels);
    m_yearWarning = std::move(yearWarning);
}

const KnowledgeBase& AppContext::knowledge() {
    if (!m_knowledge) {
        m_knowledge = KnowledgeBase::open(KnowledgeBase::besideNamingDatabase(m_databaseFile));
    }
    return *m_knowledge;
}

std::optional<SeriesRecord> AppContext::seriesRecord() const {
    return m_runController->seriesRecord(m_results.series());
}

std::shared_ptr<const LuckTables> AppContext::interfaceLuck() {
    if (!m_interfaceLuck) {
        m_interfaceLuck = std::make_shared<const LuckTables>(LuckTables::load(m_interfaceConnection));
    }
    return m_interfaceLuck;
}

void AppContext::shutdown() {
    if (m_runController) {
        m_runController->shutdown();
    }
}

} // namespace namewright
