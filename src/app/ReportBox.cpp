#include "app/ReportBox.h"

#include "app/models/TextConversion.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace namewright {

void writeReport(QPlainTextEdit* box, const ComposedReport& report) {
    if (report.clearFirst) {
        box->clear();
    }
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, QColor(report.colour.red, report.colour.green, report.colour.blue));
    box->setPalette(palette);
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(toDisplayText(report.text));
}

} // namespace namewright
