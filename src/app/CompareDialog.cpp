#include "app/CompareDialog.h"

#include "app/DetailsTexts.h"
#include "app/models/TextConversion.h"
#include "db/NamingDatabase.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace namewright {

namespace {

/// "16（吉）": a grid number with the luck word of its `sl` row; the number alone without one.
QString withLuck(const std::string& value, const std::optional<std::string>& luck) {
    QString text = toQString(value);
    if (luck && !luck->empty()) {
        text += QStringLiteral("（") + toQString(*luck) + QStringLiteral("）");
    }
    return text;
}

} // namespace

CompareDialog::CompareDialog(const std::vector<Favourite>& favourites, NamingDatabase& database,
                             const KnowledgeBase& knowledge, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("比较收藏"));
    setObjectName(QStringLiteral("比较窗口"));
    const QStringList rows{QStringLiteral("姓名"), QStringLiteral("分数"), QStringLiteral("天格"),
                           QStringLiteral("人格"), QStringLiteral("地格"), QStringLiteral("外格"),
                           QStringLiteral("总格"), QStringLiteral("三才"), QStringLiteral("五行"),
                           QStringLiteral("星级"), QStringLiteral("备注"), QStringLiteral("字义")};
    m_table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(favourites.size()), this);
    m_table->setObjectName(QStringLiteral("比较表格"));
    m_table->setVerticalHeaderLabels(rows);
    m_table->horizontalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    for (int column = 0; column < static_cast<int>(favourites.size()); ++column) {
        const Favourite& f = favourites[static_cast<std::size_t>(column)];
        const auto set = [&](int row, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(text); // a long note is cut to its row's one line; the tooltip shows it whole
            m_table->setItem(row, column, item);
        };
        set(0, toQString(f.name()));
        set(1, toQString(f.cells[ResultColumn::Score]));
        const ResultColumn grids[] = {ResultColumn::Heaven, ResultColumn::Person, ResultColumn::Earth,
                                      ResultColumn::Outer, ResultColumn::Total};
        for (int i = 0; i < 5; ++i) {
            const std::string& number = f.cells[grids[i]];
            const auto row = database.numerologyRow(number);
            set(2 + i, withLuck(number, row ? std::optional<std::string>(row->luck) : std::nullopt));
        }
        const std::string& key = f.cells[ResultColumn::ThreeTalentsKey];
        const auto keyRow = database.threeTalentsRow(key);
        set(7, withLuck(key, keyRow ? std::optional<std::string>(keyRow->luck) : std::nullopt));
        set(8, toQString(f.cells[ResultColumn::ElementText]));
        set(9, QString(f.stars, QChar(0x2605)));
        set(10, toQString(f.note));
        set(11, givenMeaningsText(knowledge, f.given));
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // One line per row, every row as high: the table reads as a grid, and its height is known before it is shown.
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 12);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("关闭按钮"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    // Wide enough for each name's column, and as high as the rows and the button need.
    const QSize fit = sizeHint();
    resize(std::max(fit.width(), 160 + 150 * static_cast<int>(favourites.size())), fit.height());
}

} // namespace namewright
