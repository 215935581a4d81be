#include "app/LunarMonthCalendar.h"

#include "app/models/TextConversion.h"
#include "calendar/CalendarDay.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolTip>

#include <optional>

namespace namewright {
namespace {

std::optional<CalendarDay> dayOf(QDate date) {
    if (!date.isValid()) {
        return std::nullopt;
    }
    return calendarDayOf(GregorianDate{date.year(), date.month(), date.day()});
}

} // namespace

LunarMonthCalendar::LunarMonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setDateRange(QDate(1881, 1, 30), QDate(2060, 12, 31));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The locale (month and weekday names in Chinese) comes before the first day of the week: a locale change resets
    // the first day without moving the view's selection, which then marked a second day beside today, the day
    // that stood in today's cell before the columns shifted.
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setFirstDayOfWeek(Qt::Monday);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    if (auto* view = findChild<QAbstractItemView*>()) {
        m_viewport = view->viewport();
        m_viewport->installEventFilter(this);
    }
    connect(this, &QCalendarWidget::currentPageChanged, this, [this] { m_cells.clear(); });
}

QString LunarMonthCalendar::lunarCaption(QDate date) {
    const std::optional<CalendarDay> day = dayOf(date);
    return day ? toQString(day->markText) : QString();
}

QString LunarMonthCalendar::dayTooltip(QDate date) {
    const std::optional<CalendarDay> day = dayOf(date);
    return day ? toQString(calendarDayTooltip(*day)) : QString();
}

QColor LunarMonthCalendar::markColour(QDate date, const QColor& normal) {
    const std::optional<CalendarDay> day = dayOf(date);
    if (!day) {
        return normal;
    }
    switch (day->mark) {
    case CalendarMark::Festival:
        return QColor(190, 20, 20);
    case CalendarMark::SolarTerm:
        return QColor(0, 120, 60);
    case CalendarMark::LunarDay:
        break;
    }
    return day->lunar.lunarDay == 1 ? QColor(190, 90, 0) : normal; // the start of a lunar month stands out
}

QDate LunarMonthCalendar::dateAt(QPoint viewportPoint) const {
    for (const auto& [rect, date] : m_cells) {
        if (rect.contains(viewportPoint)) {
            return date;
        }
    }
    return {};
}

bool LunarMonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = dayTooltip(dateAt(help->pos()));
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, m_viewport);
        }
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

void LunarMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    if (m_cells.size() >= 42) { // six weeks of seven days: a new round of painting
        m_cells.clear();
    }
    m_cells.append({rect, date});

    const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
    const bool selected = date == selectedDate();
    painter->save();
    // Every cell paints its whole background, so that the selected date alone is highlighted, whatever the view
    // underneath marks.
    painter->fillRect(rect, selected ? palette().highlight() : palette().base());
    QColor dayColour = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (date.dayOfWeek() >= 6 && !selected) {
        dayColour = QColor(180, 30, 30);
    }
    if (!inMonth) {
        dayColour.setAlpha(90);
    }
    QFont dayFont = painter->font();
    dayFont.setBold(date == QDate::currentDate());
    painter->setFont(dayFont);
    painter->setPen(dayColour);
    const QRect upper(rect.left(), rect.top() + 1, rect.width(), rect.height() / 2);
    painter->drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QString::number(date.day()));

    const QString caption = lunarCaption(date);
    if (!caption.isEmpty()) {
        const QColor normal = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor lunarColour = selected ? normal : markColour(date, normal);
        lunarColour.setAlpha(inMonth ? 255 : 90);
        QFont lunarFont = painter->font();
        lunarFont.setBold(false);
        lunarFont.setPointSizeF(lunarFont.pointSizeF() * 0.8);
        painter->setFont(lunarFont);
        painter->setPen(lunarColour);
        const QRect lower(rect.left(), rect.top() + rect.height() / 2, rect.width(), rect.height() / 2 - 1);
        painter->drawText(lower, Qt::AlignHCenter | Qt::AlignTop, caption);
    }
    painter->restore();
}

} // namespace namewright
