#include "cli/InputValues.h"

#include "calendar/LunarYearTable.h"
#include "text/GbkText.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace namewright::cli {

namespace {

/// A number of 1 to `maxDigits` decimal digits, nothing else.
std::optional<int> digits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    return value;
}

} // namespace

Checked<GregorianDate> calendarDate(std::string_view text, int firstYear, int lastYear) {
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos) {
        return {std::nullopt, "the date must read YYYY-MM-DD"};
    }
    const auto year = digits(text.substr(0, first), 4);
    const auto month = digits(text.substr(first + 1, second - first - 1), 2);
    const auto day = digits(text.substr(second + 1), 2);
    if (!year || !month || !day) {
        return {std::nullopt, "the date must read YYYY-MM-DD"};
    }
    if (!isRealGregorianDate(*year, *month, *day)) {
        return {std::nullopt, std::string(text) + " is no date of the calendar"};
    }
    if (*year < firstYear || *year > lastYear) {
        return {std::nullopt,
                "the year must lie from " + std::to_string(firstYear) + " to " + std::to_string(lastYear)};
    }
    return {GregorianDate{*year, *month, *day}, {}};
}

Checked<GregorianDate> birthDate(std::string_view text) {
    return calendarDate(text, kFirstLunarYear, kLastLunarYear);
}

Checked<int> birthHour(std::string_view text) {
    const auto hour = digits(text, 2);
    if (!hour || *hour > 23) {
        return {std::nullopt, "the hour must be a whole number from 0 to 23"};
    }
    return {*hour, {}};
}

Checked<int> birthMinute(std::string_view text) {
    const auto minute = digits(text, 2);
    if (!minute || *minute > 59) {
        return {std::nullopt, "the minute must be a whole number from 0 to 59"};
    }
    return {*minute, {}};
}

Checked<int> yearNumber(std::string_view text, int firstYear, int lastYear) {
    const auto year = digits(text, 4);
    if (!year || *year < firstYear || *year > lastYear) {
        return {std::nullopt, "the year must be a whole number from " + std::to_string(firstYear) + " to " +
                                  std::to_string(lastYear)};
    }
    return {*year, {}};
}

Checked<double> longitudeDegrees(std::string_view text) {
    const std::string_view unsignedPart = text.starts_with('-') || text.starts_with('+') ? text.substr(1) : text;
    // Only plain decimals: from_chars alone would also take "inf", "nan" and, for '+', nothing at all.
    const bool plain = !unsignedPart.empty() && std::isdigit(static_cast<unsigned char>(unsignedPart.front())) &&
                       unsignedPart.find_first_not_of("0123456789.") == std::string_view::npos &&
                       std::count(unsignedPart.begin(), unsignedPart.end(), '.') <= 1 && !unsignedPart.ends_with('.');
    double value = 0.0;
    if (plain) {
        const auto [end, error] = std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value,
                                                  std::chars_format::fixed);
        if (error == std::errc{} && end == unsignedPart.data() + unsignedPart.size() && value <= 180.0) {
            return {text.starts_with('-') ? -value : value, {}};
        }
    }
    return {std::nullopt, "the longitude must be a number of degrees east from -180 to 180 (116.4, -73.5)"};
}

BirthMomentTexts momentTexts(const GregorianDate& date, int hour) {
    return BirthMomentTexts{std::to_string(date.year), std::to_string(date.month), std::to_string(date.day),
                            std::to_string(hour)};
}

Checked<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t largest) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool onlyDigits = !text.empty() && text.front() != '-' && text.front() != '+';
    if (!onlyDigits || error != std::errc{} || end != text.data() + text.size() || value > largest) {
        return {std::nullopt, "must be a whole number from 0 to " + std::to_string(largest)};
    }
    return {value, {}};
}

bool isUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceLength(text, pos);
        // A byte of its own that is not ASCII is one that starts no well-formed sequence.
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
            return false;
        }
        pos += length;
    }
    return true;
}

} // namespace namewright::cli
