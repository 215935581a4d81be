#include "app/HelpDialog.h"

#include "app/HelpText.h"
#include "app/TextConversion.h"
#include "app/WindowBackground.h"

#include <QPlainTextEdit>

namespace namewright {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString());
    setFixedSize(486, 446);
    move(50, 50);
    setWindowBackground(this);
    auto* box = new QPlainTextEdit(toDisplayText(helpText()), this);
    box->setObjectName(QStringLiteral("编辑框1"));
    box->setGeometry(16, 16, 448, 384);
    box->setReadOnly(true);
}

} // namespace namewright
