#include "app/LunarCalendarDialog.h"

#include "app/Controls.h"
#include "app/LunarMonthCalendar.h"
#include "app/WindowBackground.h"

namespace namewright {

LunarCalendarDialog::LunarCalendarDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(emptyWindowTitle());
    setFixedSize(439, 346);
    move(50, 50);
    setWindowBackground(this);
    m_calendar = new LunarMonthCalendar(this);
    m_calendar->setObjectName(QStringLiteral("农历月历1"));
    m_calendar->setGeometry(32, 24, 365, 262);
}

} // namespace namewright
