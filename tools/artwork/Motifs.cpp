#include "Motifs.h"

#include <cmath>
#include <numbers>

namespace namewright::artwork {

namespace {

struct Lobe {
    QPointF centre;
    double radius;
};

constexpr Lobe LeftLobe{{-1.2, -0.7}, 0.7};
constexpr Lobe MiddleLobe{{0.0, -1.0}, 1.0};
constexpr Lobe RightLobe{{1.15, -0.6}, 0.6};

// Appends an open spiral that starts at startRadius on angle startAngle (radians, screen orientation: positive turns
// clockwise on screen) and shrinks linearly to endRadius over `turns` turns; direction is +1 or -1.
void addSpiral(QPainterPath& path, QPointF centre, double startRadius, double endRadius, double startAngle,
               double turns, int direction) {
    constexpr int StepsPerTurn = 72;
    const int steps = static_cast<int>(std::ceil(turns * StepsPerTurn));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double angle = startAngle + direction * t * turns * 2.0 * std::numbers::pi;
        const double radius = startRadius + (endRadius - startRadius) * t;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
}

QPainterPath circle(const Lobe& lobe) {
    QPainterPath path;
    path.addEllipse(lobe.centre, lobe.radius, lobe.radius);
    return path;
}

} // namespace

QPainterPath cloudSilhouette() {
    QPainterPath base;
    base.addRect(QRectF(LeftLobe.centre.x(), -0.7, RightLobe.centre.x() - LeftLobe.centre.x(), 0.7));
    return circle(LeftLobe).united(circle(MiddleLobe)).united(circle(RightLobe)).united(base).simplified();
}

QPainterPath cloudLines() {
    QPainterPath lines = cloudSilhouette();
    // The left curl winds inwards from the lobe's lower right, the right curl mirrors it; the middle lobe carries
    // a single inner arc that echoes its outline.
    addSpiral(lines, LeftLobe.centre, LeftLobe.radius * 0.72, LeftLobe.radius * 0.12, 0.25 * std::numbers::pi, 1.3, -1);
    addSpiral(lines, RightLobe.centre, RightLobe.radius * 0.72, RightLobe.radius * 0.12, 0.75 * std::numbers::pi, 1.3,
              +1);
    const QRectF inner(MiddleLobe.centre.x() - 0.72, MiddleLobe.centre.y() - 0.72, 1.44, 1.44);
    lines.arcMoveTo(inner, 150.0);
    lines.arcTo(inner, 150.0, -120.0);
    lines.moveTo(0.2, 0.0);
    lines.cubicTo(1.2, 0.35, 2.4, 0.45, 3.1, 0.05);
    lines.cubicTo(3.45, -0.15, 3.35, -0.5, 3.05, -0.45);
    return lines;
}

QPainterPath fretBand(double length, double unit) {
    QPainterPath band;
    const int units = static_cast<int>(length / unit);
    if (units < 1) {
        return band;
    }
    band.moveTo(0.0, unit);
    band.lineTo(units * unit, unit);
    for (int i = 0; i < units; ++i) {
        const double x = i * unit;
        band.moveTo(x + 0.1 * unit, unit);
        band.lineTo(x + 0.1 * unit, 0.0);
        band.lineTo(x + 0.85 * unit, 0.0);
        band.lineTo(x + 0.85 * unit, 0.72 * unit);
        band.lineTo(x + 0.35 * unit, 0.72 * unit);
        band.lineTo(x + 0.35 * unit, 0.3 * unit);
        band.lineTo(x + 0.6 * unit, 0.3 * unit);
        band.lineTo(x + 0.6 * unit, 0.5 * unit);
    }
    return band;
}

QPainterPath curl(double turns) {
    QPainterPath path;
    addSpiral(path, {0.0, 0.0}, 1.0, 0.15, 0.0, turns, +1);
    return path;
}

QPainterPath cornerKey() {
    QPainterPath key;
    key.moveTo(1.0, 0.0);
    key.lineTo(0.0, 0.0);
    key.lineTo(0.0, 1.0);
    key.moveTo(0.55, 0.2);
    key.lineTo(0.2, 0.2);
    key.lineTo(0.2, 0.55);
    key.moveTo(0.4, 0.2);
    key.lineTo(0.4, 0.4);
    key.lineTo(0.2, 0.4);
    return key;
}

} // namespace namewright::artwork
