#pragma once
// The report window "名字评测": the long report of a listed name, composed once when the window opens.

#include <QDialog>

class QPlainTextEdit;

namespace namewright {

class AppContext;

class ReportDialog : public QDialog {
    Q_OBJECT

public:
    /// Composes the report from the shared report data and birth chart as they stand now.
    ReportDialog(AppContext& context, QWidget* parent);
};

} // namespace namewright
