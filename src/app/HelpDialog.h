#pragma once
// The help window: the help text in a read-only box.

#include <QDialog>

namespace namewright {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent);
};

} // namespace namewright
