// namewright-cli solar-terms: the moments of the 24 solar terms of a year, or of every year of a range.

#include "calendar/SolarTermListing.h"
#include "calendar/SolarTerms.h"
#include "cli/CommandList.h"
#include "cli/InputValues.h"

namespace namewright::cli {

namespace {

const Option kYearOption{"--year", "Y", "the Gregorian year, 1881 to 2061", true};
const Option kToOption{"--to", "Y2", "the last year to print, Y to 2061 (default Y): every year from Y to Y2"};

ExitStatus solarTerms(const CommandInput& input) {
    const Checked<int> year =
        yearNumber(input.arguments.value(kYearOption.name).value_or(""), kFirstSolarTermYear, kLastSolarTermYear);
    if (!year.value) {
        input.err << kYearOption.name << ": " << year.error;
        return ExitStatus::BadInput;
    }
    int lastYear = *year.value;
    if (const auto toText = input.arguments.value(kToOption.name)) {
        const Checked<int> to = yearNumber(*toText, kFirstSolarTermYear, kLastSolarTermYear);
        if (!to.value) {
            input.err << kToOption.name << ": " << to.error;
            return ExitStatus::BadInput;
        }
        if (*to.value < *year.value) {
            input.err << kToOption.name << ": the last year must not come before --year " << *year.value;
            return ExitStatus::BadInput;
        }
        lastYear = *to.value;
    }
    for (int y = *year.value; y <= lastYear; ++y) {
        for (const std::string& line : solarTermLines(y)) {
            input.out << line << '\n';
        }
    }
    return ExitStatus::Success;
}

} // namespace

Command makeSolarTermsCommand() {
    return Command{
        "solar-terms",
        "",
        "the moments of the 24 solar terms of a year or of years, in Beijing time",
        "Prints the 24 solar terms of a year from 小寒 to 冬至, one line each: the term's name, a tab, and its moment "
        "in Beijing time (UTC+8) to the nearest minute, YYYY-MM-DD HH:MM. With --to, the lines of every year from Y "
        "to Y2 follow each other. The moments are computed from the Sun's apparent longitude (ERFA, the IAU SOFA "
        "models) when the program is built. The naming database is not read.",
        {kYearOption, kToOption},
        0,
        solarTerms,
        false,
    };
}

} // namespace namewright::cli
