#include "app/CheckBox.h"

namespace namewright {

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

bool CheckBox::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

} // namespace namewright
