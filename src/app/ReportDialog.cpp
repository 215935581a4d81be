#include "app/ReportDialog.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/ReportBox.h"
#include "app/WindowBackground.h"
#include "reports/ReportComposer.h"

#include <QPlainTextEdit>

namespace namewright {

ReportDialog::ReportDialog(AppContext& context, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("名字评测"));
    setFixedSize(605, 449);
    move(50, 50);
    setWindowBackground(this);
    QPlainTextEdit* box = makeReadOnlyTextBox(this, "编辑框1", {16, 24, 560, 360});
    writeReport(box, composeReport(context.reportData(), context.latestChart(), ReportBox::ReportWindow));
}

} // namespace namewright
