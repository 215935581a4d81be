#include "calendar/BeijingTime.h"

#include <cstdio>

namespace namewright {

std::string beijingTimeText(const BeijingTime& time) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.date.year, time.date.month, time.date.day,
                  time.hour, time.minute);
    return text;
}

} // namespace namewright
