#pragma once
// A tool button of the main window's top row: a small picture on a raised key above its caption, so it reads as a
// button before the mouse reaches it; hovering washes the whole button, pressing sinks the key.
//
// Layout in the 48 x 40 button (logical pixels, the same at every scale factor): the 18 x 18 icon centred at the top
// (y = 3) on its 28 x 21 key, the caption in the band below it (y = 22..38) in the interface font at 12 px, its letters
// drawn 4 % closer so that the widest caption ("81数理表", 47 px) stays inside the button. The pictures are
// tools/artwork's tool-*.png, with a tool-*@2x.png that Qt takes at 200 %.

#include <QToolButton>

namespace namewright {

class ToolButton : public QToolButton {
    Q_OBJECT

public:
    static constexpr QSize kIconSize{18, 18};
    static constexpr int kCaptionPixelSize = 12;

    /// `iconFile` is a resource path such as ":/images/tool-help.png".
    ToolButton(const QString& caption, const QString& iconFile, QWidget* parent);

    /// Where the icon and the caption are drawn, in the button's coordinates.
    QRect iconRect() const;
    QRect keyRect() const;
    QRect captionRect() const;

    /// The caption's font: the button's font at kCaptionPixelSize, letter spacing 96 %.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace namewright
