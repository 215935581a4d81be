#include "cli/CommandList.h"

namespace namewright::cli {

const std::vector<Command>& allCommands() {
    static const std::vector<Command> commands{makeEvaluateCommand(), makeChartCommand(),    makeGenerateCommand(),
                                               makeTableCommand(),    makeDescribeCommand(), makeSolarTermsCommand()};
    return commands;
}

} // namespace namewright::cli
