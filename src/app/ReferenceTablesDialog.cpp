#include "app/ReferenceTablesDialog.h"

#include "app/Controls.h"
#include "app/WindowBackground.h"
#include "app/models/ReferenceTableModel.h"
#include "reports/ReferenceTables.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace namewright {

ReferenceTablesDialog::ReferenceTablesDialog(const std::string& selector, const std::filesystem::path& databaseFile,
                                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(emptyWindowTitle());
    setFixedSize(600, 436);
    move(50, 50);
    setWindowBackground(this);

    auto* caption = new QLabel(QStringLiteral("详细内容如下表："), this);
    caption->setObjectName(QStringLiteral("标签1"));
    caption->setGeometry(8, 8, 104, 24);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("高级表格1"));
    m_grid->setGeometry(8, 32, 576, 360);
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::AlternateBase, QColor(0xEC, 0xEC, 0xEC));
    m_grid->setPalette(palette);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // The luck word "半吉" must fit its 30-pixel column.
    QFont gridFont = m_grid->font();
    gridFont.setPixelSize(11);
    m_grid->setFont(gridFont);
    m_grid->verticalHeader()->setDefaultSectionSize(20);

    ReferenceTables tables(databaseFile);
    auto* model = new ReferenceTableModel(tables.list(selector), this);
    m_grid->setModel(model);
    m_grid->horizontalHeader()->setMinimumSectionSize(20);
    const auto& widths = model->listing().columnWidths;
    const QHeaderView* header = m_grid->horizontalHeader();
    const int headerMargins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (widths[column]) {
            // A column narrower than its title ("数理序号" in 30 pixels showed as "理序") is widened to the title.
            const int title = header->fontMetrics().horizontalAdvance(
                                  model->headerData(static_cast<int>(column), Qt::Horizontal).toString()) +
                              headerMargins;
            m_grid->setColumnWidth(static_cast<int>(column), std::max(*widths[column], title));
        }
    }
    if (model->listing().isEmpty()) {
        m_grid->horizontalHeader()->hide();
    }
}

} // namespace namewright
