#include "app/ChartResultLabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace namewright {

namespace {

/// The ink of each line, placed on its baseline, lies inside the box, and no line's ink reaches into the next one's.
bool inkFits(const QFontMetricsF& metrics, const QStringList& lines, const QList<qreal>& baselines, QSizeF box) {
    qreal previousBottom = 0.0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF ink = metrics.tightBoundingRect(lines[i]).translated(0.0, baselines[i]);
        if (ink.isNull()) {
            continue;
        }
        if (ink.left() < -0.5 || ink.right() > box.width() || ink.top() < previousBottom ||
            ink.bottom() > box.height()) {
            return false;
        }
        previousBottom = ink.bottom();
    }
    return true;
}

/// The text cut at one of its spaces into two lines, choosing the cut that leaves the wider line narrowest.
std::optional<QStringList> splitAtBestSpace(const QString& text, const QFontMetricsF& metrics) {
    std::optional<QStringList> best;
    qreal bestWidth = 0.0;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const QString first = text.left(i).trimmed();
        const QString second = text.mid(i + 1).trimmed();
        if (first.isEmpty() || second.isEmpty()) {
            continue;
        }
        const qreal width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (!best || width < bestWidth) {
            best = QStringList{first, second};
            bestWidth = width;
        }
    }
    return best;
}

/// The baseline that centres a line box of the font vertically in a band, as a label centres its text.
qreal centredBaseline(const QFontMetricsF& metrics, qreal bandTop, qreal bandHeight) {
    return bandTop + (bandHeight - metrics.height()) / 2.0 + metrics.ascent();
}

} // namespace

ChartResultLabel::ChartResultLabel(QWidget* parent) : QLabel(parent) {}

void ChartResultLabel::showResult(const QString& text) {
    setText(text);
    setToolTip(text);
}

ChartTextLayout ChartResultLabel::layoutText(const QString& text, const QFont& font, QSize box) {
    const QSizeF area(box);
    const int normalSize = QFontInfo(font).pixelSize();
    for (int size = normalSize; size >= kSmallestPixelSize; --size) {
        QFont type = font;
        type.setPixelSize(size);
        const QStringList single{text};
        // The letters first move a fifth of a pixel closer, which no reader sees: the everyday text
        // "2010年  寅虎年 冬月 廿七 丑时" is a pixel or two too wide for the normal type, and stays in it so.
        for (const qreal letterSpacing : {0.0, -0.1, -0.2}) {
            QFont spaced = type;
            spaced.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
            const QFontMetricsF metrics(spaced);
            const QList<qreal> singleBaseline{centredBaseline(metrics, 0.0, area.height())};
            if (inkFits(metrics, single, singleBaseline, area)) {
                return {spaced, single, singleBaseline, true};
            }
        }
        const QFontMetricsF metrics(type);
        // Two lines share the box's height; the ink of a Chinese line is about one em high.
        const qreal band = area.height() / 2.0;
        if (size + 1 > band) {
            continue;
        }
        if (const auto lines = splitAtBestSpace(text, metrics)) {
            const QList<qreal> baselines{centredBaseline(metrics, 0.0, band), centredBaseline(metrics, band, band)};
            if (inkFits(metrics, *lines, baselines, area)) {
                return {type, *lines, baselines, true};
            }
        }
    }
    const QFontMetricsF metrics(font);
    return {font, QStringList{text}, QList<qreal>{centredBaseline(metrics, 0.0, area.height())}, false};
}

ChartTextLayout ChartResultLabel::currentLayout() const {
    return layoutText(text(), font(), contentsRect().size());
}

void ChartResultLabel::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) {
        return;
    }
    const ChartTextLayout layout = currentLayout();
    const QRect box = contentsRect();
    QPainter painter(this);
    painter.setFont(layout.font);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        painter.drawText(QPointF(box.left(), box.top() + layout.baselines[i]), layout.lines[i]);
    }
}

} // namespace namewright
