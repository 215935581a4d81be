#include "calendar/SolarTermListing.h"

#include "calendar/SolarTerms.h"

namespace namewright {

std::vector<std::string> solarTermLines(int year) {
    std::vector<std::string> lines;
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear) {
        return lines;
    }
    for (const SolarTermMoment& moment : SolarTermTable::instance().year(year)) {
        lines.push_back(std::string(solarTermText(moment.term)) + "\t" + beijingTimeText(moment.minute));
    }
    return lines;
}

} // namespace namewright
