#include "cli/CommandLine.h"

#include "cli/CommandList.h"
#include "cli/ErrorLine.h"
#include "cli/OutputFile.h"
#include "cli/Version.h"
#include "text/GbkText.h"

#include <algorithm>
#include <sstream>
#include <system_error>

namespace namewright::cli {

namespace {

constexpr std::string_view kProgram = "namewright-cli";

const Option kDatabaseOption{"--db", "PATH", "the naming database (default: hun.mdb beside the program)"};
const Option kHelpOption{"--help", "", "print this help and exit"};

std::vector<Option> optionsOf(const Command& command) {
    std::vector<Option> options = command.options;
    if (command.readsNamingDatabase) {
        options.push_back(kDatabaseOption);
    }
    options.push_back(kHelpOption);
    return options;
}

std::string helpText(const Command& command) {
    const std::vector<Option> options = optionsOf(command);
    std::ostringstream text;
    text << "usage: " << kProgram << ' ' << command.name;
    if (!command.synopsis.empty()) {
        text << ' ' << command.synopsis;
    }
    for (const Option& option : options) {
        const std::string usage =
            std::string(option.name) + (option.takesValue() ? " " + std::string(option.valueName) : std::string());
        text << ' ' << (option.required ? usage : "[" + usage + "]");
    }
    text << "\n\n" << command.description << "\n\noptions:\n";
    // Padded by GBK width, which is the width a terminal gives the text: 1 column per ASCII character, 2 per other.
    const auto shown = [](const Option& option) {
        return std::string(option.name) + (option.takesValue() ? " " + std::string(option.valueName) : std::string());
    };
    std::size_t width = 0;
    for (const Option& option : options) {
        width = std::max(width, gbkWidth(shown(option)));
    }
    for (const Option& option : options) {
        const std::string left = shown(option);
        text << "  " << left << std::string(width - gbkWidth(left), ' ') << "  " << option.help << '\n';
    }
    return text.str();
}

bool wantsHelp(std::span<const std::string> words) {
    return std::any_of(words.begin(), words.end(), [](const std::string& word) { return word == "--help"; });
}

// The file options may also come before the command ("namewright-cli --db my.mdb chart ..."), as scripts write
// them: they move behind the command word, where its parser takes them (or refuses them, for a command without them).
std::vector<std::string> commandFirst(std::span<const std::string> words) {
    const auto isFileOption = [](std::string_view word) { return word == "--db" || word == "--knowledge"; };
    const auto isFileOptionWithValue = [](std::string_view word) {
        return word.starts_with("--db=") || word.starts_with("--knowledge=");
    };
    std::vector<std::string> leading;
    std::size_t at = 0;
    while (at < words.size()) {
        if (isFileOptionWithValue(words[at])) {
            leading.push_back(words[at]);
            at += 1;
        } else if (isFileOption(words[at]) && at + 1 < words.size()) {
            leading.insert(leading.end(), {words[at], words[at + 1]});
            at += 2;
        } else {
            break;
        }
    }
    if (leading.empty() || at == words.size()) {
        return {words.begin(), words.end()};
    }
    std::vector<std::string> reordered{words[at]};
    reordered.insert(reordered.end(), leading.begin(), leading.end());
    reordered.insert(reordered.end(), words.begin() + static_cast<std::ptrdiff_t>(at) + 1, words.end());
    return reordered;
}

/// Why the output failed: the system's words for the failed write (an OutputFile knows them), else a general text.
std::string writeFailureCause(const std::ostream& out) {
    const auto* file = dynamic_cast<const OutputFile*>(out.rdbuf());
    if (file != nullptr && file->error() != 0) {
        return std::error_code(file->error(), std::generic_category()).message();
    }
    return "the output stream failed";
}

/// The exit status after a command: its own, unless a write of its output or the final flush failed, which ends
/// the run with status 1 and that one line instead of any other.
int finish(std::ostream& out, std::ostream& err, ExitStatus status, std::string_view refusal) {
    out.flush();
    if (!out) {
        writeErrorLine(err, std::string(kProgram) + ": cannot write the output: " + writeFailureCause(out));
        return exitCode(ExitStatus::OutputFailed);
    }
    if (!refusal.empty()) {
        writeErrorLine(err, refusal);
    }
    return exitCode(status);
}

} // namespace

std::string overviewText() {
    std::ostringstream text;
    text << "usage: " << kProgram << " COMMAND [OPTIONS...]\n\n"
         << "The naming tool's core on the command line: UTF-8 in and out, the naming database read only.\n\n"
         << "commands:\n";
    std::size_t width = 0;
    for (const Command& command : allCommands()) {
        width = std::max(width, command.name.size());
    }
    for (const Command& command : allCommands()) {
        std::string name(command.name);
        name.resize(width, ' ');
        text << "  " << name << "  " << command.summary << '\n';
    }
    text << "\n"
         << kProgram << " COMMAND --help describes a command; " << kProgram << " --version prints the version.\n"
         << "Exit status: 0 done, 1 the naming database or the knowledge file cannot be opened, 2 bad arguments.\n";
    return text.str();
}

int runCommandLine(std::span<const std::string> given, const std::filesystem::path& defaultDatabase, std::ostream& out,
                   std::ostream& err, const CommandLimits& limits) {
    std::istringstream nothing;
    return runCommandLine(given, defaultDatabase, nothing, out, err, limits);
}

int runCommandLine(std::span<const std::string> given, const std::filesystem::path& defaultDatabase, std::istream& in,
                   std::ostream& out, std::ostream& err, const CommandLimits& limits) {
    const std::vector<std::string> ordered = commandFirst(given);
    const std::span<const std::string> words(ordered);
    const std::string program(kProgram);
    if (words.empty()) {
        return finish(out, err, ExitStatus::BadInput,
                      program + ": no command given (" + program + " --help lists them)");
    }
    if (words.front() == "--help") {
        out << overviewText();
        return finish(out, err, ExitStatus::Success, {});
    }
    if (words.front() == "--version" && words.size() == 1) {
        out << kProgram << ' ' << programVersion() << '\n';
        return finish(out, err, ExitStatus::Success, {});
    }
    const auto& commands = allCommands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == words.front(); });
    if (command == commands.end()) {
        return finish(out, err, ExitStatus::BadInput,
                      program + ": unknown command " + words.front() + " (" + program + " --help lists them)");
    }
    const std::string prefix = program + ' ' + std::string(command->name) + ": ";
    const std::span<const std::string> rest = words.subspan(1);
    if (wantsHelp(rest)) {
        out << helpText(*command);
        return finish(out, err, ExitStatus::Success, {});
    }
    const std::vector<Option> options = optionsOf(*command);
    const ParseOutcome parsed = ArgumentParser{options, command->positionalCount, command->synopsis}.parse(rest);
    if (!parsed.arguments) {
        return finish(out, err, ExitStatus::BadInput, prefix + parsed.error);
    }
    const std::optional<std::string_view> chosen = parsed.arguments->value("--db");
    const std::filesystem::path database = chosen ? std::filesystem::path(std::string(*chosen)) : defaultDatabase;
    std::ostringstream refusal;
    const ExitStatus status =
        command->run(CommandInput{*parsed.arguments, database, out, refusal, limits.resultRows, in});
    if (status == ExitStatus::Success) {
        return finish(out, err, status, {});
    }
    // A refusal is one line whatever the command wrote: the escaping keeps an echoed line break or escape sequence
    // from breaking it or from reaching the terminal.
    std::string reason = refusal.str();
    while (!reason.empty() && (reason.back() == ' ' || reason.back() == '\n')) {
        reason.pop_back();
    }
    return finish(out, err, status, prefix + reason);
}

} // namespace namewright::cli
