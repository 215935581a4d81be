#pragma once
// Scoring a name the user typed (评测姓名): a family text and a given text of one or two characters, looked up in
// the character dictionary `word` and scored with the score cap.

#include "naming/NameScoring.h"
#include "reports/ExplanationBuilder.h"

#include <optional>
#include <string_view>

namespace namewright {

class NamingDatabase;

/// A typed name with its score and the `sl` and `3cai` rows its report explains it with.
struct TypedNameScore {
    ScoredName name;
    ExplanationRows rows;
};

/// Scores a typed name, or gives std::nullopt when the given text is not one or two characters wide.
///
/// The given text is measured in GBK bytes: 2 bytes is one character, 4 bytes two characters (bytes 1-2 and 3-4),
/// any other width (0, 1, 3, 5 and more) is no name. Two ASCII letters are 2 bytes and so one "character", looked up
/// as they are. A character that straddles byte 2 (an ASCII letter before a Chinese one) belongs to neither half.
/// Only the family character, the first 2 GBK bytes of the family text, is looked up and shown: the display name is
/// that character followed by the `zi` texts found for the given characters. A character without a `word` row counts
/// 0 strokes with an empty element and adds nothing to the name. The score is capped (above 95 becomes 100).
std::optional<TypedNameScore> scoreTypedName(std::string_view familyText, std::string_view givenText,
                                             NamingDatabase& database);

} // namespace namewright
