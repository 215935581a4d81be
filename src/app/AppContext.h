#pragma once
// Everything the windows share that is not a widget: the database connections, the shared results and the run
// control. The main window owns one for its whole life.

#include "calendar/YearWarning.h"
#include "chart/ChartAnalysis.h"
#include "chart/LatestLunarChart.h"
#include "chart/SeriesRecord.h"
#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/GenerationInputs.h"
#include "naming/LuckTables.h"
#include "naming/ResultStore.h"
#include "naming/RunController.h"
#include "naming/RunState.h"
#include "reports/SharedReportData.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace namewright {

class AppContext {
public:
    /// Opens the main connection (used by the generation workers) and the interface thread's connection on the
    /// same file. Failure to open is quiet: databaseOpen() tells.
    explicit AppContext(std::filesystem::path databaseFile);
    /// Stops and waits for the generation worker before the connections close.
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const std::filesystem::path& databaseFile() const { return m_databaseFile; }
    bool databaseOpen() const { return m_workerConnection.isOpen(); }

    /// The connection of the interface thread: evaluations and reports.
    NamingDatabase& interfaceConnection() { return m_interfaceConnection; }

    /// The chart of the latest analysis, a worker's or an evaluation's: what a report window prints.
    LatestLunarChart& latestChart() { return m_latestChart; }
    /// The record of the series the result store holds (its moment and both charts), once its worker analysed; an
    /// evaluation does not touch it. The shortlist, its pane and the favourites read it.
    std::optional<SeriesRecord> seriesRecord() const;
    SharedReportData& reportData() { return m_reportData; }
    RunState& runState() { return m_runState; }
    InputsChannel& inputs() { return m_inputs; }
    ResultStore& results() { return m_results; }
    RunController& runController() { return *m_runController; }

    /// Where a worker's chart analysis hands its labels and its year warning. Set once, before the first run.
    void setWorkerCallbacks(ChartLabelSink labels, YearWarningHandler yearWarning);

    /// The character knowledge file beside the naming database, opened on first use (interface thread only).
    const KnowledgeBase& knowledge();
    /// The luck tables read on the interface connection, on first use (interface thread only).
    std::shared_ptr<const LuckTables> interfaceLuck();

    /// The reference-table selector: "" for the numerology table, "三才" for the three-talents table. Interface
    /// thread only.
    std::string referenceTableSelector;

    /// Ends any run and waits for its worker; afterwards no worker touches anything here. Idempotent.
    void shutdown();

private:
    std::filesystem::path m_databaseFile;
    NamingDatabase m_workerConnection;
    NamingDatabase m_interfaceConnection;
    LatestLunarChart m_latestChart;
    std::optional<KnowledgeBase> m_knowledge;
    std::shared_ptr<const LuckTables> m_interfaceLuck;
    SharedReportData m_reportData;
    RunState m_runState;
    InputsChannel m_inputs;
    ResultStore m_results;
    ChartLabelSink m_labels;
    YearWarningHandler m_yearWarning;
    std::unique_ptr<RunController> m_runController;
};

} // namespace namewright
