// namewright-cli solar-terms: the moments of the 24 solar terms of a year.

#include "calendar/SolarTermListing.h"
#include "calendar/SolarTerms.h"
#include "cli/CommandList.h"
#include "cli/InputValues.h"

namespace namewright::cli {

namespace {

const Option kYearOption{"--year", "Y", "the Gregorian year, 1881 to 2061", true};

ExitStatus solarTerms(const CommandInput& input) {
    const Checked<int> year =
        yearNumber(input.arguments.value(kYearOption.name).value_or(""), kFirstSolarTermYear, kLastSolarTermYear);
    if (!year.value) {
        input.err << kYearOption.name << ": " << year.error;
        return ExitStatus::BadInput;
    }
    for (const std::string& line : solarTermLines(*year.value)) {
        input.out << line << '\n';
    }
    return ExitStatus::Success;
}

} // namespace

Command makeSolarTermsCommand() {
    return Command{
        "solar-terms",
        "",
        "the moments of the 24 solar terms of a year, in Beijing time",
        "Prints the 24 solar terms of a year from 小寒 to 冬至, one line each: the term's name, a tab, and its moment "
        "in Beijing time (UTC+8) to the nearest minute, YYYY-MM-DD HH:MM. The moments are computed from the Sun's "
        "apparent longitude (ERFA, the IAU SOFA models). The naming database is not read.",
        {kYearOption},
        0,
        solarTerms,
        false,
    };
}

} // namespace namewright::cli
