#include "calendar/LunarTexts.h"

#include "calendar/LunarConversion.h"
#include "calendar/Pillars.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace namewright {
namespace {

constexpr std::array<std::string_view, 9> kDigits{"一", "二", "三", "四", "五", "六", "七", "八", "九"};

constexpr std::array<std::string_view, 12> kMonthNames{"正月", "二月", "三月", "四月", "五月", "六月",
                                                       "七月", "八月", "九月", "十月", "冬月", "腊月"};

// Days 1-10 carry 初; day 20 reads 廿十 (廿 and the numeral's last character), not 二十.
constexpr std::array<std::string_view, 30> kDayNames{"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                                     "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                                     "十七", "十八", "十九", "廿十", "廿一", "廿二", "廿三", "廿四",
                                                     "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr std::string_view kLeap = "闰";

/// A text assembled in place and copied out once. A lunar date text takes at most 61 bytes of UTF-8 (a five-character
/// era year such as 光绪三十四 and a leap month), a four pillars text 39; anything past the buffer would be dropped.
class TextBuilder {
public:
    void append(std::string_view piece) {
        const std::size_t length = std::min(piece.size(), m_bytes.size() - m_size);
        std::copy_n(piece.data(), length, m_bytes.data() + m_size);
        m_size += length;
    }

    std::string text() const { return std::string(m_bytes.data(), m_size); }

private:
    std::array<char, 96> m_bytes{};
    std::size_t m_size = 0;
};

void appendNumeral(TextBuilder& text, int n) {
    const int tens = n / 10;
    const int units = n % 10;
    if (tens > 0) {
        text.append(kDigits[static_cast<std::size_t>(tens - 1)]);
        text.append("十");
    }
    if (units > 0) {
        text.append(kDigits[static_cast<std::size_t>(units - 1)]);
    }
}

/// The era year text with its "年 " for lunar years 1881..1948, nothing for later years.
void appendEraYear(TextBuilder& text, int lunarYear) {
    if (lunarYear >= 1949) {
        return;
    }
    if (lunarYear <= 1908) {
        text.append("光绪");
        appendNumeral(text, lunarYear - 1874);
    } else if (lunarYear == 1909) {
        text.append("宣统元");
    } else if (lunarYear <= 1911) {
        text.append("宣统");
        appendNumeral(text, lunarYear - 1908);
    } else if (lunarYear == 1912) {
        text.append("民国元");
    } else {
        text.append("民国");
        appendNumeral(text, lunarYear - 1911);
    }
    text.append("年 ");
}

void appendFourDigits(TextBuilder& text, int number) {
    const char digits[4] = {static_cast<char>('0' + number / 1000 % 10), static_cast<char>('0' + number / 100 % 10),
                            static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
    text.append(std::string_view(digits, 4));
}

std::string_view monthNameOf(const LunarDate& date) {
    return kMonthNames[static_cast<std::size_t>(date.lunarMonth - 1)];
}

std::string_view dayNameOf(const LunarDate& date) {
    return kDayNames[static_cast<std::size_t>(date.lunarDay - 1)];
}

} // namespace

std::string ChineseNumeral(int n) {
    if (n < 1 || n > 99) {
        return {};
    }
    TextBuilder numeral;
    appendNumeral(numeral, n);
    return numeral.text();
}

std::string lunarMonthName(const LunarDate& date) {
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

std::string lunarDayName(const LunarDate& date) {
    if (date.outOfRange) {
        return {};
    }
    return std::string(dayNameOf(date));
}

std::string ConvertToLunarText(const LunarDate& date, EarthlyBranch hourBranch) {
    const std::optional<SexagenaryPair> yearPillar = YearPillar(date);
    if (!yearPillar) {
        return std::string(kOutOfRangeText);
    }
    const EarthlyBranch branch = yearPillar->branch();
    TextBuilder text;
    appendFourDigits(text, date.lunarYear);
    text.append("年  ");
    appendEraYear(text, date.lunarYear);
    text.append(branch.text());
    text.append(branch.animal());
    text.append("年 ");
    if (date.isLeap) {
        text.append(kLeap);
    }
    text.append(monthNameOf(date));
    text.append(" ");
    text.append(dayNameOf(date));
    text.append(" ");
    text.append(hourBranch.text());
    text.append("时");
    return text.text();
}

std::string ConvertToFourPillars(const std::optional<FourPillars>& pillars) {
    if (!pillars) {
        return std::string(kOutOfRangeText);
    }
    TextBuilder text;
    text.append(pillars->year.text());
    text.append("年 ");
    text.append(pillars->month.text());
    text.append("月 ");
    text.append(pillars->day.text());
    text.append("日 ");
    text.append(pillars->hour.text());
    text.append("时");
    return text.text();
}

std::string ConvertToLunarText(int year, int month, int day, int hour, const YearWarningHandler& warn) {
    CheckYearRange(year, month, day, warn);
    return ConvertToLunarText(SolarToLunar(year, month, day), HourBranch(hour));
}

std::string ConvertToFourPillars(int year, int month, int day, int hour, const YearWarningHandler& warn) {
    CheckYearRange(year, month, day, warn);
    return ConvertToFourPillars(fourPillarsOf(SolarToLunar(year, month, day), hour));
}

} // namespace namewright
