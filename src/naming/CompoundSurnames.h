#pragma once
// Compound surnames (复姓): the two-character family texts that are one surname, from data/sources/
// compound_surnames.tsv (the compound surnames of 百家姓), compiled into the program.
//
// The described scoring counts only the first character of a two-character family text, and that stays the score
// of the result grid and the reports; for a compound surname the program also shows the grids and score of
// CompoundSurnameScoring.h beside it, labelled as such.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace namewright {

/// The compound surnames in the order of the list.
const std::vector<std::string>& compoundSurnames();

/// True when the whole family text is a listed compound surname ("欧阳"; not "欧阳 ", "欧" or "欧阳修").
bool isCompoundSurname(std::string_view familyText);

/// The two characters of a listed compound surname ("诸", "葛"); nothing for any other text.
std::optional<std::pair<std::string, std::string>> compoundSurnameCharacters(std::string_view familyText);

namespace compound_surname_detail {
/// The text of the list file as it was at build time.
extern const std::string_view kListText;
/// The surnames of a list text: the first field of each line that is not empty and not a "#" comment.
std::vector<std::string> parseList(std::string_view text);
} // namespace compound_surname_detail

} // namespace namewright
