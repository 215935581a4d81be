#pragma once
// A check box that answers to a click anywhere in its box, as the window layout draws it (32 × 24 for 选择框1):
// the standard one reacts only within its indicator and caption, a band two pixels lower than the box.

#include <QCheckBox>

namespace namewright {

class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    CheckBox(const QString& caption, QWidget* parent);

protected:
    bool hitButton(const QPoint& position) const override;
};

} // namespace namewright
