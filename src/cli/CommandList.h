#pragma once
// Every command of namewright-cli, in the order the overview lists them. A new command is a file of its own that
// defines its make...Command() and one line in CommandList.cpp.

#include "cli/Command.h"

#include <vector>

namespace namewright::cli {

Command makeEvaluateCommand();
Command makeChartCommand();
Command makeGenerateCommand();
Command makeTableCommand();
Command makeDescribeCommand();
Command makeSolarTermsCommand();

/// The commands, each made once.
const std::vector<Command>& allCommands();

} // namespace namewright::cli
