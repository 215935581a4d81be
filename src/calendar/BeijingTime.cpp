#include "calendar/BeijingTime.h"

#include <cstdio>

namespace namewright {

namespace {

/// Writes `value` 0..10^width-1 as `width` digits with leading zeros.
char* digits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

constexpr bool within(int value, int largest) {
    return value >= 0 && value <= largest;
}

} // namespace

std::string beijingTimeText(const BeijingTime& time) {
    // Written digit by digit: the solar-term listing prints thousands of these, and snprintf costs ten times as much.
    if (within(time.date.year, 9999) && within(time.date.month, 99) && within(time.date.day, 99) &&
        within(time.hour, 99) && within(time.minute, 99)) {
        char text[16];
        char* out = digits(text, time.date.year, 4);
        *out++ = '-';
        out = digits(out, time.date.month, 2);
        *out++ = '-';
        out = digits(out, time.date.day, 2);
        *out++ = ' ';
        out = digits(out, time.hour, 2);
        *out++ = ':';
        out = digits(out, time.minute, 2);
        return std::string(text, out);
    }
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.date.year, time.date.month, time.date.day,
                  time.hour, time.minute);
    return text;
}

} // namespace namewright
