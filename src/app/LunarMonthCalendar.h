#pragma once
// A month calendar of Gregorian days, each with a mark under the day number: its lunar day (初一 .. 三十), on the
// first day of a lunar month the month's name (正月, 闰四月, 腊月 ...), on the day of a solar term the term's name
// (coloured green) and on a traditional festival its name (coloured red). A tooltip gives the lunar date, the day
// pillar and, on a term's day, the term's moment in Beijing time. It navigates the dates the lunar table covers,
// 1881-01-30 to 2060-12-31.

#include <QCalendarWidget>
#include <QColor>
#include <QRect>
#include <QVector>

#include <utility>

namespace namewright {

class LunarMonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    explicit LunarMonthCalendar(QWidget* parent = nullptr);

    /// The text shown under a Gregorian day (festival, solar term or lunar day); empty outside the covered dates.
    static QString lunarCaption(QDate date);
    /// The tooltip of a day; empty outside the covered dates.
    static QString dayTooltip(QDate date);
    /// The colour of the mark under the day number when the day is neither selected nor outside the shown month:
    /// red for a festival, green for a solar term, orange for the first day of a lunar month, else `normal`.
    static QColor markColour(QDate date, const QColor& normal);

    /// The day whose cell holds `viewportPoint` in the last painted month (null when none).
    QDate dateAt(QPoint viewportPoint) const;

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_viewport = nullptr;
    // The cells as last painted, in viewport coordinates: the calendar does not tell where a date sits.
    mutable QVector<std::pair<QRect, QDate>> m_cells;
};

} // namespace namewright
