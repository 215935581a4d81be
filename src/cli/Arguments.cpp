#include "cli/Arguments.h"

#include <algorithm>

namespace namewright::cli {

std::optional<std::string_view> ParsedArguments::value(std::string_view option) const {
    const auto found = m_values.find(option);
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return std::string_view(found->second);
}

bool ParsedArguments::has(std::string_view option) const {
    return m_flags.contains(option) || m_values.contains(option);
}

ParseOutcome ArgumentParser::parse(std::span<const std::string> words) const {
    ParsedArguments parsed;
    const auto refuse = [](std::string reason) { return ParseOutcome{std::nullopt, std::move(reason)}; };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            parsed.m_positionals.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto option =
            std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
        if (option == options.end()) {
            return refuse("unknown option " + name);
        }
        if (parsed.has(name)) {
            return refuse(name + " is given twice");
        }
        if (!option->takesValue()) {
            if (equals != std::string::npos) {
                return refuse(name + " takes no value");
            }
            parsed.m_flags.insert(name);
            continue;
        }
        if (equals != std::string::npos) {
            parsed.m_values.emplace(name, word.substr(equals + 1));
        } else if (i + 1 < words.size()) {
            parsed.m_values.emplace(name, words[++i]);
        } else {
            return refuse(name + " needs a value (" + std::string(option->valueName) + ")");
        }
    }
    for (const Option& option : options) {
        if (option.required && !parsed.has(option.name)) {
            return refuse(std::string(option.name) + " is missing");
        }
    }
    if (parsed.m_positionals.size() != positionalCount) {
        if (parsed.m_positionals.size() > positionalCount) {
            return refuse("unexpected argument " + parsed.m_positionals[positionalCount]);
        }
        return refuse("missing argument " + std::string(positionalNames));
    }
    return ParseOutcome{std::move(parsed), {}};
}

} // namespace namewright::cli
