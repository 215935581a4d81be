// namewright-cli chart: the seven birth-chart results of a birth moment, or with --solar-terms the solar-term eight
// characters (节气八字) with their working.

#include "calendar/SolarTerms.h"
#include "chart/ChartAnalysis.h"
#include "chart/SolarTermChart.h"
#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/InputValues.h"
#include "cli/KeyValueLines.h"
#include "cli/Tsv.h"
#include "db/NamingDatabase.h"

#include <array>
#include <string>

namespace namewright::cli {

namespace {

const Option kChartDateOption{"--date", "YYYY-MM-DD",
                              "the Gregorian birth date, in a year from 1881 to 2060 (2061 with --solar-terms)", true};
const Option kChartHourOption{"--hour", "H", "the birth hour, 0 to 23", true};
const Option kSolarTermsOption{"--solar-terms", "",
                               "the solar-term eight characters (节气八字) with their working, not the chart above"};
const Option kMinuteOption{"--minute", "M", "with --solar-terms: the birth minute, 0 to 59 (default 0)"};
const Option kLongitudeOption{"--longitude", "E",
                              "with --solar-terms: true solar time at this birthplace longitude, degrees east"};
const Option kLateZiOption{"--late-zi", "",
                           "with --solar-terms: the day changes at 23:00 (子时换日), not at midnight (早晚子时)"};

ExitStatus describedChart(const CommandInput& input) {
    const std::optional<BirthMomentTexts> moment = readBirthMoment(input.arguments, input.err);
    if (!moment) {
        return ExitStatus::BadInput;
    }
    NamingDatabase database = NamingDatabase::open(input.databaseFile);
    if (!database.isOpen()) {
        return databaseUnavailable(input, database);
    }
    const LunarChart result = AnalyseBirthChart(*moment, database);
    // The results in the order of the chart labels, each under the label's name.
    for (const ChartResult& line : kChartResults) {
        writeTsvRow(input.out, std::array<std::string, 2>{std::string(line.caption), result.*line.text});
    }
    return ExitStatus::Success;
}

ExitStatus solarTermChart(const CommandInput& input) {
    const ParsedArguments& arguments = input.arguments;
    const Checked<GregorianDate> date =
        calendarDate(arguments.value(kChartDateOption.name).value_or(""), kFirstSolarTermYear, kLastSolarTermYear);
    if (!date.value) {
        input.err << kChartDateOption.name << ": " << date.error;
        return ExitStatus::BadInput;
    }
    const Checked<int> hour = birthHour(arguments.value(kChartHourOption.name).value_or(""));
    if (!hour.value) {
        input.err << kChartHourOption.name << ": " << hour.error;
        return ExitStatus::BadInput;
    }
    const Checked<int> minute = birthMinute(arguments.value(kMinuteOption.name).value_or("0"));
    if (!minute.value) {
        input.err << kMinuteOption.name << ": " << minute.error;
        return ExitStatus::BadInput;
    }
    SolarTermPillarOptions options;
    options.ziHourStartsNextDay = arguments.has(kLateZiOption.name);
    if (const auto longitudeText = arguments.value(kLongitudeOption.name)) {
        const Checked<double> longitude = longitudeDegrees(*longitudeText);
        if (!longitude.value) {
            input.err << kLongitudeOption.name << ": " << longitude.error;
            return ExitStatus::BadInput;
        }
        options.birthplaceLongitude = *longitude.value;
    }
    const std::optional<SolarTermChart> chart =
        solarTermChartOf(BeijingTime{*date.value, *hour.value, *minute.value}, options);
    if (!chart) {
        input.err << "no solar-term chart for this birth";
        return ExitStatus::BadInput;
    }
    for (const std::string& line : solarTermChartLines(*chart)) {
        input.out << line << '\n';
    }
    return ExitStatus::Success;
}

ExitStatus chart(const CommandInput& input) {
    if (input.arguments.has(kSolarTermsOption.name)) {
        return solarTermChart(input);
    }
    for (const Option* option : {&kMinuteOption, &kLongitudeOption, &kLateZiOption}) {
        if (input.arguments.has(option->name)) {
            input.err << option->name << " needs --solar-terms";
            return ExitStatus::BadInput;
        }
    }
    return describedChart(input);
}

} // namespace

Command makeChartCommand() {
    return Command{
        "chart",
        "",
        "the seven birth-chart results of a birth moment, or the solar-term eight characters",
        "Prints the birth chart of a moment as the main window's chart labels show it, one line per result in the "
        "order of the labels: the label's name, a tab, the result (农历, 属相, 四柱, 八字, 五行, 纳音, 喜用神). The "
        "elements and nayin results end in a space, as they do in the window.\n\n"
        "With --solar-terms it prints instead the solar-term eight characters (节气八字) as almanacs count them: the "
        "year from 立春, the month from each 节, to the minute in Beijing time, as key<TAB>value lines. The first is "
        "pillars<TAB> and the four pairs (year month day hour) separated by spaces; the working follows: the hidden "
        "stems, the seasonal states, the points of every stem, the element sums, the day master's strength and the "
        "favourable and unfavourable elements, each number with its reason. This chart is ours, shown beside the "
        "window's chart, never in its place; it reads no naming database (--db is not read).",
        {kChartDateOption, kChartHourOption, kSolarTermsOption, kMinuteOption, kLongitudeOption, kLateZiOption},
        0,
        chart,
    };
}

} // namespace namewright::cli
