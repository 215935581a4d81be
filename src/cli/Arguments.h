#pragma once
// The options of one command and their parsing: "--name VALUE" or "--name=VALUE" for an option with a value, "--name"
// for a flag, and the command's positional words. Every option may be given once.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace namewright::cli {

struct Option {
    std::string_view name;      ///< with its dashes: "--family"
    std::string_view valueName; ///< "TEXT", "YYYY-MM-DD"; empty for a flag
    std::string_view help;      ///< one line for the command's --help
    bool required = false;

    bool takesValue() const { return !valueName.empty(); }
};

class ParsedArguments {
public:
    /// The value of an option with a value, nothing when it was not given.
    std::optional<std::string_view> value(std::string_view option) const;
    /// Whether an option (flag or option with a value) was given.
    bool has(std::string_view option) const;
    const std::vector<std::string>& positionals() const { return m_positionals; }

private:
    friend struct ArgumentParser;
    std::map<std::string, std::string, std::less<>> m_values;
    std::set<std::string, std::less<>> m_flags;
    std::vector<std::string> m_positionals;
};

/// The outcome of parsing: the arguments, or the one-line reason they were refused.
struct ParseOutcome {
    std::optional<ParsedArguments> arguments;
    std::string error;
};

struct ArgumentParser {
    std::span<const Option> options;
    std::size_t positionalCount = 0;  ///< exactly this many positional words
    std::string_view positionalNames; ///< how the usage line names them, for the reason a missing one gives

    ParseOutcome parse(std::span<const std::string> words) const;
};

} // namespace namewright::cli
