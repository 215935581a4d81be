#include "app/ShortlistDialog.h"

#include "app/AppContext.h"
#include "app/CachedTextDelegate.h"
#include "app/Controls.h"
#include "app/NameDetailsPane.h"
#include "app/ReportDialog.h"
#include "app/RunStatusText.h"
#include "app/ShortlistColumnChooser.h"
#include "app/ShortlistFilterBar.h"
#include "app/favourites/FavouritesPage.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ShortlistModel.h"
#include "reports/ReportFromRow.h"
#include "shortlist/ShortlistSources.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace namewright {

namespace {

QString thousands(std::size_t n) {
    return QLocale(QLocale::Chinese, QLocale::China).toString(static_cast<qulonglong>(n));
}

/// The sources of the shortlist of the series the store holds.
ShortlistSources sourcesOf(AppContext& context) {
    const std::optional<SeriesRecord> record = context.seriesRecord();
    const GenerationInputs inputs = context.inputs().snapshot();
    return shortlistSources(record ? &*record : nullptr, context.knowledge(), context.interfaceLuck(),
                            context.interfaceConnection(), scoreThreshold(inputs.ownThreshold, inputs.thresholdText));
}

} // namespace

ShortlistDialog::ShortlistDialog(AppContext& context, FavouritesStore& favourites, QWidget* parent)
    : QDialog(parent), m_context(context), m_favourites(favourites) {
    setWindowTitle(QStringLiteral("名单"));
    setObjectName(QStringLiteral("名单窗口"));
    resize(1120, 700);
    const std::optional<SeriesRecord> record = context.seriesRecord();
    m_model = new ShortlistModel(context.results(), sourcesOf(context), record ? record->firstRow : 0, this);
    m_model->setFavourites(favourites.names());

    auto* layout = new QVBoxLayout(this);
    m_filterBar = new ShortlistFilterBar(*m_model, this);
    layout->addWidget(m_filterBar);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_pages = new QTabWidget(splitter);
    m_pages->setObjectName(QStringLiteral("名单页"));
    m_table = new QTableView(m_pages);
    m_table->setObjectName(QStringLiteral("名单表格"));
    m_table->setModel(m_model);
    // Repainted with every merge while a run streams in: the cells' texts are laid out once.
    m_table->setItemDelegate(new CachedTextDelegate(m_table));
    m_table->setSortingEnabled(true);
    // With the knowledge file the list opens in our 推荐 order; without it by the score, as ranked before.
    m_table->horizontalHeader()->setSortIndicator(static_cast<int>(m_model->shortlist().facts().knowledgeAvailable()
                                                                       ? ShortlistColumn::Recommended
                                                                       : ShortlistColumn::Score),
                                                  Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setMinimumSectionSize(28);
    auto* columns = new ShortlistColumnChooser(*m_table);
    const bool knowledge = m_model->shortlist().facts().knowledgeAvailable();
    for (const ShortlistColumn c : {ShortlistColumn::Pinyin, ShortlistColumn::NoSoundWarning, ShortlistColumn::HasVerse,
                                    ShortlistColumn::CommonOnly}) {
        columns->setAvailable(c, knowledge);
    }
    columns->setAvailable(ShortlistColumn::CompoundSurnameScore, m_model->shortlist().facts().anyCompoundSurname());
    m_pages->addTab(m_table, QStringLiteral("本轮名单"));
    m_favouritesPage = new FavouritesPage(context, favourites, this);
    m_pages->addTab(m_favouritesPage, QStringLiteral("收藏夹"));
    splitter->addWidget(m_pages);
    m_details = new NameDetailsPane(context, favourites, splitter);
    splitter->addWidget(m_details);
    // The list takes what its columns need (all of them show at the default size), the pane the rest, and the pane
    // what the window gains or loses.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    const int listWidth = std::max(680, columns->shownColumnsWidth() + 2 * m_table->frameWidth() +
                                            m_table->verticalScrollBar()->sizeHint().width() + 8);
    // The layout's margins are the style's (the layout takes them from the style once the window is shown).
    const int splitterWidth = width() - style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this) -
                              style()->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, this) -
                              splitter->handleWidth();
    splitter->setSizes({listWidth, splitterWidth - listWidth});
    layout->addWidget(splitter, 1);

    auto* bottom = new QHBoxLayout;
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("名单状态"));
    bottom->addWidget(m_status);
    m_favouritesMessage = new QLabel(this);
    m_favouritesMessage->setObjectName(QStringLiteral("收藏提示"));
    m_favouritesMessage->setWordWrap(true);
    bottom->addWidget(m_favouritesMessage, 1);
    // Undoes the last removal of favourites, from either page or the details pane; a text box with the focus keeps
    // Ctrl+Z for its own text.
    m_undo = makeNonDefaultButton(this, "撤销移除按钮", "撤销");
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setToolTip(QStringLiteral("找回最近一次移除的收藏（Ctrl+Z）"));
    m_undo->setEnabled(favourites.canUndoRemoval());
    bottom->addWidget(m_undo);
    QPushButton* close = makeNonDefaultButton(this, "关闭按钮", "关闭");
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_undo, &QPushButton::clicked, this, &ShortlistDialog::undoRemoval);
    connect(&m_favourites, &FavouritesStore::removed, this, [this](std::size_t count) {
        showFavouritesMessage(QStringLiteral("已移除 %1 个收藏，可按“撤销”（Ctrl+Z）找回").arg(count), false);
    });
    connect(m_table, &QTableView::activated, this, &ShortlistDialog::openReport);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ShortlistDialog::currentNameChanged);
    connect(m_favouritesPage->table().selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ShortlistDialog::currentFavouriteChanged);
    connect(m_favouritesPage, &FavouritesPage::message, this, &ShortlistDialog::showFavouritesMessage);
    connect(m_filterBar, &ShortlistFilterBar::filterApplied, this, &ShortlistDialog::filterApplied);
    connect(m_filterBar, &ShortlistFilterBar::recommendationChanged, this, [this] {
        currentNameChanged(); // the reasons line follows the new weights
        updateStatus();
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 0) {
            currentNameChanged();
        } else {
            currentFavouriteChanged();
        }
    });
    // A sort the user asks for by a click on a column title starts at the top of the new order (the kept place is
    // for names arriving during a run); the click's sort has run once the event has been handled.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this] { QTimer::singleShot(0, m_table, [this] { m_table->scrollToTop(); }); });
    connect(m_model, &QAbstractItemModel::layoutAboutToBeChanged, this, &ShortlistDialog::keepPlaceBeforeChange);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &ShortlistDialog::keepPlaceAfterChange);
    connect(m_model, &ShortlistModel::refreshed, this, &ShortlistDialog::updateStatus);
    connect(&m_favourites, &FavouritesStore::changed, this, &ShortlistDialog::favouritesChanged);
    connect(&m_favourites, &FavouritesStore::saveFailed, this,
            [this](const QString& message) { showFavouritesMessage(message, true); });
    if (!favourites.loadProblem().isEmpty()) {
        showFavouritesMessage(favourites.loadProblem(), true);
    } else if (!favourites.saveError().isEmpty()) {
        showFavouritesMessage(favourites.saveError(), true);
    }
    updateStatus();
    if (m_model->rowCount() > 0) {
        m_table->selectRow(0);
    }
    m_table->setFocus();
}

ShortlistDialog::~ShortlistDialog() = default;

void ShortlistDialog::filterApplied() {
    updateStatus();
    if (!m_table->currentIndex().isValid() && m_model->rowCount() > 0) {
        m_table->selectRow(0);
    }
    currentNameChanged();
}

bool ShortlistDialog::selectName(std::uint32_t storeRow) {
    m_model->refresh(std::nullopt);
    if (storeRow < m_model->shortlist().firstRow() || storeRow >= m_model->shortlist().takenRows()) {
        return false;
    }
    const auto ref = m_model->shortlist().names().find(m_context.results().row(storeRow));
    if (!ref) {
        return false;
    }
    const auto row = m_model->rowOf(m_model->shortlist().names().name(*ref).firstRow);
    if (!row) {
        return false;
    }
    m_pages->setCurrentIndex(0);
    m_table->selectRow(*row);
    m_table->scrollTo(m_model->index(*row, 0), QAbstractItemView::PositionAtCenter);
    currentNameChanged();
    return true;
}

void ShortlistDialog::currentNameChanged() {
    if (m_pages->currentIndex() != 0) {
        return;
    }
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        m_details->showSubject(std::nullopt);
        return;
    }
    const std::uint32_t firstRow = m_model->firstRowAt(current.row());
    const std::optional<SeriesRecord> record = m_context.seriesRecord();
    NameSubject subject =
        subjectOf(listedNameOfRow(m_context.results(), firstRow, record ? &*record : nullptr),
                  m_model->shortlist().factsAt(static_cast<std::size_t>(current.row())), record ? &*record : nullptr);
    subject.recommendation = m_model->shortlist().recommendationAt(static_cast<std::size_t>(current.row()));
    if (m_details->subject() && m_details->subject()->name.cells == subject.name.cells &&
        m_details->subject()->name.familyText == subject.name.familyText &&
        m_details->subject()->recommendation == subject.recommendation) {
        return; // the same name, moved by names that came: nothing to redo
    }
    m_details->showSubject(subject);
}

void ShortlistDialog::currentFavouriteChanged() {
    if (m_pages->currentIndex() != 1) {
        return;
    }
    m_favouritesPage->updateActions();
    const std::optional<Favourite> current = m_favouritesPage->currentFavourite();
    if (!current) {
        m_details->showSubject(std::nullopt);
        return;
    }
    m_details->showSubject(subjectOf(*current, std::nullopt, nullptr));
}

void ShortlistDialog::openReport() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        return;
    }
    // As for a row of the result grid: the report data of the name's first listed row, in a new report window.
    const int gridRow = static_cast<int>(m_model->firstRowAt(current.row())) + 1;
    if (reportFromResultRow(gridRow, m_context.results(), m_context.interfaceConnection(), m_context.reportData())) {
        ReportDialog(m_context, this).exec();
    }
}

void ShortlistDialog::updateStatus() {
    const Shortlist& shortlist = m_model->shortlist();
    if (const QString notice = databaseNotice(m_context); !notice.isEmpty()) {
        m_status->setText(notice);
        return;
    }
    if (m_context.runState().currentSeries() == 0) {
        m_status->setText(QStringLiteral("名单列出运算的结果：请先在主窗口按“分析”"));
        return;
    }
    QString text = QStringLiteral("本轮列出 %1 行，不重复的名字 %2 个，显示 %3 个")
                       .arg(thousands(shortlist.rowsOfMoment()), thousands(shortlist.distinctCount()),
                            thousands(shortlist.size()));
    if (shortlist.firstRow() > 0) {
        // A run continued after the birth date was changed: only the rows of the chart on screen are listed.
        text += QStringLiteral("；另有改动出生时间前列出的 %1 行未计入").arg(thousands(shortlist.firstRow()));
    }
    if (const QString note =
            missingElementNote(shortlist.facts().sources(), shortlist.facts().recommender().ownFavourable());
        !note.isEmpty() && shortlist.filter().suppliesMissingElement) {
        text += QStringLiteral("；补缺：%1").arg(note);
    }
    if (m_context.runController().isGenerating() || !shortlist.caughtUp()) {
        text += QStringLiteral("（运算中，名单随时更新）");
    } else {
        text += QStringLiteral("（%1）").arg(runStatusText(m_context));
    }
    if (shortlist.facts().knowledgeAvailable()) {
        // The marks of the knowledge columns, which their titles alone do not explain.
        text += QStringLiteral("\n标记：补缺 ✓ 补上所缺五行；读音 ✓ 无提示、! 有提示；诗句 有 两字见于同一句诗；常用 ✓ "
                               "都是常用字");
    }
    m_status->setText(text);
}

void ShortlistDialog::keepPlaceBeforeChange() {
    // The user's place is the name at the top of the table; at the very top with nothing chosen the table stays at
    // the top, so that better names arriving show at once.
    const QModelIndex top = m_table->indexAt(QPoint(1, 1));
    m_atTop = m_table->verticalScrollBar()->value() == 0 && !m_table->currentIndex().isValid();
    m_anchor = top.isValid() ? std::optional<std::uint32_t>(m_model->firstRowAt(top.row())) : std::nullopt;
}

void ShortlistDialog::keepPlaceAfterChange() {
    m_table->doItemsLayout();
    if (m_atTop || !m_anchor) {
        m_table->verticalScrollBar()->setValue(0);
    } else if (const auto row = m_model->rowOf(*m_anchor)) {
        m_table->verticalScrollBar()->setValue(*row);
    }
    // The first names to come choose the first of them once the list they fill has been painted: the details pane's
    // report and its first paint are a tick's worth of work of their own.
    if (noNameChosen()) {
        QTimer::singleShot(kFirstChoiceDelay, this, [this] {
            if (noNameChosen()) {
                m_table->selectRow(0);
            }
        });
    }
}

bool ShortlistDialog::noNameChosen() const {
    return !m_table->currentIndex().isValid() && m_model->rowCount() > 0 && m_pages->currentIndex() == 0 &&
           !m_details->subject();
}

void ShortlistDialog::favouritesChanged() {
    m_model->setFavourites(m_favourites.names());
    m_undo->setEnabled(m_favourites.canUndoRemoval());
    if (m_favourites.saveError().isEmpty()) {
        showFavouritesMessage(QString(), false);
    }
    currentFavouriteChanged();
}

void ShortlistDialog::showFavouritesMessage(const QString& message, bool problem) {
    m_favouritesMessage->setText(message);
    m_favouritesMessage->setStyleSheet(problem ? QStringLiteral("color: #990000;") : QString());
}

void ShortlistDialog::undoRemoval() {
    const std::size_t count = m_favourites.lastRemoval().size();
    if (m_favourites.undoRemoval() && m_favourites.saveError().isEmpty()) {
        showFavouritesMessage(QStringLiteral("已找回 %1 个收藏").arg(count), false);
    }
}

bool ShortlistDialog::exportCsv(const QString& path) {
    return m_favouritesPage->exportCsv(path);
}

bool ShortlistDialog::exportPdf(const QString& path) {
    return m_favouritesPage->exportPdf(path);
}

void ShortlistDialog::done(int result) {
    m_model->stopFollowing();
    QDialog::done(result);
}

} // namespace namewright
