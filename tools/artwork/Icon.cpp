#include "Icon.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace namewright::artwork {

namespace {

// All shapes below are laid out on a 256 x 256 design grid and scaled to the requested size.
constexpr double DesignSize = 256.0;

QPointF cubicPoint(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double t) {
    const double s = 1.0 - t;
    return s * s * s * p0 + 3.0 * s * s * t * p1 + 3.0 * s * t * t * p2 + t * t * t * p3;
}

// A brush stroke along a cubic curve: the brush is set down hard at the start (a round, heavy head) and lifts
// gradually, so the stroke thins towards a fine end.
QPainterPath brushStroke(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double maxWidth) {
    constexpr int Steps = 64;
    QPolygonF left;
    QPolygonF right;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps;
        const QPointF point = cubicPoint(p0, p1, p2, p3, t);
        QPointF tangent =
            cubicPoint(p0, p1, p2, p3, std::min(1.0, t + 0.01)) - cubicPoint(p0, p1, p2, p3, std::max(0.0, t - 0.01));
        tangent /= std::hypot(tangent.x(), tangent.y());
        const QPointF normal(-tangent.y(), tangent.x());
        const double half = 0.5 * maxWidth * (1.0 - 0.82 * std::pow(t, 0.9));
        left << point + normal * half;
        right.prepend(point - normal * half);
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    path.addEllipse(p0, 0.5 * maxWidth, 0.5 * maxWidth);
    return path.simplified();
}

// The brush's tuft: a teardrop along the axis from `root` to `tip`, widest a third of the way down.
QPainterPath tuft(QPointF root, QPointF tip, double rootWidth) {
    const QPointF axis = tip - root;
    const QPointF normal = QPointF(-axis.y(), axis.x()) / std::hypot(axis.x(), axis.y());
    constexpr int Steps = 40;
    QPolygonF left;
    QPolygonF right;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps;
        const double half =
            0.5 * rootWidth *
            (t < 0.3 ? 1.0 + 0.5 * std::sin(std::numbers::pi * t / 0.6) : 1.5 * std::pow((1.0 - t) / 0.7, 0.8));
        left << root + axis * t + normal * half;
        right.prepend(root + axis * t - normal * half);
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const bool detailed = size > 32;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / DesignSize, size / DesignSize);

    const QRectF body(16.0, 16.0, 224.0, 224.0);
    QLinearGradient red(0.0, body.top(), 0.0, body.bottom());
    red.setColorAt(0.0, palette::sealRed());
    red.setColorAt(1.0, palette::sealRedDark());
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawRoundedRect(body, 44.0, 44.0);
    if (detailed) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette::sealCream(), 7.0));
        painter.drawRoundedRect(body.adjusted(18.0, 18.0, -18.0, -18.0), 30.0, 30.0);
    }

    // The brush leans to the right, its tip resting where the stroke along the bottom begins.
    const QPointF tip(76.0, 186.0);
    const QPointF up(0.66, -0.751);
    const QPointF tuftRoot = tip + up * 50.0;
    const QPointF ferruleTop = tuftRoot + up * 16.0;
    const QPointF handleTop = tip + up * 168.0;

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::sealCream());
    painter.drawPath(
        brushStroke(tip + QPointF(8.0, 6.0), {120.0, 214.0}, {164.0, 168.0}, {204.0, 170.0}, detailed ? 30.0 : 38.0));

    painter.setPen(QPen(palette::sealCream(), detailed ? 18.0 : 24.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleTop, ferruleTop);
    painter.setPen(QPen(palette::brushFerrule(), detailed ? 22.0 : 28.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ferruleTop, tuftRoot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::ink());
    painter.drawPath(tuft(tuftRoot, tip, detailed ? 22.0 : 28.0));
    if (detailed) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette::sealRedDark(), 3.0));
        painter.drawEllipse(handleTop + up * 2.0, 4.5, 4.5);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace namewright::artwork
