#pragma once
// The seasonal states of the five elements (旺相休囚死): how an element fares in the season of a month.
//
// The season's own element is 旺 (prospering), the element it generates 相 (growing), the element that generates it
// 休 (resting), the element that overcomes it 囚 (confined) and the element it overcomes 死 (dead). Spring (寅 卯
// months) is 木, summer (巳 午) 火, autumn (申 酉) 金, winter (亥 子) 水, and the four last months of the seasons (辰
// 未 戌 丑) are 土: the season element of a month is the element of its branch.

#include "calendar/Element.h"
#include "calendar/Sexagenary.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace namewright {

enum class SeasonalState : std::uint8_t { Prospering, Growing, Resting, Confined, Dead };

/// "旺", "相", "休", "囚" or "死".
constexpr std::string_view seasonalStateText(SeasonalState state) {
    constexpr std::array<std::string_view, 5> texts{"旺", "相", "休", "囚", "死"};
    return texts[static_cast<std::size_t>(state)];
}

/// The state of `element` in a season whose element is `season`.
constexpr SeasonalState seasonalStateOf(Element element, Element season) {
    if (element == season) {
        return SeasonalState::Prospering;
    }
    if (element == generatedBy(season)) {
        return SeasonalState::Growing;
    }
    if (element == generatorOf(season)) {
        return SeasonalState::Resting;
    }
    if (element == overcomerOf(season)) {
        return SeasonalState::Confined;
    }
    return SeasonalState::Dead;
}

/// The season element of a month branch (its own element: 寅 木, 辰 土, 巳 火 ...).
constexpr Element seasonElementOfMonth(EarthlyBranch monthBranch) {
    return monthBranch.element();
}

} // namespace namewright
