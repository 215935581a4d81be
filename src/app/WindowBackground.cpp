#include "app/WindowBackground.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace namewright {

void setWindowBackground(QWidget* window) {
    const QPixmap picture(QStringLiteral(":/images/background.png"));
    if (picture.isNull()) {
        return;
    }
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(picture));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace namewright
