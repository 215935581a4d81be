#pragma once
// The dispatcher of namewright-cli: finds the command named by the first word, parses its options (with --help,
// which every command has, and --db, which every command has that reads the naming database), and runs it.
//
//   namewright-cli --help                  the overview, on standard output, status 0
//   namewright-cli --version               "namewright-cli 3.0" (the project's version), status 0
//   namewright-cli COMMAND --help          the command's help, status 0 (whatever else is given)
//   namewright-cli COMMAND [OPTIONS...]    the command's result; a refusal is one line on standard error
//   namewright-cli --db PATH COMMAND ...   the same: --db and --knowledge may also stand before the command
//
// No command, an unknown one, or arguments the command refuses give status 2; a naming database that cannot be
// opened gives status 1, and so do a knowledge file that cannot be opened, a generation that fills the result store
// and a failed write of the output.

#include "naming/ResultStore.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace namewright::cli {

/// The bounds a command runs within: the program uses the defaults, a test makes them small.
struct CommandLimits {
    std::size_t resultRows = ResultStore::defaultRowLimit(); ///< the rows generate's result store keeps
};

/// Runs the words after the program name; returns the exit status. `defaultDatabase` is the file used without --db;
/// `in` is standard input.
int runCommandLine(std::span<const std::string> words, const std::filesystem::path& defaultDatabase, std::istream& in,
                   std::ostream& out, std::ostream& err, const CommandLimits& limits = {});
/// The same with an empty standard input.
int runCommandLine(std::span<const std::string> words, const std::filesystem::path& defaultDatabase, std::ostream& out,
                   std::ostream& err, const CommandLimits& limits = {});

/// The overview that --help prints.
std::string overviewText();

} // namespace namewright::cli
