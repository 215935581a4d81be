#pragma once
// A month calendar of Gregorian days, each with its lunar day (初一 .. 三十) under the day number; on the first day
// of a lunar month the month's name takes the place of 初一 (正月, 闰四月, 腊月 ...). It navigates the dates the
// lunar table covers, 1881-01-30 to 2060-12-31.

#include <QCalendarWidget>

namespace namewright {

class LunarMonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit LunarMonthCalendar(QWidget* parent = nullptr);

    /// The lunar text shown under a Gregorian day; empty outside the covered dates.
    static QString lunarCaption(QDate date);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
};

} // namespace namewright
