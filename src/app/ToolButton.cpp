#include "app/ToolButton.h"

#include <QLinearGradient>
#include <QPainter>

namespace namewright {

namespace {

// Paper tones of the window pictures (tools/artwork/Palette.h), a shade deeper so the tile stands off the banner.
constexpr QColor kTileTop{0xFC, 0xF9, 0xF2};
constexpr QColor kTileBottom{0xEE, 0xE3, 0xCD};
constexpr QColor kTileBorder{0xC9, 0xB2, 0x8A};
constexpr QColor kHoverBottom{0xF6, 0xEA, 0xD2};
constexpr QColor kHoverBorder{0x8A, 0x3B, 0x2A};
constexpr QColor kPressedTop{0xE6, 0xD8, 0xBC};
constexpr QColor kPressedBottom{0xF3, 0xEB, 0xDA};
constexpr QColor kHoverWash{0x8A, 0x3B, 0x2A, 0x1C};

constexpr int kIconTop = 3;
constexpr int kCaptionTop = 22;

} // namespace

ToolButton::ToolButton(const QString& caption, const QString& iconFile, QWidget* parent) : QToolButton(parent) {
    setText(caption);
    setIcon(QIcon(iconFile));
    setIconSize(kIconSize);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAttribute(Qt::WA_Hover);
    // Like the buttons of a tool bar they take no keyboard focus, so the window opens with the cursor in the family
    // name box.
    setFocusPolicy(Qt::NoFocus);
}

QRect ToolButton::iconRect() const {
    return {QPoint((width() - kIconSize.width()) / 2, kIconTop), kIconSize};
}

QRect ToolButton::keyRect() const {
    return iconRect().adjusted(-5, -2, 5, 1);
}

QRect ToolButton::captionRect() const {
    return {0, kCaptionTop, width(), height() - kCaptionTop - 1};
}

QFont ToolButton::captionFont() const {
    QFont caption = font();
    caption.setPixelSize(kCaptionPixelSize);
    caption.setLetterSpacing(QFont::PercentageSpacing, 96);
    return caption;
}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown() || isChecked();
    const bool hover = isEnabled() && underMouse();

    // The picture sits on a small raised key; the caption below stays clear of any line, however wide it is.
    if (hover || down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kHoverWash);
        painter.drawRoundedRect(QRectF(rect()), 4.0, 4.0);
    }
    QLinearGradient fill(0.0, keyRect().top(), 0.0, keyRect().bottom());
    fill.setColorAt(0.0, down ? kPressedTop : kTileTop);
    fill.setColorAt(1.0, down ? kPressedBottom : (hover ? kHoverBottom : kTileBottom));
    painter.setBrush(fill);
    painter.setPen(QPen(hover || down ? kHoverBorder : kTileBorder, 1.0));
    const QRectF key = QRectF(keyRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(key, 4.0, 4.0);

    // A pressed button's picture and caption sink by one pixel, as on a push button.
    const QPoint shift = down ? QPoint(0, 1) : QPoint();
    icon().paint(&painter, iconRect().translated(shift), Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.setFont(captionFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect().translated(shift), Qt::AlignHCenter | Qt::AlignVCenter, text());
}

} // namespace namewright
