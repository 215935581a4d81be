#pragma once
// The filters of the shortlist (名单筛选). Every filter that is off (its default) lets every name through; the
// shortlist shows the names that pass all filters that are on.

#include <cstdint>
#include <string>

namespace namewright {

/// One- or two-character given names, or both.
enum class GivenLength : std::uint8_t { Any, One, Two };

struct ShortlistFilter {
    int minimumScore = 0; ///< names scoring at least this (the score of the name's first listed row)
    /// A given character's element is one the series' chart lacks (its 喜用神; "无" lacks none, so nothing passes).
    bool suppliesMissingElement = false;
    /// Every character of this UTF-8 text must be a given character of the name. Spaces, ASCII and punctuation are
    /// ignored; a typed character that no listed name has lets nothing through.
    std::string containsCharacters;
    /// No given character may be one of the characters of this text (a list such as elders' names: "建国 秀英").
    std::string excludedCharacters;
    GivenLength length = GivenLength::Any;
    bool favouritesOnly = false;
    /// Character knowledge; without the knowledge file these three have no effect.
    bool noSoundWarning = false;
    bool hasVerse = false;
    bool commonOnly = false;
    /// A given character's element is the 用神 or 喜神 of the series' 节气八字; no effect where that chart was not
    /// worked out.
    bool suppliesFavourableElement = false;

    bool operator==(const ShortlistFilter&) const = default;
};

} // namespace namewright
