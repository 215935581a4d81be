#include "app/LunarMonthCalendar.h"

#include "app/TextConversion.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"

#include <QPainter>
#include <QTextCharFormat>

namespace namewright {

LunarMonthCalendar::LunarMonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setDateRange(QDate(1881, 1, 30), QDate(2060, 12, 31));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setFirstDayOfWeek(Qt::Monday);
    setLocale(QLocale(QLocale::Chinese, QLocale::China)); // month and weekday names in Chinese
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
}

QString LunarMonthCalendar::lunarCaption(QDate date) {
    const LunarDate lunar = SolarToLunar(date.year(), date.month(), date.day());
    if (lunar.outOfRange) {
        return {};
    }
    return toQString(lunar.lunarDay == 1 ? lunarMonthName(lunar) : lunarDayName(lunar));
}

void LunarMonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
    const bool selected = date == selectedDate();
    painter->save();
    if (selected) {
        painter->fillRect(rect.adjusted(1, 1, -1, -1), palette().highlight());
    }
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

    const QDate first = minimumDate();
    const QDate last = maximumDate();
    if (date >= first && date <= last) {
        const LunarDate lunar = SolarToLunar(date.year(), date.month(), date.day());
        QColor lunarColour = dayColour;
        if (lunar.lunarDay == 1 && !selected) {
            lunarColour = QColor(190, 90, 0); // the start of a lunar month stands out
        }
        lunarColour.setAlpha(inMonth ? 255 : 90);
        QFont lunarFont = painter->font();
        lunarFont.setBold(false);
        lunarFont.setPointSizeF(lunarFont.pointSizeF() * 0.8);
        painter->setFont(lunarFont);
        painter->setPen(lunarColour);
        const QRect lower(rect.left(), rect.top() + rect.height() / 2, rect.width(), rect.height() / 2 - 1);
        painter->drawText(lower, Qt::AlignHCenter | Qt::AlignTop, lunarCaption(date));
    }
    painter->restore();
}

} // namespace namewright
