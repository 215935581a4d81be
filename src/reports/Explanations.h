#pragma once
// The database texts of a name report: the numerology explanation (数理释义) of a grid number and the
// three-talents explanation (三才释义) of a key. Line breaks are CR LF.

#include "db/Rows.h"

#include <optional>
#include <string>
#include <string_view>

namespace namewright {

/// Five lines from the `sl` row of a number, labelled with ASCII colons, the number directly followed by "数理:":
///   number + "数理:" + `一字描述` CR LF, "基业:" + `基业` CR LF, "家庭:" + `家庭` CR LF, "健康:" + `健康` CR LF,
///   "含意:" + `含意` CR LF.
/// `number` is the number text as given (the text that was looked up). Without a row (0, a number above 81, a text
/// that is no number) the five labels stand with empty field texts.
std::string numerologyExplanation(std::string_view number, const std::optional<NumerologyRow>& row);

/// `解释` of the `3cai` row followed by CR LF; only CR LF without a row.
std::string threeTalentsExplanation(const std::optional<ThreeTalentsRow>& row);

} // namespace namewright
