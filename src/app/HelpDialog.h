#pragma once
// The help window: the help text in a read-only box, and our own second page (MoreHelpText.h) behind the button
// 更多说明 below it, which also says when the naming database could not be read.

#include <QDialog>

namespace namewright {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    /// `databaseNotice`: databaseNotice() of the program, empty when the database could be read.
    explicit HelpDialog(QWidget* parent, const QString& databaseNotice = {});
};

} // namespace namewright
