#include "app/MainWindow.h"

#include "app/ChartLabels.h"
#include "app/EvaluationDialog.h"
#include "app/HelpDialog.h"
#include "app/LunarCalendarDialog.h"
#include "app/MainWindowControls.h"
#include "app/ReferenceTablesDialog.h"
#include "app/ReportDialog.h"
#include "app/ReturnKeyClick.h"
#include "app/RunPhaseCaptions.h"
#include "app/RunStatusText.h"
#include "app/ShortlistDialog.h"
#include "app/WindowBackground.h"
#include "app/YearWarningBridge.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ResultGridModel.h"
#include "app/models/TextConversion.h"
#include "reports/ReferenceTables.h"
#include "reports/ReportFromRow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTimer>

namespace namewright {

namespace {

constexpr int kLeadingColumnWidth = 25;
constexpr int kNameColumnWidth = 55;
constexpr int kNumberColumnWidth = 43;

} // namespace

MainWindow::MainWindow(const std::filesystem::path& databaseFile, QWidget* parent, const QString& favouritesFile)
    : QWidget(parent), m_controls(std::make_unique<MainWindowControls>()) {
    setWindowTitle(QStringLiteral("Namewrightv3.0"));
    setFixedSize(686, 508);
    move(30, 30);
    setWindowBackground(this);
    buildControls();

    // Grid style: rows alternate between silver and light grey.
    QTableView* grid = m_controls->grid;
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::AlternateBase, QColor(0xEC, 0xEC, 0xEC));
    grid->setPalette(palette);
    grid->setAlternatingRowColors(true);

    m_context = std::make_unique<AppContext>(databaseFile);
    m_favourites = new FavouritesStore(favouritesFile.isEmpty() ? FavouritesFile::defaultPath() : favouritesFile, this);
    m_gridModel = new ResultGridModel(m_context->results(), this);
    grid->setModel(m_gridModel);
    grid->horizontalHeader()->setMinimumSectionSize(kLeadingColumnWidth);
    grid->setColumnWidth(ResultGridModel::kLeadingColumn, kLeadingColumnWidth);
    for (const ResultColumn column : kResultColumns) {
        grid->setColumnWidth(ResultGridModel::gridColumn(column),
                             column == ResultColumn::Name ? kNameColumnWidth : kNumberColumnWidth);
    }

    m_chartLabels = new ChartLabels(this);
    for (std::size_t i = 0; i < m_controls->chartResults.size(); ++i) {
        m_chartLabels->attach(static_cast<ChartLabel>(i), m_controls->chartResults[i]);
    }
    m_yearWarnings = new YearWarningBridge([this] { YearWarningBridge::showMessageBox(this); }, this);
    m_context->setWorkerCallbacks(m_chartLabels->sink(), m_yearWarnings->handler());

    if (m_context->databaseOpen()) {
        m_context->runState().setStopFlag(1);
    } else {
        grid->horizontalHeader()->hide();
    }
    publishInputs();
    wireEvents();
    m_runStatusTimer = new QTimer(this);
    m_runStatusTimer->setInterval(400);
    connect(m_runStatusTimer, &QTimer::timeout, this, &MainWindow::updateRunStatus);
    m_runStatusTimer->start();
    updateRunStatus();
}

MainWindow::~MainWindow() {
    shutdown();
}

void MainWindow::buildControls() {
    buildMainWindowControls(this, *m_controls);
}

void MainWindow::wireEvents() {
    MainWindowControls& c = *m_controls;
    connect(c.evaluateName, &QToolButton::clicked, this, [this] { EvaluationDialog(*m_context, this).exec(); });
    connect(c.birthChart, &QToolButton::clicked, this, [this] { EvaluationDialog(*m_context, this).exec(); });
    connect(c.numerologyTable, &QToolButton::clicked, this, [this] {
        m_context->referenceTableSelector = std::string(kNumerologyTableSelector);
        ReferenceTablesDialog(m_context->referenceTableSelector, m_context->databaseFile(), this).exec();
    });
    connect(c.threeTalentsTable, &QToolButton::clicked, this, [this] {
        m_context->referenceTableSelector = std::string(kThreeTalentsTableSelector);
        ReferenceTablesDialog(m_context->referenceTableSelector, m_context->databaseFile(), this).exec();
    });
    connect(c.lunarCalendar, &QToolButton::clicked, this, [this] { LunarCalendarDialog(this).exec(); });
    connect(c.help, &QToolButton::clicked, this, [this] { HelpDialog(this, databaseNotice(*m_context)).exec(); });
    connect(c.quit, &QToolButton::clicked, this, &QWidget::close);
    connect(c.shortlist, &QToolButton::clicked, this, [this] { openShortlist(); });
    c.grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c.grid, &QTableView::customContextMenuRequested, this, [this](QPoint at) {
        const QModelIndex index = m_controls->grid->indexAt(at);
        if (std::unique_ptr<QMenu> menu = index.isValid() ? gridMenu(index.row() + 1) : nullptr) {
            menu->exec(m_controls->grid->viewport()->mapToGlobal(at));
        }
    });

    connect(c.nameLength, &QComboBox::activated, this, &MainWindow::nameLengthChanged);
    connect(c.compute, &QPushButton::clicked, this, &MainWindow::pressCompute);
    new ReturnKeyClick(c.compute);
    new ReturnKeyClick(c.stop);
    // Return in the family box starts a run as 分析 would; during a run it does nothing, so that a typed name never
    // pauses a run by accident.
    connect(c.familyName, &QLineEdit::returnPressed, this, [this] {
        if (m_context->runController().phase() == RunPhase::Idle) {
            pressCompute();
        }
    });
    connect(c.stop, &QPushButton::clicked, this, &MainWindow::pressStop);
    connect(c.grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openReportForRow(index.row() + 1); });
    connect(m_gridModel, &ResultGridModel::storeFull, this, &MainWindow::pauseForFullResults);

    // Every change of an input reaches the worker's inputs channel at once.
    for (QLineEdit* edit : {c.familyName, c.fixedCharacter, c.threshold}) {
        connect(edit, &QLineEdit::textChanged, this, &MainWindow::publishInputs);
    }
    for (QComboBox* box : {c.nameLength, c.gender, c.year, c.month, c.day, c.hour, c.minute, c.fixedPosition}) {
        connect(box, &QComboBox::currentTextChanged, this, &MainWindow::publishInputs);
    }
    for (QCheckBox* box : {c.fixCharacter, c.ownThreshold}) {
        connect(box, &QCheckBox::toggled, this, &MainWindow::publishInputs);
    }
}

void MainWindow::publishInputs() {
    const MainWindowControls& c = *m_controls;
    GenerationInputs inputs;
    inputs.familyText = toUtf8(c.familyName->text());
    inputs.nameLength = nameLengthOfText(toUtf8(c.nameLength->currentText()));
    inputs.gender = genderOfText(toUtf8(c.gender->currentText()));
    inputs.moment =
        BirthMomentTexts{toUtf8(c.year->currentText()), toUtf8(c.month->currentText()), toUtf8(c.day->currentText()),
                         toUtf8(c.hour->currentText()), toUtf8(c.minute->currentText())};
    inputs.fixCharacter = c.fixCharacter->isChecked();
    inputs.fixedPosition = fixedPositionOfText(toUtf8(c.fixedPosition->currentText()));
    inputs.fixedCharacter = toUtf8(c.fixedCharacter->text());
    inputs.ownThreshold = c.ownThreshold->isChecked();
    inputs.thresholdText = toUtf8(c.threshold->text());
    m_context->inputs().publish(std::move(inputs));
}

void MainWindow::nameLengthChanged() {
    const bool single = nameLengthOfText(toUtf8(m_controls->nameLength->currentText())) == NameLength::Single;
    m_controls->fixCharacter->setEnabled(!single);
    m_controls->fixedCharacter->setEnabled(!single);
}

void MainWindow::pressCompute() {
    QPushButton* button = m_controls->compute;
    RunController& control = m_context->runController();
    if (!pressActsOn(button->text(), control.phase())) {
        return;
    }
    const bool startsSeries = control.phase() == RunPhase::Idle;
    publishInputs();
    m_runNote = noteOnFixedCharacter();
    if (!m_runNote.isEmpty() && control.phase() != RunPhase::Running) {
        // The worker will list nothing and work out no chart: the chart of an earlier date must not stay on screen
        // beside inputs that name another.
        m_chartLabels->clear();
    }
    if (startsSeries) {
        m_gridModel->beginClear();
    }
    control.pressCompute();
    if (startsSeries) {
        m_gridModel->endClear();
    }
    button->setText(runPhaseCaption(control.phase()));
    updateRunStatus();
}

QString MainWindow::noteOnFixedCharacter() {
    const MainWindowControls& c = *m_controls;
    if (!c.fixCharacter->isChecked()) {
        return {};
    }
    const QString character = c.fixedCharacter->text();
    if (character.isEmpty()) {
        return QStringLiteral("勾选了固定字，但没有填写要固定的字：不会列出名字");
    }
    if (!m_context->interfaceConnection().wordRow(toUtf8(character))) {
        return QStringLiteral("字库中没有“%1”这个字，无法计算笔画：不会列出名字，也不排八字").arg(character);
    }
    return {};
}

void MainWindow::updateRunStatus() {
    QString tip = runStatusText(*m_context);
    if (!m_runNote.isEmpty() && m_context->runController().phase() != RunPhase::Idle) {
        tip = m_runNote + QStringLiteral("\n") + tip;
    }
    if (const QString notice = databaseNotice(*m_context); !notice.isEmpty()) {
        tip = notice;
    }
    if (m_controls->compute->toolTip() != tip) {
        m_controls->compute->setToolTip(tip);
    }
}

void MainWindow::pauseForFullResults() {
    // The result store keeps at most ResultStore::rowLimit() names. A run that fills it is paused as 暂停 would pause
    // it, and our own notice says why; 继续 finds the store full again, 停止 then 分析 start a new series.
    RunController& control = m_context->runController();
    if (control.phase() != RunPhase::Running) {
        return;
    }
    control.pressCompute();
    m_controls->compute->setText(runPhaseCaption(control.phase()));
    if (m_resultsFull == nullptr) {
        m_resultsFull = new QMessageBox(QMessageBox::Information, QStringLiteral("Namewright 提示：结果已满"),
                                        QString(), QMessageBox::Ok, this);
        m_resultsFull->setObjectName(QStringLiteral("结果已满提示"));
        m_resultsFull->setModal(false);
    }
    m_resultsFull->setText(
        QStringLiteral("结果表已存满 %1 个名字，这是本机保存结果的上限（内存的八分之一），运算已暂停。\n"
                       "已列出的名字可以照常查看、收藏和导出；按“停止”再按“分析”会清空结果、重新开始。")
            .arg(m_context->results().rowCount()));
    m_resultsFull->show();
}

void MainWindow::pressStop() {
    m_controls->compute->setText(runPhaseCaption(m_context->runController().pressStop()));
    updateRunStatus();
}

void MainWindow::openReportForRow(int row) {
    if (row < 1 || row > m_gridModel->rowCount()) {
        return;
    }
    if (reportFromResultRow(row, m_context->results(), m_context->interfaceConnection(), m_context->reportData())) {
        ReportDialog(*m_context, this).exec();
    }
}

void MainWindow::openShortlist(std::optional<std::uint32_t> storeRow) {
    ShortlistDialog dialog(*m_context, *m_favourites, this);
    if (storeRow) {
        dialog.selectName(*storeRow);
    }
    dialog.exec();
}

std::unique_ptr<QMenu> MainWindow::gridMenu(int row) {
    if (row < 1 || row > m_gridModel->rowCount()) {
        return nullptr;
    }
    const auto storeRow = static_cast<std::size_t>(row - 1);
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("结果菜单"));
    const ListedName name = listedNameOfRow(m_context->results(), storeRow, nullptr);
    QAction* favourite = menu->addAction(QStringLiteral("加入收藏"));
    favourite->setObjectName(QStringLiteral("加入收藏动作"));
    if (m_favourites->list().contains(name.familyText, name.given)) {
        favourite->setText(QStringLiteral("加入收藏（已收藏）"));
        favourite->setEnabled(false);
    }
    connect(favourite, &QAction::triggered, this, [this, storeRow] { addFavouriteOfRow(storeRow); });
    QAction* copy = menu->addAction(QStringLiteral("复制名字"));
    copy->setObjectName(QStringLiteral("复制名字动作"));
    const QString text = toQString(name.name());
    connect(copy, &QAction::triggered, this, [text] { QGuiApplication::clipboard()->setText(text); });
    QAction* evaluate = menu->addAction(QStringLiteral("评测此名"));
    evaluate->setObjectName(QStringLiteral("评测此名动作"));
    connect(evaluate, &QAction::triggered, this, [this, storeRow] { evaluateRow(storeRow); });
    menu->addSeparator();
    QAction* shortlist = menu->addAction(QStringLiteral("在名单中查看"));
    shortlist->setObjectName(QStringLiteral("在名单中查看动作"));
    connect(shortlist, &QAction::triggered, this,
            [this, storeRow] { openShortlist(static_cast<std::uint32_t>(storeRow)); });
    return menu;
}

void MainWindow::showFavouritesProblem() {
    if (m_favourites->loadProblem().isEmpty()) {
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("收藏"), m_favourites->loadProblem(),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("收藏文件提示"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MainWindow::addFavouriteOfRow(std::size_t storeRow) {
    const std::optional<SeriesRecord> record = m_context->seriesRecord();
    Favourite favourite{listedNameOfRow(m_context->results(), storeRow, record ? &*record : nullptr)};
    favourite.added = toUtf8(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (m_favourites->add(std::move(favourite)) && !m_favourites->saveError().isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("收藏"), m_favourites->saveError());
    }
}

void MainWindow::evaluateRow(std::size_t storeRow) {
    const ListedName name = listedNameOfRow(m_context->results(), storeRow, nullptr);
    const MainWindowControls& c = *m_controls;
    EvaluationDialog dialog(*m_context, this);
    dialog.fillIn(toQString(name.familyText), toQString(name.given),
                  {c.year->currentText(), c.month->currentText(), c.day->currentText(), c.hour->currentText()});
    dialog.evaluate(); // the name was asked for: its report shows at once
    dialog.exec();
}

void MainWindow::shutdown() {
    if (m_yearWarnings != nullptr) {
        m_yearWarnings->release();
    }
    if (m_context) {
        m_context->shutdown();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

} // namespace namewright
