#include "app/favourites/FavouritesPage.h"

#include "app/AppContext.h"
#include "app/CompareDialog.h"
#include "app/Controls.h"
#include "app/FileDialogs.h"
#include "app/favourites/FavouriteRemoval.h"
#include "app/favourites/FavouritesModel.h"
#include "app/favourites/FavouritesPrinter.h"
#include "app/favourites/FavouritesStore.h"
#include "app/favourites/WholeFile.h"
#include "reports/FavouritesCsv.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace namewright {

// The dialogs it opens (compare, removal, save, print) belong to the window, as its other dialogs do.
FavouritesPage::FavouritesPage(AppContext& context, FavouritesStore& favourites, QWidget* parent)
    : QWidget(parent), m_context(context), m_favourites(favourites) {
    auto* layout = new QVBoxLayout(this);
    m_model = new FavouritesModel(m_favourites, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("收藏表格"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Widths from the texts they hold, so that five stars show whole beside four and the time is not cut.
    const auto fit = [this](int column, const QString& widest) {
        const QFontMetrics metrics = m_table->fontMetrics();
        const int margin = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 8;
        const QHeaderView* headerView = m_table->horizontalHeader();
        const int header =
            headerView->fontMetrics().horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) +
            2 * headerView->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
        m_table->setColumnWidth(column, std::max(metrics.horizontalAdvance(widest) + margin, header));
    };
    fit(FavouritesModel::Name, QStringLiteral("欧阳哉栋"));
    fit(FavouritesModel::Score, QStringLiteral("100"));
    fit(FavouritesModel::Stars, QString(kMostStars, QChar(0x2605)));
    fit(FavouritesModel::ThreeTalentsKey, QStringLiteral("金金金"));
    fit(FavouritesModel::Elements, QStringLiteral("金金金"));
    fit(FavouritesModel::Added, QStringLiteral("2024-12-31 23:59"));
    // The note takes the room that is left (the time, last, would be cut if it stretched into too little).
    m_table->horizontalHeader()->setSectionResizeMode(FavouritesModel::Note, QHeaderView::Stretch);
    layout->addWidget(m_table, 1);
    auto* buttons = new QHBoxLayout;
    m_compare = makeNonDefaultButton(this, "比较按钮", "比较所选…");
    m_compare->setToolTip(QStringLiteral("选两到四个收藏（按住 Ctrl 点选）并排比较"));
    QPushButton* csv = makeNonDefaultButton(this, "导出CSV按钮", "导出 CSV…");
    QPushButton* pdf = makeNonDefaultButton(this, "导出PDF按钮", "导出 PDF…");
    QPushButton* print = makeNonDefaultButton(this, "打印按钮", "打印…");
    m_remove = makeNonDefaultButton(this, "移除收藏按钮", "移除所选");
    for (QPushButton* b : {m_compare, csv, pdf, print, m_remove}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // Until favourites are chosen there is nothing to compare or remove.
    m_compare->setEnabled(false);
    m_remove->setEnabled(false);
    connect(m_compare, &QPushButton::clicked, this, &FavouritesPage::compareFavourites);
    connect(csv, &QPushButton::clicked, this, &FavouritesPage::chooseAndExportCsv);
    connect(pdf, &QPushButton::clicked, this, &FavouritesPage::chooseAndExportPdf);
    connect(print, &QPushButton::clicked, this, &FavouritesPage::printFavourites);
    connect(m_remove, &QPushButton::clicked, this, &FavouritesPage::removeFavourites);
}

std::optional<Favourite> FavouritesPage::currentFavourite() const {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || m_table->selectionModel()->selectedRows().isEmpty()) {
        return std::nullopt;
    }
    return m_model->favouriteAt(current.row());
}

void FavouritesPage::updateActions() {
    const qsizetype chosen = m_table->selectionModel()->selectedRows().size();
    m_compare->setEnabled(chosen >= 2 && chosen <= 4);
    m_remove->setEnabled(chosen > 0);
}

std::vector<Favourite> FavouritesPage::chosenFavourites() const {
    std::vector<Favourite> chosen;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) {
        chosen.push_back(m_model->favouriteAt(row.row()));
    }
    return chosen;
}

void FavouritesPage::compareFavourites() {
    const std::vector<Favourite> chosen = chosenFavourites();
    if (chosen.size() < 2 || chosen.size() > 4) {
        return;
    }
    CompareDialog(chosen, m_context.interfaceConnection(), m_context.knowledge(), window()).exec();
}

void FavouritesPage::removeFavourites() {
    const std::vector<Favourite> chosen = chosenFavourites();
    if (chosen.empty() || !confirmFavouriteRemoval(window(), chosen)) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> names;
    names.reserve(chosen.size());
    for (const Favourite& f : chosen) {
        names.emplace_back(f.familyText, f.given);
    }
    m_favourites.removeAll(names);
}

bool FavouritesPage::exportCsv(const QString& path) {
    const std::string bytes = favouritesCsv(m_favourites.list());
    QString error;
    if (!writeWholeFile(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error)) {
        emit message(QStringLiteral("CSV 文件未能写出：") + error, true);
        return false;
    }
    emit message(QStringLiteral("已导出 %1 个收藏到 %2").arg(m_favourites.list().size()).arg(path), false);
    return true;
}

bool FavouritesPage::exportPdf(const QString& path) {
    QString error;
    if (!FavouritesPrinter(m_context.interfaceConnection(), m_context.knowledge())
             .writePdf(path, m_favourites.list().all(), &error)) {
        emit message(QStringLiteral("PDF 文件未能写出：") + error, true);
        return false;
    }
    emit message(QStringLiteral("已导出 %1 页到 %2").arg(m_favourites.list().size()).arg(path), false);
    return true;
}

void FavouritesPage::chooseAndExportCsv() {
    const QString path = FileDialogs::chooseSaveFile(
        window(), QStringLiteral("导出CSV对话框"), QStringLiteral("导出收藏为 CSV"), QStringLiteral("CSV 表格 (*.csv)"),
        QStringLiteral("csv"), QStringLiteral("收藏的名字.csv"));
    if (!path.isEmpty()) {
        exportCsv(path);
    }
}

void FavouritesPage::chooseAndExportPdf() {
    const QString path = FileDialogs::chooseSaveFile(
        window(), QStringLiteral("导出PDF对话框"), QStringLiteral("导出收藏为 PDF"), QStringLiteral("PDF 文件 (*.pdf)"),
        QStringLiteral("pdf"), QStringLiteral("收藏的名字.pdf"));
    if (!path.isEmpty()) {
        exportPdf(path);
    }
}

void FavouritesPage::printFavourites() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window());
    dialog.setObjectName(QStringLiteral("打印对话框"));
    if (dialog.exec() == QDialog::Accepted) {
        FavouritesPrinter(m_context.interfaceConnection(), m_context.knowledge())
            .paint(printer, m_favourites.list().all());
    }
}

} // namespace namewright
