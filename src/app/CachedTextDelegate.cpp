#include "app/CachedTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include <cmath>
#include <utility>

namespace namewright {

namespace {

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

/// The rectangle the style sets a cell's text in: the cell less the focus frame's margin and a pixel on each side.
QRect textRectOf(const QStyleOptionViewItem& option) {
    const int margin = styleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    return option.rect.adjusted(margin, 0, -margin, 0);
}

bool needsStylePainting(const QStyleOptionViewItem& option) {
    constexpr auto kOwnFeatures =
        QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    return (option.features & kOwnFeatures) != QStyleOptionViewItem::None ||
           (option.state & (QStyle::State_HasFocus | QStyle::State_Editing)) != QStyle::State_None ||
           option.text.contains(QChar::LineSeparator) || option.text.contains(QLatin1Char('\n'));
}

} // namespace

const QStaticText* CachedTextDelegate::laidOut(const QStyleOptionViewItem& option, QRect place) const {
    if (option.font != m_font) {
        m_recent.clear();
        m_older.clear();
        m_font = option.font;
    }
    // The line takes the place's whole width and aligns the text in it, as the style lays a cell's text out.
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(option.direction, option.displayAlignment) & Qt::AlignHorizontal_Mask;
    Key key{option.text, place.width(), static_cast<int>(horizontal)};
    auto found = m_recent.find(key);
    if (found == m_recent.end()) {
        if (m_recent.size() >= kMostRecentTexts) {
            // A table streaming new names draws new texts all the time; the ones on screen stay among the recent.
            m_older = std::exchange(m_recent, {});
        }
        if (const auto older = m_older.find(key); older != m_older.end()) {
            found = m_recent.insert(key, *older);
        } else {
            QTextOption layoutOption(horizontal);
            layoutOption.setWrapMode(QTextOption::ManualWrap);
            layoutOption.setTextDirection(option.direction);
            QStaticText text(option.text);
            text.setTextFormat(Qt::PlainText);
            text.setTextOption(layoutOption);
            text.setTextWidth(place.width());
            text.setPerformanceHint(QStaticText::AggressiveCaching);
            text.prepare(QTransform(), m_font);
            found = m_recent.insert(key, text);
        }
    }
    // The laid-out text is as wide as its place, or wider where the text does not fit: the style elides those.
    return found->size().width() > place.width() ? nullptr : &*found;
}

void CachedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QRect place = textRectOf(cell);
    const auto paintAsTheStyle = [&] {
        ++m_plainPaints;
        QStyledItemDelegate::paint(painter, option, index);
    };
    if (needsStylePainting(cell)) {
        paintAsTheStyle();
        return;
    }
    const QStaticText* text = cell.text.isEmpty() ? nullptr : laidOut(cell, place);
    if (text == nullptr && !cell.text.isEmpty()) {
        paintAsTheStyle(); // too wide for its place: the style elides it
        return;
    }
    ++m_cachedPaints;
    // The background (alternating rows, the selection) as the style draws it, without the text (laid out already).
    cell.text.clear();
    cell.features &= ~QStyleOptionViewItem::HasDisplay;
    styleOf(cell)->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    if (text == nullptr) {
        return; // an empty cell
    }

    // The text in the style's pen, from the left of its place and as high as the vertical alignment puts its line.
    QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(cell.state & QStyle::State_Active)) {
        group = QPalette::Inactive;
    }
    const int height = static_cast<int>(std::ceil(text->size().height()));
    const QRect line = QStyle::alignedRect(cell.direction, cell.displayAlignment & Qt::AlignVertical_Mask,
                                           QSize(place.width(), height), place);
    painter->save();
    painter->setClipRect(cell.rect, Qt::IntersectClip);
    painter->setPen(
        cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(cell.font);
    painter->drawStaticText(QPointF(place.left(), line.top()), *text);
    painter->restore();
}

} // namespace namewright
