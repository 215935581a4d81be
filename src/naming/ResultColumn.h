#pragma once
// The nine columns of the result grid (结果表格), in grid order, and the texts of one row indexed by them. The grid
// shows one narrow empty column in front of them; that column is the window's and has no ResultColumn.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace namewright {

enum class ResultColumn : std::uint8_t {
    Name,            ///< 姓名: the display name
    Score,           ///< 分数
    Heaven,          ///< 天格
    Person,          ///< 人格
    Earth,           ///< 地格
    Outer,           ///< 外格
    Total,           ///< 总格
    ThreeTalentsKey, ///< 三才, e.g. "金土水"
    ElementText,     ///< 五行: the name's element text
};

inline constexpr std::size_t kResultColumnCount = 9;

/// Every column in grid order.
inline constexpr std::array<ResultColumn, kResultColumnCount> kResultColumns{
    ResultColumn::Name,   ResultColumn::Score,           ResultColumn::Heaven,
    ResultColumn::Person, ResultColumn::Earth,           ResultColumn::Outer,
    ResultColumn::Total,  ResultColumn::ThreeTalentsKey, ResultColumn::ElementText};

/// The 0-based place of a column among the nine.
constexpr std::size_t columnIndex(ResultColumn column) {
    return static_cast<std::size_t>(column);
}

/// The header title of a column: "姓名", "分数", "天格", "人格", "地格", "外格", "总格", "三才", "五行".
constexpr std::string_view resultColumnTitle(ResultColumn column) {
    constexpr std::array<std::string_view, kResultColumnCount> kTitles{"姓名", "分数", "天格", "人格", "地格",
                                                                       "外格", "总格", "三才", "五行"};
    return kTitles[columnIndex(column)];
}

/// The nine cell texts of one result row, in grid order; numbers are decimal text without leading zeros.
struct ResultRowCells {
    std::array<std::string, kResultColumnCount> texts;

    std::string& operator[](ResultColumn column) { return texts[columnIndex(column)]; }
    const std::string& operator[](ResultColumn column) const { return texts[columnIndex(column)]; }
    bool operator==(const ResultRowCells&) const = default;
};

} // namespace namewright
