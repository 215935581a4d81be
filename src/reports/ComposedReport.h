#pragma once
// A composed name report and how its report box shows it.

#include <string>

namespace namewright {

/// A text colour as 8-bit red, green and blue.
struct TextColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const TextColour&) const = default;
};

/// The report box a report is composed for.
enum class ReportBox {
    EvaluationWindow, ///< the evaluation window's box: emptied first, blue text
    ReportWindow,     ///< a new report window's empty box: brown text
};

inline constexpr TextColour kEvaluationReportColour{0, 0, 255};
inline constexpr TextColour kReportWindowColour{192, 96, 0};

struct ComposedReport {
    std::string text;        ///< UTF-8 with CR LF line breaks, to be appended to the box
    TextColour colour;       ///< the box's text colour
    bool clearFirst = false; ///< the box is emptied before the text is appended
    bool operator==(const ComposedReport&) const = default;
};

} // namespace namewright
