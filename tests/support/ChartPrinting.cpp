#include "support/ChartPrinting.h"

namespace namewright {

void PrintTo(const LunarChart& chart, std::ostream* out) {
    *out << "{\"" << chart.lunarDate << "\", \"" << chart.zodiacAnimal << "\", \"" << chart.fourPillars << "\", \""
         << chart.eightCharacters << "\", \"" << chart.elements << "\", \"" << chart.nayin << "\", \""
         << chart.favourableElement << "\"}";
}

} // namespace namewright
