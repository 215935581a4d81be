#include "app/ReturnKeyClick.h"

#include <QKeyEvent>
#include <QPushButton>

namespace namewright {

ReturnKeyClick::ReturnKeyClick(QPushButton* button) : QObject(button), m_button(button) {
    button->installEventFilter(this);
}

bool ReturnKeyClick::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_button->isEnabled()) {
            m_button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace namewright
