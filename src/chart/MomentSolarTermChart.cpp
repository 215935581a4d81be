#include "chart/MomentSolarTermChart.h"

#include "text/WholeNumber.h"

#include <algorithm>

namespace namewright {

std::optional<int> minuteOfText(std::string_view text) {
    const auto digits = [](std::string_view t) {
        return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!digits(text) || text.size() > 2) {
        return std::nullopt;
    }
    const int minute = wholeNumberOrZero(text);
    return minute <= 59 ? std::optional<int>(minute) : std::nullopt;
}

MomentSolarTermChart momentSolarTermChart(const BirthMomentTexts& moment) {
    MomentSolarTermChart out;
    const std::optional<int> minute = minuteOfText(moment.minute);
    out.minuteFromBox = minute.has_value();
    out.minute = minute.value_or(0);
    const BeijingTime birth{
        GregorianDate{wholeNumberOrZero(moment.year), wholeNumberOrZero(moment.month), wholeNumberOrZero(moment.day)},
        wholeNumberOrZero(moment.hour), out.minute};
    out.chart = solarTermChartOf(birth);
    return out;
}

} // namespace namewright
