#include "naming/CompoundSurnames.h"

#include <algorithm>

namespace namewright {

namespace compound_surname_detail {

std::vector<std::string> parseList(std::string_view text) {
    std::vector<std::string> surnames;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        surnames.emplace_back(line.substr(0, line.find('\t')));
    }
    return surnames;
}

} // namespace compound_surname_detail

const std::vector<std::string>& compoundSurnames() {
    static const std::vector<std::string> surnames =
        compound_surname_detail::parseList(compound_surname_detail::kListText);
    return surnames;
}

bool isCompoundSurname(std::string_view familyText) {
    const auto& surnames = compoundSurnames();
    return std::find(surnames.begin(), surnames.end(), familyText) != surnames.end();
}

std::optional<std::pair<std::string, std::string>> compoundSurnameCharacters(std::string_view familyText) {
    if (!isCompoundSurname(familyText)) {
        return std::nullopt;
    }
    // Every listed surname is two CJK characters of the Basic Multilingual Plane, three UTF-8 bytes each (checked by
    // the test of the shipped list).
    return std::pair{std::string(familyText.substr(0, 3)), std::string(familyText.substr(3))};
}

} // namespace namewright
