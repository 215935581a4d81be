#pragma once
// The columns of the shortlist (名单): the nine of the result grid, then the shortlist's own.

#include "naming/ResultColumn.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace namewright {

enum class ShortlistColumn : std::uint8_t {
    Name,                   ///< 姓名
    Score,                  ///< 分数
    Heaven,                 ///< 天格
    Person,                 ///< 人格
    Earth,                  ///< 地格
    Outer,                  ///< 外格
    Total,                  ///< 总格
    ThreeTalentsKey,        ///< 三才
    ElementText,            ///< 五行
    Draws,                  ///< 次数: how often the series drew the name
    SuppliesMissingElement, ///< 补缺: a given character's element is one the series' chart lacks (its 喜用神)
    Favourite,              ///< 收藏: the favourite's stars, 0 for none
    Pinyin,                 ///< 拼音 (character knowledge)
    NoSoundWarning,         ///< 读音: no sound warning (character knowledge)
    HasVerse,               ///< 诗句: the pair of given characters stands in a verse (character knowledge)
    CommonOnly, ///< 常用: every given character of level 1 or 2 of the 通用规范汉字表 (character knowledge)
    CompoundSurnameScore, ///< 复姓分: the score by the compound-surname rule, for a compound surname only
    Recommended,          ///< 推荐: our own 0-100 judgement of the name (shortlist/Recommendation.h)
};

inline constexpr std::size_t kShortlistColumnCount = 18;

inline constexpr std::array<std::string_view, kShortlistColumnCount> kShortlistColumnTitles{
    "姓名", "分数", "天格", "人格", "地格", "外格", "总格", "三才",   "五行",
    "次数", "补缺", "收藏", "拼音", "读音", "诗句", "常用", "复姓分", "推荐"};

constexpr std::string_view shortlistColumnTitle(ShortlistColumn column) {
    return kShortlistColumnTitles[static_cast<std::size_t>(column)];
}

// The first nine columns are the result grid's, in its order and under its titles; resultColumnOf() and the
// shortlist's model rely on it.
static_assert(static_cast<std::size_t>(ShortlistColumn::Name) == columnIndex(ResultColumn::Name));
static_assert(static_cast<std::size_t>(ShortlistColumn::Score) == columnIndex(ResultColumn::Score));
static_assert(static_cast<std::size_t>(ShortlistColumn::Heaven) == columnIndex(ResultColumn::Heaven));
static_assert(static_cast<std::size_t>(ShortlistColumn::Person) == columnIndex(ResultColumn::Person));
static_assert(static_cast<std::size_t>(ShortlistColumn::Earth) == columnIndex(ResultColumn::Earth));
static_assert(static_cast<std::size_t>(ShortlistColumn::Outer) == columnIndex(ResultColumn::Outer));
static_assert(static_cast<std::size_t>(ShortlistColumn::Total) == columnIndex(ResultColumn::Total));
static_assert(static_cast<std::size_t>(ShortlistColumn::ThreeTalentsKey) == columnIndex(ResultColumn::ThreeTalentsKey));
static_assert(static_cast<std::size_t>(ShortlistColumn::ElementText) == columnIndex(ResultColumn::ElementText));
static_assert(static_cast<std::size_t>(ShortlistColumn::Draws) == kResultColumnCount, "the shortlist's own follow");
static_assert(static_cast<std::size_t>(ShortlistColumn::Recommended) + 1 == kShortlistColumnCount);
static_assert(
    [] {
        for (const ResultColumn column : kResultColumns) {
            if (kShortlistColumnTitles[columnIndex(column)] != resultColumnTitle(column)) {
                return false;
            }
        }
        return true;
    }(),
    "the first nine titles are the result grid's");

/// The result-grid column a shortlist column shows; nothing for the shortlist's own columns.
constexpr std::optional<ResultColumn> resultColumnOf(ShortlistColumn column) {
    const auto index = static_cast<std::size_t>(column);
    return index < kResultColumnCount ? std::optional<ResultColumn>(kResultColumns[index]) : std::nullopt;
}

} // namespace namewright
