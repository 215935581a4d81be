#include "Pictures.h"

#include "Motifs.h"
#include "Palette.h"
#include "Paper.h"
#include "SeededRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

namespace namewright::artwork {

namespace {

constexpr std::uint32_t BannerSeed = 20110101;
constexpr std::uint32_t PanelSeed = 20110102;
constexpr std::uint32_t BackgroundSeed = 20110103;

QImage opaqueCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(palette::paper());
    return image;
}

// A cloud scroll placed with its base centre at `base`, `scale` pixels per motif unit, mirrored when facing left.
void drawCloud(QPainter& painter, QPointF base, double scale, bool facingLeft, int fillAlpha, int lineAlpha,
               double lineWidth) {
    QTransform place;
    place.translate(base.x(), base.y());
    place.scale(facingLeft ? -scale : scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::withAlpha(palette::gold(), fillAlpha));
    painter.drawPath(place.map(cloudSilhouette()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(palette::withAlpha(palette::gold(), lineAlpha), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(place.map(cloudLines()));
}

// A small square seal with a carved border and a carved curl, top-left corner at `corner`.
void drawSeal(QPainter& painter, QPointF corner, double side) {
    const QRectF outline(corner, QSizeF(side, side));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::withAlpha(palette::sealRed(), 205));
    painter.drawRoundedRect(outline, side * 0.1, side * 0.1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::withAlpha(palette::sealCream(), 220), side * 0.06));
    painter.drawRect(outline.adjusted(side * 0.14, side * 0.14, -side * 0.14, -side * 0.14));
    // A carved curl, the seal's only device: an abstract mark, not a character.
    const QPointF middle = outline.center();
    painter.setPen(QPen(palette::withAlpha(palette::sealCream(), 220), side * 0.075, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(QTransform(side * 0.26, 0, 0, side * 0.26, middle.x(), middle.y()).map(curl(1.6)));
}

} // namespace

QImage drawBanner() {
    SeededRandom random(BannerSeed);
    QImage image = opaqueCanvas(640, 100);
    {
        QPainter painter(&image);
        QLinearGradient warmth(0.0, 0.0, 640.0, 0.0);
        warmth.setColorAt(0.0, palette::paperLight());
        warmth.setColorAt(0.55, QColor(0xF8, 0xF0, 0xE0));
        warmth.setColorAt(1.0, palette::paperWarm());
        painter.fillRect(image.rect(), warmth);
    }
    addPaperMottle(image, 48.0, 0.012, random);
    addPaperFibres(image, 90, 14.0, palette::withAlpha(palette::fibre(), 18), false, random);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Watermark clouds behind the rows: faint enough to read as paper, not as a picture.
    drawCloud(painter, {132.0, 50.0}, 13.0, false, 7, 16, 1.0);
    drawCloud(painter, {352.0, 88.0}, 11.0, true, 7, 16, 1.0);
    drawCloud(painter, {470.0, 44.0}, 9.0, false, 6, 14, 1.0);

    // The one visible ornament, in the corner that no control covers.
    drawCloud(painter, {598.0, 90.0}, 9.0, true, 26, 90, 1.1);
    drawSeal(painter, {610.0, 48.0}, 24.0);

    // Frame: a strong and a fine line along the top and the bottom edge.
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 200), 1.0));
    painter.drawLine(QPointF(0.0, 0.5), QPointF(640.0, 0.5));
    painter.drawLine(QPointF(0.0, 99.5), QPointF(640.0, 99.5));
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 80), 1.0));
    painter.drawLine(QPointF(0.0, 3.5), QPointF(640.0, 3.5));
    painter.drawLine(QPointF(0.0, 96.5), QPointF(640.0, 96.5));
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 30), 1.0));
    painter.drawPath(fretBand(560.0, 7.0).translated(6.0, 86.0));
    return image;
}

QImage drawPanel() {
    SeededRandom random(PanelSeed);
    QImage image = opaqueCanvas(208, 280);
    {
        QPainter painter(&image);
        QLinearGradient warmth(0.0, 0.0, 0.0, 280.0);
        warmth.setColorAt(0.0, palette::paperLight());
        warmth.setColorAt(1.0, palette::panelBottom());
        painter.fillRect(image.rect(), warmth);
    }
    addPaperMottle(image, 40.0, 0.012, random);
    addPaperFibres(image, 50, 12.0, palette::withAlpha(palette::fibre(), 18), false, random);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dotted rules in the 8-pixel gaps between the rows guide the eye from caption to result.
    painter.setPen(QPen(palette::withAlpha(palette::gold(), 70), 1.0, Qt::DotLine));
    for (int row = 1; row < 7; ++row) {
        const double y = 24.0 + 32.0 * row - 3.5;
        painter.drawLine(QPointF(4.0, y), QPointF(200.0, y));
    }

    drawCloud(painter, {150.0, 272.0}, 10.0, true, 22, 70, 1.0);

    // The caption labels start at x = 0 and the rows fill y = 24..240, so no frame line runs down the sides, where it
    // would touch the first stroke of every caption: the frame is a strong and a fine rule across the top and the
    // bottom, as on the banner, with keyed corners in the free bands.
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 200), 1.0));
    painter.drawLine(QPointF(0.0, 0.5), QPointF(208.0, 0.5));
    painter.drawLine(QPointF(0.0, 279.5), QPointF(208.0, 279.5));
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 80), 1.0));
    painter.drawLine(QPointF(0.0, 3.5), QPointF(208.0, 3.5));
    painter.drawLine(QPointF(0.0, 276.5), QPointF(208.0, 276.5));
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 150), 1.0, Qt::SolidLine, Qt::SquareCap));
    const double arm = 12.0;
    const QTransform corners[] = {
        QTransform(arm, 0, 0, arm, 4.5, 7.5),
        QTransform(-arm, 0, 0, arm, 203.5, 7.5),
        QTransform(arm, 0, 0, -arm, 4.5, 272.5),
        QTransform(-arm, 0, 0, -arm, 203.5, 272.5),
    };
    for (const QTransform& corner : corners) {
        painter.drawPath(corner.map(cornerKey()));
    }
    // Head ornament: a fine rule with a lozenge at its middle.
    painter.setPen(QPen(palette::withAlpha(palette::inkBrown(), 110), 1.0));
    painter.drawLine(QPointF(64.0, 12.5), QPointF(96.0, 12.5));
    painter.drawLine(QPointF(112.0, 12.5), QPointF(144.0, 12.5));
    painter.setBrush(palette::withAlpha(palette::sealRed(), 150));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({{104.0, 8.0}, {108.5, 12.5}, {104.0, 17.0}, {99.5, 12.5}}));
    return image;
}

QImage drawBackground() {
    SeededRandom random(BackgroundSeed);
    QImage image = opaqueCanvas(128, 128);
    addPaperMottle(image, 32.0, 0.010, random);
    addPaperFibres(image, 14, 16.0, palette::withAlpha(palette::fibre(), 16), true, random);
    return image;
}

} // namespace namewright::artwork
