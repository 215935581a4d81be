#include "chart/SeriesSolarTermChart.h"

#include "text/WholeNumber.h"

#include <algorithm>

namespace namewright {

namespace {

/// A minute 0..59 written in decimal digits (spaces around allowed); nothing for anything else.
std::optional<int> minuteOf(std::string_view text) {
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

} // namespace

SeriesSolarTermChart seriesSolarTermChart(const BirthMomentTexts& moment, std::string_view minuteText) {
    SeriesSolarTermChart out;
    const std::optional<int> minute = minuteOf(minuteText);
    out.minuteFromBox = minute.has_value();
    out.minute = minute.value_or(0);
    const BeijingTime birth{
        GregorianDate{wholeNumberOrZero(moment.year), wholeNumberOrZero(moment.month), wholeNumberOrZero(moment.day)},
        wholeNumberOrZero(moment.hour), out.minute};
    out.chart = solarTermChartOf(birth);
    return out;
}

} // namespace namewright
