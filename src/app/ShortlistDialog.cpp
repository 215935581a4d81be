#include "app/ShortlistDialog.h"

#include "app/AppContext.h"
#include "app/CompareDialog.h"
#include "app/FavouriteRemoval.h"
#include "app/FavouritesModel.h"
#include "app/FavouritesPrinter.h"
#include "app/FavouritesStore.h"
#include "app/NameDetailsPane.h"
#include "app/RecommendChooser.h"
#include "app/ReportDialog.h"
#include "app/RunStatusText.h"
#include "app/ShortlistModel.h"
#include "app/TextConversion.h"
#include "app/WholeFile.h"
#include "reports/FavouritesCsv.h"
#include "reports/ReportFromRow.h"
#include "shortlist/ShortlistSources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace namewright {

namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    // Enter in the table opens the report; no button of this window may take it as its default.
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

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
    layout->addWidget(buildFilterBar());

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_pages = new QTabWidget(splitter);
    m_pages->setObjectName(QStringLiteral("名单页"));
    m_table = new QTableView(m_pages);
    m_table->setObjectName(QStringLiteral("名单表格"));
    m_table->setModel(m_model);
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
    for (int column = 0; column < ShortlistModel::kColumns; ++column) {
        const ShortlistColumn c = ShortlistModel::columnAt(column);
        int width = 40;
        switch (c) {
        case ShortlistColumn::Name:
            width = 72;
            break;
        case ShortlistColumn::ThreeTalentsKey:
        case ShortlistColumn::ElementText:
            width = 56; // three characters whole
            break;
        case ShortlistColumn::Favourite:
            width = 62;
            break;
        case ShortlistColumn::Pinyin:
            width = 120;
            break;
        default:
            break;
        }
        m_table->setColumnWidth(column, width);
    }
    const bool knowledge = m_model->shortlist().facts().knowledgeAvailable();
    for (const ShortlistColumn c : {ShortlistColumn::Pinyin, ShortlistColumn::NoSoundWarning, ShortlistColumn::HasVerse,
                                    ShortlistColumn::CommonOnly}) {
        m_table->setColumnHidden(static_cast<int>(c), !knowledge);
    }
    m_table->setColumnHidden(static_cast<int>(ShortlistColumn::CompoundSurnameScore),
                             !m_model->shortlist().facts().anyCompoundSurname());
    m_pages->addTab(m_table, QStringLiteral("本轮名单"));
    m_pages->addTab(buildFavouritesPage(), QStringLiteral("收藏夹"));
    splitter->addWidget(m_pages);
    m_details = new NameDetailsPane(context, favourites, splitter);
    splitter->addWidget(m_details);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({680, 420});
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
    m_undo = button("撤销移除按钮", "撤销", this);
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setToolTip(QStringLiteral("找回最近一次移除的收藏（Ctrl+Z）"));
    m_undo->setEnabled(favourites.canUndoRemoval());
    bottom->addWidget(m_undo);
    QPushButton* close = button("关闭按钮", "关闭", this);
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
    connect(m_favouritesTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ShortlistDialog::currentFavouriteChanged);
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

QWidget* ShortlistDialog::buildFilterBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("最低分"), bar));
    m_minimumScore = new QSpinBox(bar);
    m_minimumScore->setObjectName(QStringLiteral("最低分框"));
    m_minimumScore->setRange(0, 100);
    row->addWidget(m_minimumScore);
    m_suppliesMissing = checkBox("补缺框", "补八字所缺五行", bar);
    row->addWidget(m_suppliesMissing);
    row->addWidget(new QLabel(QStringLiteral("含字"), bar));
    m_contains = new QLineEdit(bar);
    m_contains->setObjectName(QStringLiteral("含字框"));
    m_contains->setMaximumWidth(60);
    m_contains->setToolTip(QStringLiteral("名字里必须有的字"));
    row->addWidget(m_contains);
    row->addWidget(new QLabel(QStringLiteral("排除字"), bar));
    m_excludes = new QLineEdit(bar);
    m_excludes->setObjectName(QStringLiteral("排除字框"));
    m_excludes->setPlaceholderText(QStringLiteral("如长辈名字里的字"));
    m_excludes->setToolTip(QStringLiteral("名字里不要的字，可以连写或用空格、逗号隔开"));
    row->addWidget(m_excludes, 1);
    m_length = new QComboBox(bar);
    m_length->setObjectName(QStringLiteral("字数框"));
    m_length->addItems({QStringLiteral("单字双字"), QStringLiteral("只看单字"), QStringLiteral("只看双字")});
    row->addWidget(m_length);
    m_favouritesOnly = checkBox("只看收藏框", "只看收藏", bar);
    row->addWidget(m_favouritesOnly);

    // The second row: filters on the character knowledge and the solar-term chart, where those are at hand.
    auto* second = new QHBoxLayout;
    m_noSoundWarning = checkBox("无读音提示框", "无读音提示", bar);
    m_noSoundWarning->setToolTip(QStringLiteral("读音检查没有提示的名字（三字同调、双声叠韵、与姓同音、不雅谐音）"));
    m_hasVerse = checkBox("有诗句框", "有诗句", bar);
    m_hasVerse->setToolTip(QStringLiteral("两个名字依次出现在同一句古诗文里的名字"));
    m_commonOnly = checkBox("常用字框", "只用常用字", bar);
    m_commonOnly->setToolTip(QStringLiteral("名字的字都是《通用规范汉字表》一级或二级字"));
    m_suppliesFavourable = checkBox("补节气喜用框", "补节气八字喜用神", bar);
    m_suppliesFavourable->setToolTip(
        QStringLiteral("名字的字的五行是本轮节气八字（本程序另算）的用神或喜神；节气八字用到主窗口“分”框里的分钟"));
    const bool knowledge = m_model->shortlist().facts().knowledgeAvailable();
    for (QCheckBox* box : {m_noSoundWarning, m_hasVerse, m_commonOnly}) {
        box->setVisible(knowledge);
        second->addWidget(box);
    }
    m_suppliesFavourable->setVisible(m_model->shortlist().facts().solarTermChartAvailable());
    second->addWidget(m_suppliesFavourable);
    auto* recommend = new RecommendChooser(bar);
    m_model->setRecommendation(recommend->weights(), recommend->ownFavourable());
    updateMissingElementTip(recommend->ownFavourable());
    connect(recommend, &RecommendChooser::changed, this, [this, recommend] {
        m_model->setRecommendation(recommend->weights(), recommend->ownFavourable());
        updateMissingElementTip(recommend->ownFavourable());
        currentNameChanged(); // the reasons line follows the new weights
        updateStatus();
    });
    second->addWidget(recommend);
    second->addStretch(1);
    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(row);
    rows->addLayout(second);

    connect(m_minimumScore, &QSpinBox::valueChanged, this, &ShortlistDialog::applyFilter);
    connect(m_contains, &QLineEdit::textChanged, this, &ShortlistDialog::applyFilter);
    connect(m_excludes, &QLineEdit::textChanged, this, &ShortlistDialog::applyFilter);
    connect(m_length, &QComboBox::currentIndexChanged, this, &ShortlistDialog::applyFilter);
    for (QCheckBox* box :
         {m_suppliesMissing, m_favouritesOnly, m_noSoundWarning, m_hasVerse, m_commonOnly, m_suppliesFavourable}) {
        connect(box, &QCheckBox::toggled, this, &ShortlistDialog::applyFilter);
    }
    bar->setLayout(rows);
    return bar;
}

void ShortlistDialog::updateMissingElementTip(const std::optional<ElementSet>& own) {
    QString tip = QStringLiteral("只看名字的字补上本轮八字所缺五行（喜用神）的名字");
    if (const QString note = missingElementNote(m_model->shortlist().facts().sources(), own); !note.isEmpty()) {
        tip += QStringLiteral("\n") + note;
    }
    m_suppliesMissing->setToolTip(tip);
}

QWidget* ShortlistDialog::buildFavouritesPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_favouritesModel = new FavouritesModel(m_favourites, this);
    m_favouritesTable = new QTableView(page);
    m_favouritesTable->setObjectName(QStringLiteral("收藏表格"));
    m_favouritesTable->setModel(m_favouritesModel);
    m_favouritesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_favouritesTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_favouritesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_favouritesTable->verticalHeader()->hide();
    // Widths from the texts they hold, so that five stars show whole beside four and the time is not cut.
    const auto fit = [this](int column, const QString& widest) {
        const QFontMetrics metrics = m_favouritesTable->fontMetrics();
        const int margin = 2 * (m_favouritesTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 8;
        const QHeaderView* headerView = m_favouritesTable->horizontalHeader();
        const int header = headerView->fontMetrics().horizontalAdvance(
                               m_favouritesModel->headerData(column, Qt::Horizontal).toString()) +
                           2 * headerView->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
        m_favouritesTable->setColumnWidth(column, std::max(metrics.horizontalAdvance(widest) + margin, header));
    };
    fit(FavouritesModel::Name, QStringLiteral("欧阳哉栋"));
    fit(FavouritesModel::Score, QStringLiteral("100"));
    fit(FavouritesModel::Stars, QString(kMostStars, QChar(0x2605)));
    fit(FavouritesModel::ThreeTalentsKey, QStringLiteral("金金金"));
    fit(FavouritesModel::Elements, QStringLiteral("金金金"));
    fit(FavouritesModel::Added, QStringLiteral("2024-12-31 23:59"));
    // The note takes the room that is left (the time, last, would be cut if it stretched into too little).
    m_favouritesTable->horizontalHeader()->setSectionResizeMode(FavouritesModel::Note, QHeaderView::Stretch);
    layout->addWidget(m_favouritesTable, 1);
    auto* buttons = new QHBoxLayout;
    m_compare = button("比较按钮", "比较所选…", page);
    m_compare->setToolTip(QStringLiteral("选两到四个收藏（按住 Ctrl 点选）并排比较"));
    QPushButton* csv = button("导出CSV按钮", "导出 CSV…", page);
    QPushButton* pdf = button("导出PDF按钮", "导出 PDF…", page);
    QPushButton* print = button("打印按钮", "打印…", page);
    m_remove = button("移除收藏按钮", "移除所选", page);
    for (QPushButton* b : {m_compare, csv, pdf, print, m_remove}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // Until favourites are chosen there is nothing to compare or remove.
    m_compare->setEnabled(false);
    m_remove->setEnabled(false);
    connect(m_compare, &QPushButton::clicked, this, &ShortlistDialog::compareFavourites);
    connect(csv, &QPushButton::clicked, this, &ShortlistDialog::chooseAndExportCsv);
    connect(pdf, &QPushButton::clicked, this, &ShortlistDialog::chooseAndExportPdf);
    connect(print, &QPushButton::clicked, this, &ShortlistDialog::printFavourites);
    connect(m_remove, &QPushButton::clicked, this, &ShortlistDialog::removeFavourites);
    return page;
}

void ShortlistDialog::applyFilter() {
    ShortlistFilter filter = m_model->shortlist().filter();
    filter.minimumScore = m_minimumScore->value();
    filter.suppliesMissingElement = m_suppliesMissing->isChecked();
    filter.containsCharacters = toUtf8(m_contains->text());
    filter.excludedCharacters = toUtf8(m_excludes->text());
    filter.length = static_cast<GivenLength>(m_length->currentIndex());
    filter.favouritesOnly = m_favouritesOnly->isChecked();
    filter.noSoundWarning = m_noSoundWarning->isChecked();
    filter.hasVerse = m_hasVerse->isChecked();
    filter.commonOnly = m_commonOnly->isChecked();
    filter.suppliesFavourableElement = m_suppliesFavourable->isChecked();
    m_model->setFilter(filter);
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
    const QModelIndexList rows = m_favouritesTable->selectionModel()->selectedRows();
    m_compare->setEnabled(rows.size() >= 2 && rows.size() <= 4);
    m_remove->setEnabled(!rows.isEmpty());
    const QModelIndex current = m_favouritesTable->currentIndex();
    if (!current.isValid() || rows.isEmpty()) {
        m_details->showSubject(std::nullopt);
        return;
    }
    m_details->showSubject(subjectOf(m_favouritesModel->favouriteAt(current.row()), std::nullopt, nullptr));
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
    if (!m_table->currentIndex().isValid() && m_model->rowCount() > 0 && m_pages->currentIndex() == 0 &&
        !m_details->subject()) {
        m_table->selectRow(0);
    }
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

void ShortlistDialog::compareFavourites() {
    std::vector<Favourite> chosen;
    for (const QModelIndex& row : m_favouritesTable->selectionModel()->selectedRows()) {
        chosen.push_back(m_favouritesModel->favouriteAt(row.row()));
    }
    if (chosen.size() < 2 || chosen.size() > 4) {
        return;
    }
    CompareDialog(chosen, m_context.interfaceConnection(), m_context.knowledge(), this).exec();
}

void ShortlistDialog::removeFavourites() {
    std::vector<Favourite> chosen;
    for (const QModelIndex& row : m_favouritesTable->selectionModel()->selectedRows()) {
        chosen.push_back(m_favouritesModel->favouriteAt(row.row()));
    }
    if (chosen.empty() || !confirmFavouriteRemoval(this, chosen)) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> names;
    names.reserve(chosen.size());
    for (const Favourite& f : chosen) {
        names.emplace_back(f.familyText, f.given);
    }
    m_favourites.removeAll(names);
}

void ShortlistDialog::undoRemoval() {
    const std::size_t count = m_favourites.lastRemoval().size();
    if (m_favourites.undoRemoval() && m_favourites.saveError().isEmpty()) {
        showFavouritesMessage(QStringLiteral("已找回 %1 个收藏").arg(count), false);
    }
}

bool ShortlistDialog::exportCsv(const QString& path) {
    const std::string bytes = favouritesCsv(m_favourites.list());
    QString error;
    if (!writeWholeFile(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error)) {
        showFavouritesMessage(QStringLiteral("CSV 文件未能写出：") + error, true);
        return false;
    }
    showFavouritesMessage(QStringLiteral("已导出 %1 个收藏到 %2").arg(m_favourites.list().size()).arg(path), false);
    return true;
}

bool ShortlistDialog::exportPdf(const QString& path) {
    QString error;
    if (!FavouritesPrinter(m_context.interfaceConnection(), m_context.knowledge())
             .writePdf(path, m_favourites.list().all(), &error)) {
        showFavouritesMessage(QStringLiteral("PDF 文件未能写出：") + error, true);
        return false;
    }
    showFavouritesMessage(QStringLiteral("已导出 %1 页到 %2").arg(m_favourites.list().size()).arg(path), false);
    return true;
}

namespace {

/// The save dialog of an export: Qt's own dialog (so it looks and behaves the same everywhere), modal to `parent`.
QString chooseFile(QWidget* parent, const char* name, const QString& title, const QString& filter,
                   const QString& suffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setObjectName(QString::fromUtf8(name));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QStringLiteral("收藏的名字.") + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

void ShortlistDialog::chooseAndExportCsv() {
    const QString path = chooseFile(this, "导出CSV对话框", QStringLiteral("导出收藏为 CSV"),
                                    QStringLiteral("CSV 表格 (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) {
        exportCsv(path);
    }
}

void ShortlistDialog::chooseAndExportPdf() {
    const QString path = chooseFile(this, "导出PDF对话框", QStringLiteral("导出收藏为 PDF"),
                                    QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) {
        exportPdf(path);
    }
}

void ShortlistDialog::printFavourites() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("打印对话框"));
    if (dialog.exec() == QDialog::Accepted) {
        FavouritesPrinter(m_context.interfaceConnection(), m_context.knowledge())
            .paint(printer, m_favourites.list().all());
    }
}

void ShortlistDialog::done(int result) {
    m_model->stopFollowing();
    QDialog::done(result);
}

} // namespace namewright
