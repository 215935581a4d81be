#include "calendar/LunarYearTable.h"

#include <cstddef>

namespace namewright {
namespace {

// Entry k is lunar year 1880 + k.
//
// 1989, 2013, 2019, 2021, 2029, 2031, 2033 and 2047 were checked day by day against the official calendar: copies
// of this table in circulation carry wrong month digits (and for 2029 a wrong new year) for them, which put
// 2013-06-08 in the fourth month instead of on 五月初一, 2034-01-20 in a leap eleventh month instead of on 腊月初一,
// and leave 2029-02-13, 2029-02-14, 2032-02-09, 2032-02-10 and 2048-02-13 in no month at all.
// 1914, 1915, 1916 and 1920 are kept as the almanacs of their time printed them: before 1929 they reckoned at
// Beijing's own meridian, so a few of their month boundaries lie one day off a reckoning at 120 degrees east.
constexpr std::array<std::string_view, 180> kRecords{
    "18810130010101811010", "18820218010101011011", "18830208001001011101", "18840128100141011011",
    "18850215100100101011", "18860204101010010101", "18870124110810010101", "18880212101101001010",
    "18890131101101010101", "18900121081011010101", "18910209010101011011", "18920130001008110111",
    "18930217001001010111", "18940206010100101011", "18950126101080101010", "18960213111010010101",
    "18970202011010101010", "18980122108110101010", "18990210101010110101", "19000131010010181101",
    "19010219010010101110", "19020208101001010111", "19030129010141001101", "19040216110100100110",
    "19050204110110010101", "19060125011501010101", "19070213010101101010", "19080202100110101101",
    "19090122080101011101", "19100210010010101110", "19110130101008011011", "19120218101001001101",
    "19130206110100100101", "19140126110150101001", "19150214101101010101", "19160204010101101010",
    "19170123141011011010", "19180211100101011011", "19190201010010510111", "19200220010010011011",
    "19210208101001001011", "19220128101141001011", "19230216011010100101", "19240205011011010100",
    "19250124101510110101", "19260213001010110110", "19270202100101010111", "19280123080100101111",
    "19290210010010010111", "19300130011008010110", "19310217110101001010", "19320206111010100101",
    "19330126011090101001", "19340214010110101101", "19350204001010110110", "19360124105001101110",
    "19370211100100101110", "19380131110010501101", "19390219110010010101", "19400208110101001010",
    "19410127110115001010", "19420215101101010101", "19430205010101101010", "19440125101501011011",
    "19450213001001011101", "19460202100100101101", "19470122180100101011", "19480210101010010101",
    "19490129101101410101", "19500217011011001010", "19510206101101010101", "19520127010150110101",
    "19530214010011011010", "19540203101001011011", "19550124015001010111", "19560212010100101011",
    "19570131101010081010", "19580218111010010101", "19590208011010101010", "19600128101018101010",
    "19610215101010110101", "19620205010010110110", "19630125101410101110", "19640213101001010111",
    "19650202010100100110", "19660121118100100110", "19670209110110010101", "19680130010110810101",
    "19690217010101101010", "19700206100101101101", "19710127010081011101", "19720215010010101101",
    "19730203101001001101", "19740123110801001101", "19750211110100100101", "19760131110101080101",
    "19770218101101010100", "19780207101101101010", "19790128100109011010", "19800216100101011011",
    "19810205010010011011", "19820125101410010111", "19830213101001001011", "19840202101100100811",
    "19850220011010100101", "19860209011011010100", "19870129101018110100", "19880217101010110110",
    "19890206100101010111", "19900127010080101111", "19910215010010010111", "19920204011001001011",
    "19930123018101001010", "19940210111010100101", "19950131011010180101", "19960219010110101100",
    "19970207101010110110", "19980128100141101101", "19990216100100101110", "20000205110010010110",
    "20010124110810010101", "20020212110101001010", "20030201110110100101", "20040122081101010101",
    "20050209010101101010", "20060129101010811011", "20070218001001011101", "20080207100100101101",
    "20090126110080101011", "20100214101010010101", "20110203101101001010", "20120123101810101010",
    "20130210101011010101", "20140131010101018101", "20150219010010111010", "20160208101001011011",
    "20170128010105010111", "20180216010100101011", "20190205101010010011", "20200125011810010101",
    "20210212011010101010", "20220201101011010101", "20230122080110110101", "20240210010010110110",
    "20250129101008101110", "20260217101001001110", "20270206110100100110", "20280126111080100110",
    "20290213110101010011", "20300203010110101010", "20310123018101101010", "20320211100101101101",
    "20330131010010101181", "20340219010010101101", "20350208101001001101", "20360128110105001011",
    "20370215110100100101", "20380204110101010010", "20390124110181010100", "20400212101101011010",
    "20410201010101101101", "20420122080101011011", "20430210010010011011", "20440130101001410111",
    "20450217101001001011", "20460206101010100101", "20470126101150100101", "20480214011011010010",
    "20490202101011011010", "20500123015010110110", "20510211100100110111", "20520201010010081111",
    "20530219010010010111", "20540208011001001011", "20550128011015001010", "20560215111010100101",
    "20570204011010110010", "20580124101501101100", "20590212101010101110", "20600202100100101110",
};

constexpr int digitAt(std::string_view text, std::size_t pos) {
    return text[pos] >= '0' && text[pos] <= '9' ? text[pos] - '0' : -1;
}

constexpr int numberAt(std::string_view text, std::size_t pos, std::size_t length) {
    int value = 0;
    for (std::size_t i = pos; i < pos + length; ++i) {
        const int digit = digitAt(text, i);
        if (digit < 0) {
            return -1;
        }
        value = value * 10 + digit;
    }
    return value;
}

constexpr GregorianDate newYearDateOf(std::string_view record) {
    if (record.size() < 8) {
        return {};
    }
    const int year = numberAt(record, 0, 4);
    const int month = numberAt(record, 4, 2);
    const int day = numberAt(record, 6, 2);
    if (year < 0 || month < 0 || day < 0) {
        return {};
    }
    return GregorianDate{year, month, day};
}

constexpr int monthDigitOf(std::string_view record, int m) {
    if (m < 1 || m > 12 || record.size() < static_cast<std::size_t>(8 + m)) {
        return -1;
    }
    return digitAt(record, static_cast<std::size_t>(7 + m));
}

constexpr LunarYearMonths decode(std::string_view record) {
    LunarYearMonths year;
    auto append = [&year](int month, bool isLeap, int days) {
        year.months[static_cast<std::size_t>(year.count++)] = LunarMonthSpan{month, isLeap, days};
    };
    for (int m = 1; m <= 12; ++m) {
        switch (monthDigitOf(record, m)) {
        case 0:
            append(m, false, 29);
            break;
        case 1:
            append(m, false, 30);
            break;
        case 4:
            append(m, false, 29);
            append(m, true, 29);
            break;
        case 5:
            append(m, false, 29);
            append(m, true, 30);
            break;
        case 8:
            append(m, false, 30);
            append(m, true, 29);
            break;
        case 9:
            append(m, false, 30);
            append(m, true, 30);
            break;
        default:
            break;
        }
    }
    return year;
}

constexpr LunarYearLayout layoutOf(std::string_view record) {
    const LunarYearMonths months = decode(record);
    LunarYearLayout layout;
    layout.newYearDayCount = dayCountOf(newYearDateOf(record));
    layout.monthCount = months.count;
    for (int i = 0; i < months.count; ++i) {
        const LunarMonthSpan& span = months.months[static_cast<std::size_t>(i)];
        if (span.isLeap) {
            layout.leapAfter = span.month;
        }
        layout.monthStart[static_cast<std::size_t>(i + 1)] = layout.monthStart[static_cast<std::size_t>(i)] + span.days;
    }
    return layout;
}

constexpr std::array<LunarYearLayout, 180> layoutsOf(const std::array<std::string_view, 180>& records) {
    std::array<LunarYearLayout, 180> layouts{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        layouts[i] = layoutOf(records[i]);
    }
    return layouts;
}

constexpr std::array<LunarYearLayout, 180> kLayouts = layoutsOf(kRecords);

constexpr bool recordsAreWellFormed() {
    for (std::size_t i = 0; i < kRecords.size(); ++i) {
        if (kRecords[i].size() != 20 || numberAt(kRecords[i], 0, 4) != kFirstLunarYear + static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(recordsAreWellFormed(), "entry k must be the 20-digit record of lunar year 1880 + k");

constexpr bool eachYearEndsWhereTheNextBegins() {
    for (std::size_t i = 0; i + 1 < kLayouts.size(); ++i) {
        const LunarYearLayout& year = kLayouts[i];
        if (year.newYearDayCount + year.monthStart[static_cast<std::size_t>(year.monthCount)] !=
            kLayouts[i + 1].newYearDayCount) {
            return false;
        }
    }
    const LunarYearLayout& last = kLayouts.back();
    return last.newYearDayCount + last.monthStart[static_cast<std::size_t>(last.monthCount)] >
           dayCountOf(kLastLunarYear, 12, 31);
}
static_assert(eachYearEndsWhereTheNextBegins(), "every day from 1881-01-30 to 2060-12-31 must lie in one month");

} // namespace

std::string_view LunarYearRecord(int year) {
    if (year < kFirstLunarYear || year > kLastLunarYear) {
        return {};
    }
    return kRecords[static_cast<std::size_t>(year - kFirstLunarYear)];
}

GregorianDate NewYearDate(std::string_view record) {
    return newYearDateOf(record);
}

int MonthDigit(std::string_view record, int m) {
    return monthDigitOf(record, m);
}

LunarYearMonths decodeLunarYear(std::string_view record) {
    return decode(record);
}

const LunarYearLayout& lunarYearLayout(int year) {
    if (year < kFirstLunarYear) {
        return kLayouts.front();
    }
    if (year > kLastLunarYear) {
        return kLayouts.back();
    }
    return kLayouts[static_cast<std::size_t>(year - kFirstLunarYear)];
}

} // namespace namewright
