#pragma once
// How a failing test prints a birth chart: its seven texts, instead of the bytes of the object. Every test file that
// compares charts includes this, so that all of them print a chart the same way.

#include "chart/LunarChart.h"

#include <ostream>

namespace namewright {

void PrintTo(const LunarChart& chart, std::ostream* out);

} // namespace namewright
