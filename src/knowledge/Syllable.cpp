#include "knowledge/Syllable.h"

#include <array>

namespace namewright {

namespace {

constexpr std::array<std::string_view, 3> kDoubleInitials{"zh", "ch", "sh"};
constexpr std::string_view kSingleInitials = "bpmfdtnlgkhjqxrzcs";

bool isApicalInitial(std::string_view initial) {
    return initial == "zh" || initial == "ch" || initial == "sh" || initial == "r" || initial == "z" ||
           initial == "c" || initial == "s";
}

} // namespace

std::optional<Syllable> parseNumberedSyllable(std::string_view text) {
    if (text.size() < 2 || text.back() < '1' || text.back() > '5') {
        return std::nullopt;
    }
    const auto letters = text.substr(0, text.size() - 1);
    for (const char c : letters) {
        if (c < 'a' || c > 'z') {
            return std::nullopt;
        }
    }
    return Syllable{std::string(letters), text.back() - '0'};
}

std::string_view initialOf(std::string_view letters) {
    std::size_t length = 0;
    for (const auto initial : kDoubleInitials) {
        if (letters.starts_with(initial)) {
            length = 2;
        }
    }
    if (length == 0 && !letters.empty() && kSingleInitials.find(letters.front()) != std::string_view::npos) {
        length = 1;
    }
    // The syllabic nasals (嗯 ng, 呣 m) have no initial: what follows an initial must hold a vowel.
    if (letters.find_first_of("aeiouv", length) == std::string_view::npos) {
        return {};
    }
    return letters.substr(0, length);
}

std::string finalOf(std::string_view letters) {
    if (letters.starts_with('y')) {
        const auto rest = letters.substr(1);
        if (rest == "i" || rest == "in" || rest == "ing") {
            return std::string(rest);
        }
        if (rest.starts_with('u')) {
            return "v" + std::string(rest.substr(1));
        }
        if (rest == "ou") {
            return "iu";
        }
        return "i" + std::string(rest);
    }
    if (letters.starts_with('w')) {
        const auto rest = letters.substr(1);
        if (rest == "u") {
            return "u";
        }
        if (rest == "ei") {
            return "ui";
        }
        if (rest == "en") {
            return "un";
        }
        return "u" + std::string(rest);
    }
    const auto initial = initialOf(letters);
    const auto rest = letters.substr(initial.size());
    if ((initial == "j" || initial == "q" || initial == "x") && rest.starts_with('u')) {
        return "v" + std::string(rest.substr(1));
    }
    if (rest == "i" && isApicalInitial(initial)) {
        return "-i";
    }
    return std::string(rest);
}

std::string rhymeOf(std::string_view letters) {
    auto final = finalOf(letters);
    if (final == "ui") {
        return "ei";
    }
    if (final == "iu") {
        return "ou";
    }
    if (final == "un") {
        return "en";
    }
    if (final == "vn") {
        return final;
    }
    if (final.size() > 1 && (final[0] == 'i' || final[0] == 'u' || final[0] == 'v') &&
        std::string_view("aeo").find(final[1]) != std::string_view::npos) {
        return final.substr(1);
    }
    return final;
}

std::string displayLetters(std::string_view letters) {
    std::string out;
    for (const char c : letters) {
        out += c == 'v' ? std::string("ü") : std::string(1, c);
    }
    return out;
}

} // namespace namewright
