#pragma once
// A result label of the chart panel (农历标签, 四柱标签 ...): shows its whole text inside its fixed box, however long.
//
// A text whose ink fits the box on one line in the label's font is drawn as a plain label draws it; one that is a
// pixel or two too wide draws its letters up to 0.2 px closer. A longer one (a leap month, "…闰四月 初一 丑时"; an era
// year before 1949, "1887年  光绪一十三年 亥猪年 …") takes the largest type, down to kSmallestPixelSize, at which it
// fits on one line or, from 11 px on, on two lines broken at a space, each line in its half of the box. The label's
// tooltip always holds the full text.

#include <QFont>
#include <QLabel>
#include <QList>
#include <QStringList>

namespace namewright {

/// How a text is drawn in a result label: the font, the lines and the baseline of each (y from the box's top).
struct ChartTextLayout {
    QFont font;
    QStringList lines;
    QList<qreal> baselines;
    bool fits = false; ///< false when even the smallest type cannot hold the text; it is then drawn clipped
};

class ChartResultLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr int kSmallestPixelSize = 9;

    explicit ChartResultLabel(QWidget* parent);

    /// Shows a result: the text and the same text as the tooltip.
    void showResult(const QString& text);

    /// The layout of `text` in a box of `box` pixels with `font` as the normal type. A text fits when the ink of
    /// every line lies inside the box and no two lines' ink overlaps.
    static ChartTextLayout layoutText(const QString& text, const QFont& font, QSize box);

    /// The layout of the label's own text in its box.
    ChartTextLayout currentLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace namewright
