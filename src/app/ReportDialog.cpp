#include "app/ReportDialog.h"

#include "app/AppContext.h"
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
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(QStringLiteral("编辑框1"));
    box->setGeometry(16, 24, 560, 360);
    writeReport(box, composeReport(context.reportData(), context.birthChart(), ReportBox::ReportWindow));
}

} // namespace namewright
