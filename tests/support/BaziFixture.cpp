#include "support/BaziFixture.h"

#include <array>
#include <string_view>

namespace namewright::testing {

namespace {

constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 10> kStemElements{"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
constexpr std::array<std::string_view, 12> kBranchElements{"水", "土", "木", "木", "土", "火",
                                                           "火", "土", "金", "金", "土", "水"};
constexpr std::array<std::string_view, 30> kNayin{
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

std::size_t stemOf(int position) {
    return static_cast<std::size_t>((position - 1) % 10);
}

std::size_t branchOf(int position) {
    return static_cast<std::size_t>((position - 1) % 12);
}

} // namespace

std::string pairText(int position) {
    return std::string(kStems[stemOf(position)]) + std::string(kBranches[branchOf(position)]);
}

BaziRow baziRowOf(int position) {
    return BaziRow{std::string(kStemElements[stemOf(position)]) + std::string(kBranchElements[branchOf(position)]),
                   std::string(kNayin[static_cast<std::size_t>((position - 1) / 2)])};
}

void fillBazi(TempDatabase& file, const std::set<int>& leaveOut) {
    std::string sql = "BEGIN;";
    for (int position = 1; position <= 60; ++position) {
        if (leaveOut.count(position) != 0) {
            continue;
        }
        const BaziRow row = baziRowOf(position);
        sql += "INSERT INTO bazi VALUES ('" + pairText(position) + "', '" + row.elements + "', '" + row.nayin + "');";
    }
    file.exec(sql + "COMMIT;");
}

} // namespace namewright::testing
