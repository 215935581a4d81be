#include "app/ShortlistColumnChooser.h"

#include "app/models/TextConversion.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace namewright {

namespace {

constexpr auto kHiddenKey = "shortlist/hiddenColumns";

/// The widest text a column shows: a compound surname with two given characters, three-digit scores and counts, three
/// elements, five stars, the pinyin of a compound name.
QString widestValue(ShortlistColumn column) {
    switch (column) {
    case ShortlistColumn::Name:
        return QStringLiteral("欧阳子涵");
    case ShortlistColumn::Score:
    case ShortlistColumn::Draws:
    case ShortlistColumn::CompoundSurnameScore:
        return QStringLiteral("100");
    case ShortlistColumn::ThreeTalentsKey:
    case ShortlistColumn::ElementText:
        return QStringLiteral("土土木");
    case ShortlistColumn::Favourite:
        return QString(5, QChar(0x2605));
    case ShortlistColumn::Pinyin:
        return QStringLiteral("ōuyáng zǐhán");
    case ShortlistColumn::Recommended:
        return QStringLiteral("100 贬");
    default:
        return QStringLiteral("88");
    }
}

} // namespace

ShortlistColumnChooser::ShortlistColumnChooser(QTableView& table) : QObject(&table), m_table(table) {
    const QStringList hidden = QSettings().value(QString::fromLatin1(kHiddenKey)).toStringList();
    for (std::size_t c = 0; c < kShortlistColumnCount; ++c) {
        const auto column = static_cast<ShortlistColumn>(c);
        m_hiddenByChoice[c] =
            column != ShortlistColumn::Name && hidden.contains(toQString(shortlistColumnTitle(column)));
        m_table.setColumnWidth(static_cast<int>(c), fittedWidth(column));
    }
    QHeaderView* header = m_table.horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, &ShortlistColumnChooser::showMenu);
    apply();
}

int ShortlistColumnChooser::fittedWidth(ShortlistColumn column) const {
    const QHeaderView* header = m_table.horizontalHeader();
    // The header's own size hint makes room for a sort arrow beside the title in every column; the style draws the
    // arrow above the title, so the title's text and the header margins are what a column needs.
    const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    // Each with 2 pixels to spare for rounding at fractional scales.
    const int title =
        header->fontMetrics().horizontalAdvance(toQString(shortlistColumnTitle(column))) + 2 * headerMargin + 2;
    // A cell's text keeps the focus frame's margin and one pixel on each side.
    const int cellMargin = m_table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &m_table) + 1;
    const int value = m_table.fontMetrics().horizontalAdvance(widestValue(column)) + 2 * cellMargin + 2;
    return std::max(title, value);
}

int ShortlistColumnChooser::shownColumnsWidth() const {
    int width = 0;
    for (std::size_t c = 0; c < kShortlistColumnCount; ++c) {
        // Not the columns' own widths: a hidden column's is 0.
        width += m_hiddenByChoice[c] || m_unavailable[c] ? 0 : fittedWidth(static_cast<ShortlistColumn>(c));
    }
    return width;
}

void ShortlistColumnChooser::setAvailable(ShortlistColumn column, bool available) {
    m_unavailable[static_cast<std::size_t>(column)] = !available;
    apply();
}

void ShortlistColumnChooser::setChosen(ShortlistColumn column, bool shown) {
    if (column == ShortlistColumn::Name) {
        return; // a row without its name says nothing
    }
    m_hiddenByChoice[static_cast<std::size_t>(column)] = !shown;
    QStringList hidden;
    for (std::size_t c = 0; c < kShortlistColumnCount; ++c) {
        if (m_hiddenByChoice[c]) {
            hidden << toQString(shortlistColumnTitle(static_cast<ShortlistColumn>(c)));
        }
    }
    QSettings().setValue(QString::fromLatin1(kHiddenKey), hidden);
    apply();
}

void ShortlistColumnChooser::apply() {
    for (std::size_t c = 0; c < kShortlistColumnCount; ++c) {
        m_table.setColumnHidden(static_cast<int>(c), m_unavailable[c] || m_hiddenByChoice[c]);
    }
}

void ShortlistColumnChooser::showMenu(QPoint at) {
    menu()->exec(m_table.horizontalHeader()->mapToGlobal(at));
}

std::unique_ptr<QMenu> ShortlistColumnChooser::menu() {
    auto menu = std::make_unique<QMenu>(&m_table);
    menu->setObjectName(QStringLiteral("名单列菜单"));
    menu->addSection(QStringLiteral("显示的列"));
    for (std::size_t c = 0; c < kShortlistColumnCount; ++c) {
        const auto column = static_cast<ShortlistColumn>(c);
        QAction* action = menu->addAction(toQString(shortlistColumnTitle(column)));
        action->setCheckable(true);
        action->setChecked(!m_hiddenByChoice[c]);
        action->setEnabled(column != ShortlistColumn::Name && !m_unavailable[c]);
        if (m_unavailable[c]) {
            action->setToolTip(QStringLiteral("本轮没有这一列的数据"));
        }
        connect(action, &QAction::toggled, this, [this, column](bool shown) { setChosen(column, shown); });
    }
    return menu;
}

} // namespace namewright
