#include "app/HelpDialog.h"

#include "app/Controls.h"
#include "app/HelpText.h"
#include "app/MoreHelpText.h"
#include "app/WindowBackground.h"
#include "app/models/TextConversion.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace namewright {

HelpDialog::HelpDialog(QWidget* parent, const QString& databaseNotice) : QDialog(parent) {
    setWindowTitle(emptyWindowTitle());
    setFixedSize(486, 446);
    move(50, 50);
    setWindowBackground(this);
    QPlainTextEdit* box = makeReadOnlyTextBox(this, "编辑框1", {16, 16, 448, 384});
    box->setPlainText(toDisplayText(helpText()));

    QPlainTextEdit* more = makeReadOnlyTextBox(this, "更多说明框", {16, 16, 448, 384});
    more->setPlainText(moreHelpText(databaseNotice));
    more->hide();
    auto* toggle = new QPushButton(QStringLiteral("更多说明"), this);
    toggle->setObjectName(QStringLiteral("更多说明按钮"));
    toggle->setGeometry(16, 408, 96, 28);
    connect(toggle, &QPushButton::clicked, this, [box, more, toggle] {
        const bool showMore = more->isHidden();
        more->setVisible(showMore);
        box->setVisible(!showMore);
        toggle->setText(showMore ? QStringLiteral("使用帮助") : QStringLiteral("更多说明"));
    });
    if (!databaseNotice.isEmpty()) {
        auto* notice = new QLabel(QStringLiteral("未能读取取名数据库：详见“更多说明”"), this);
        notice->setObjectName(QStringLiteral("数据库提示"));
        notice->setStyleSheet(QStringLiteral("color: #990000;"));
        notice->setGeometry(120, 408, 344, 28);
    }
}

} // namespace namewright
