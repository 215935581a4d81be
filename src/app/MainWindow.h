#pragma once
// The main window "Namewrightv3.0": every input of a generation run, the run buttons, the result grid, the birth
// chart labels and the tool buttons that open the five dialogs.

#include "app/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QWidget>

#include <filesystem>
#include <memory>

namespace namewright {

class ChartLabels;
struct MainWindowControls;
class ResultGridModel;
class YearWarningBridge;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    /// Runs the window's start-up: grid style, opening the database file (quietly, a missing file leaves the grid
    /// without its header row), and the stop flag.
    explicit MainWindow(const std::filesystem::path& databaseFile, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return *m_context; }
    ResultGridModel& gridModel() { return *m_gridModel; }

    /// The caption of the compute button after a press, as the run control decided it.
    void pressCompute();
    void pressStop();

    /// Opens the report window for grid row `row` (1 = first data row) if there is such a row.
    void openReportForRow(int row);

    /// Ends any run and waits for its worker. Called when the window closes; idempotent.
    void shutdown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wireEvents();
    void publishInputs();
    void nameLengthChanged();

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindowControls> m_controls;
    ResultGridModel* m_gridModel = nullptr;
    ChartLabels* m_chartLabels = nullptr;
    YearWarningBridge* m_yearWarnings = nullptr;
};

} // namespace namewright
