// namewright-cli chart: the seven birth-chart results of a birth moment.

#include "chart/ChartAnalysis.h"
#include "chart/SharedBirthChart.h"
#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/Tsv.h"
#include "db/NamingDatabase.h"

#include <array>
#include <string>

namespace namewright::cli {

namespace {

ExitStatus chart(const CommandInput& input) {
    const std::optional<BirthMomentTexts> moment = readBirthMoment(input.arguments, input.err);
    if (!moment) {
        return ExitStatus::BadInput;
    }
    NamingDatabase database = NamingDatabase::open(input.databaseFile);
    if (!database.isOpen()) {
        input.err << "cannot open the naming database " << input.databaseFile.string();
        return ExitStatus::DatabaseUnavailable;
    }
    SharedBirthChart shared;
    const BirthChart result = AnalyseBirthChart(*moment, database, shared, {});
    // The results in the order of the chart labels, each under the label's name.
    const std::array<std::array<std::string, 2>, 7> lines{{{"农历", result.lunarDate},
                                                           {"属相", result.zodiacAnimal},
                                                           {"四柱", result.fourPillars},
                                                           {"八字", result.eightCharacters},
                                                           {"五行", result.elements},
                                                           {"纳音", result.nayin},
                                                           {"喜用神", result.favourableElement}}};
    for (const auto& line : lines) {
        writeTsvRow(input.out, line);
    }
    return ExitStatus::Success;
}

} // namespace

Command makeChartCommand() {
    return Command{
        "chart",
        "",
        "the seven birth-chart results of a birth moment",
        "Prints the birth chart of a moment as the main window's chart labels show it, one line per result in the "
        "order of the labels: the label's name, a tab, the result (农历, 属相, 四柱, 八字, 五行, 纳音, 喜用神). The "
        "elements and nayin results end in a space, as they do in the window.",
        {kDateOption, kHourOption},
        0,
        chart,
    };
}

} // namespace namewright::cli
