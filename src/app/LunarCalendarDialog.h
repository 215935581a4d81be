#pragma once
// The lunar calendar window: a month calendar with the lunar date of every day.

#include <QDialog>

namespace namewright {

class LunarMonthCalendar;

class LunarCalendarDialog : public QDialog {
    Q_OBJECT

public:
    explicit LunarCalendarDialog(QWidget* parent);

    LunarMonthCalendar* calendar() const { return m_calendar; }

private:
    LunarMonthCalendar* m_calendar = nullptr;
};

} // namespace namewright
