#pragma once
// The main window "Namewrightv3.0": every input of a generation run, the run buttons, the result grid, the birth
// chart labels and the tool buttons that open the five dialogs.

#include "app/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

namespace namewright {

class ChartLabels;
class FavouritesStore;
struct MainWindowControls;
class ResultGridModel;
class YearWarningBridge;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    /// Runs the window's start-up: grid style, opening the database file (quietly, a missing file leaves the grid
    /// without its header row), and the stop flag.
    /// The favourites are read from `favouritesFile` (by default favourites.json in the user's data folder).
    explicit MainWindow(const std::filesystem::path& databaseFile, QWidget* parent = nullptr,
                        const QString& favouritesFile = QString());
    ~MainWindow() override;

    AppContext& context() { return *m_context; }
    ResultGridModel& gridModel() { return *m_gridModel; }

    /// The caption of the compute button after a press, as the run control decided it.
    void pressCompute();
    void pressStop();

    /// Opens the report window for grid row `row` (1 = first data row) if there is such a row.
    void openReportForRow(int row);

    /// Opens the shortlist window, modal, with the name of store row `storeRow` selected when given.
    void openShortlist(std::optional<std::uint32_t> storeRow = std::nullopt);
    /// The result grid's menu for grid row `row` (1 = first data row): 加入收藏, 复制名字, 评测此名, 在名单中查看.
    /// Nothing for the header row or beyond the rows shown. The caller owns the menu.
    std::unique_ptr<QMenu> gridMenu(int row);

    FavouritesStore& favourites() { return *m_favourites; }
    /// When reading the favourites file found something wrong (it was set aside), says so in a box beside the
    /// window that does not hold up the start (object name "收藏文件提示"); nothing otherwise. Called once the
    /// window is shown.
    void showFavouritesProblem();

    /// Ends any run and waits for its worker. Called when the window closes; idempotent.
    void shutdown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wireEvents();
    void publishInputs();
    void nameLengthChanged();
    void addFavouriteOfRow(std::size_t storeRow);
    void evaluateRow(std::size_t storeRow);
    void pauseForFullResults();
    void updateRunStatus();
    /// Why a run of the fixed-character inputs will list nothing; empty when it can list names.
    QString noteOnFixedCharacter();

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindowControls> m_controls;
    ResultGridModel* m_gridModel = nullptr;
    ChartLabels* m_chartLabels = nullptr;
    YearWarningBridge* m_yearWarnings = nullptr;
    FavouritesStore* m_favourites = nullptr;
    QTimer* m_runStatusTimer = nullptr;   ///< keeps the compute button's tooltip up to date (a run ends by itself)
    QString m_runNote;                    ///< noteOnFixedCharacter() of the latest press, shown in the tooltip
    QMessageBox* m_resultsFull = nullptr; ///< our notice of a full result store, made on first use
};

} // namespace namewright
