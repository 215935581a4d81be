#include "calendar/LunarTexts.h"

#include "calendar/LunarConversion.h"
#include "calendar/Pillars.h"

#include <array>
#include <cstddef>

namespace namewright {
namespace {

constexpr std::array<std::string_view, 9> kDigits{"一", "二", "三", "四", "五", "六", "七", "八", "九"};

constexpr std::array<std::string_view, 12> kAnimals{"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                    "马", "羊", "猴", "鸡", "狗", "猪"};

constexpr std::array<std::string_view, 12> kMonthNames{"正月", "二月", "三月", "四月", "五月", "六月",
                                                       "七月", "八月", "九月", "十月", "冬月", "腊月"};

// Days 1-10 carry 初; day 20 reads 廿十 (廿 and the numeral's last character), not 二十.
constexpr std::array<std::string_view, 30> kDayNames{"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                                     "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                                     "十七", "十八", "十九", "廿十", "廿一", "廿二", "廿三", "廿四",
                                                     "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr std::string_view kLeap = "闰";

/// The era year text with its "年 " for lunar years 1881..1948, nothing for later years.
void appendEraYear(std::string& text, int lunarYear) {
    if (lunarYear >= 1949) {
        return;
    }
    if (lunarYear <= 1908) {
        text += "光绪";
        text += chineseNumeral(lunarYear - 1874);
    } else if (lunarYear == 1909) {
        text += "宣统元";
    } else if (lunarYear <= 1911) {
        text += "宣统";
        text += chineseNumeral(lunarYear - 1908);
    } else if (lunarYear == 1912) {
        text += "民国元";
    } else {
        text += "民国";
        text += chineseNumeral(lunarYear - 1911);
    }
    text += "年 ";
}

void appendFourDigits(std::string& text, int number) {
    const char digits[4] = {static_cast<char>('0' + number / 1000 % 10), static_cast<char>('0' + number / 100 % 10),
                            static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
    text.append(digits, 4);
}

std::string_view monthNameOf(const LunarDate& date) {
    return kMonthNames[static_cast<std::size_t>(date.lunarMonth - 1)];
}

std::string_view dayNameOf(const LunarDate& date) {
    return kDayNames[static_cast<std::size_t>(date.lunarDay - 1)];
}

} // namespace

std::string chineseNumeral(int n) {
    if (n < 1 || n > 99) {
        return {};
    }
    std::string numeral;
    const int tens = n / 10;
    const int units = n % 10;
    if (tens > 0) {
        numeral += kDigits[static_cast<std::size_t>(tens - 1)];
        numeral += "十";
    }
    if (units > 0) {
        numeral += kDigits[static_cast<std::size_t>(units - 1)];
    }
    return numeral;
}

std::string_view zodiacAnimalOfBranch(std::string_view branch) {
    for (std::size_t i = 0; i < kEarthlyBranches.size(); ++i) {
        if (branch == kEarthlyBranches[i]) {
            return kAnimals[i];
        }
    }
    return {};
}

std::string LunarMonthName(const LunarDate& date) {
    if (date.outOfRange) {
        return {};
    }
    std::string name;
    if (date.isLeap) {
        name += kLeap;
    }
    name += monthNameOf(date);
    return name;
}

std::string LunarDayName(const LunarDate& date) {
    if (date.outOfRange) {
        return {};
    }
    return std::string(dayNameOf(date));
}

std::string ConvertToLunarText(int year, int month, int day, int hour, const YearWarningHandler& warn) {
    CheckYearRange(year, warn);
    const LunarDate date = SolarToLunar(year, month, day);
    if (date.outOfRange) {
        return std::string(kOutOfRangeText);
    }
    const std::string_view branch = YearPillar(date).substr(3);
    std::string text;
    text.reserve(80);
    appendFourDigits(text, date.lunarYear);
    text += "年  ";
    appendEraYear(text, date.lunarYear);
    text += branch;
    text += zodiacAnimalOfBranch(branch);
    text += "年 ";
    if (date.isLeap) {
        text += kLeap;
    }
    text += monthNameOf(date);
    text += ' ';
    text += dayNameOf(date);
    text += ' ';
    text += HourBranch(hour).text;
    text += "时";
    return text;
}

std::string ConvertToFourPillars(int year, int month, int day, int hour, const YearWarningHandler& warn) {
    CheckYearRange(year, warn);
    const LunarDate date = SolarToLunar(year, month, day);
    if (date.outOfRange) {
        return std::string(kOutOfRangeText);
    }
    const std::string_view dayPillar = DayPillar(date);
    std::string text;
    text.reserve(48);
    text += YearPillar(date);
    text += "年 ";
    text += MonthPillar(date);
    text += "月 ";
    text += dayPillar;
    text += "日 ";
    text += HourPillar(dayPillar, hour);
    text += "时";
    return text;
}

} // namespace namewright
