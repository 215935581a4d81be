#include "app/HelpDialog.h"

#include "app/Controls.h"
#include "app/HelpText.h"
#include "app/TextConversion.h"
#include "app/WindowBackground.h"

#include <QPlainTextEdit>

namespace namewright {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(emptyWindowTitle());
    setFixedSize(486, 446);
    move(50, 50);
    setWindowBackground(this);
    QPlainTextEdit* box = makeReadOnlyTextBox(this, "编辑框1", {16, 16, 448, 384});
    box->setPlainText(toDisplayText(helpText()));
}

} // namespace namewright
