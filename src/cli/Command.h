#pragma once
// One subcommand of namewright-cli: its name, its help and options, and what it does. Each command lives in a file
// of its own and is listed once in CommandList.cpp; the dispatcher (CommandLine.h) adds --help to every command and
// --db to every command that reads the naming database.

#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "db/NamingDatabase.h"

#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace namewright::cli {

/// What a command runs with: its parsed arguments, the naming database file (--db, else hun.mdb beside the program;
/// the latter for a command without --db), the two output streams, the bound of a result store and standard input
/// (read by describe --batch only). A command writes
/// its result to `out`; a refusal is one line on `err` (without the program name, which the dispatcher adds).
struct CommandInput {
    const ParsedArguments& arguments;
    const std::filesystem::path& databaseFile;
    std::ostream& out;
    std::ostream& err;
    std::size_t resultRowLimit; ///< CommandLimits::resultRows
    std::istream& in;
};

/// The refusal of a command whose naming database did not open: its one line written to `input.err`, "cannot open
/// the naming database PATH", or for a file that opened but is no naming database, "the naming database PATH lacks
/// the table word1" (or "the column xb of the table word1").
ExitStatus databaseUnavailable(const CommandInput& input, const NamingDatabase& database);

struct Command {
    std::string_view name;
    std::string_view synopsis;    ///< the arguments after the name, for the usage line: "sl|3cai"
    std::string_view summary;     ///< one line for the overview
    std::string_view description; ///< the paragraph of the command's --help
    std::vector<Option> options;
    std::size_t positionalCount = 0;
    std::function<ExitStatus(const CommandInput&)> run;
    bool readsNamingDatabase = true; ///< false: the command has no --db option
};

} // namespace namewright::cli
