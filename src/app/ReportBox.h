#pragma once
// Writing a composed report into a multi-line report box.

#include "reports/ComposedReport.h"

class QPlainTextEdit;

namespace namewright {

/// Empties the box first when the report says so, sets its text colour and appends the report's text.
void writeReport(QPlainTextEdit* box, const ComposedReport& report);

} // namespace namewright
