#include "Paper.h"

#include "ValueNoise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace namewright::artwork {

namespace {

int cellsAcross(int pixels, double cellSize) {
    return std::max(1, static_cast<int>(std::lround(pixels / cellSize)));
}

int clampedChannel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

void addPaperMottle(QImage& image, double cellSize, double strength, SeededRandom& random) {
    const int width = image.width();
    const int height = image.height();
    const ValueNoise coarse(cellsAcross(width, cellSize), cellsAcross(height, cellSize), random);
    const ValueNoise fine(cellsAcross(width, cellSize / 3.0), cellsAcross(height, cellSize / 3.0), random);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            const double v = (y + 0.5) / height;
            const double factor = 1.0 + strength * (0.7 * coarse.at(u, v) + 0.3 * fine.at(u, v));
            const QRgb pixel = line[x];
            line[x] = qRgb(clampedChannel(qRed(pixel) * factor), clampedChannel(qGreen(pixel) * factor),
                           clampedChannel(qBlue(pixel) * factor));
        }
    }
}

void addPaperFibres(QImage& image, int count, double maxLength, const QColor& colour, bool tileable,
                    SeededRandom& random) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = image.width();
    const double height = image.height();
    for (int i = 0; i < count; ++i) {
        const QPointF start(random.between(0.0, width), random.between(0.0, height));
        const double length = random.between(4.0, maxLength);
        const double angle = random.between(0.0, 2.0 * std::numbers::pi);
        const double bend = random.between(-0.35, 0.35) * length;
        const QPointF direction(std::cos(angle), std::sin(angle));
        const QPointF normal(-direction.y(), direction.x());
        const QPointF end = start + direction * length;
        QPainterPath fibre(start);
        fibre.quadTo((start + end) / 2.0 + normal * bend, end);
        painter.setPen(QPen(colour, random.between(0.4, 0.8), Qt::SolidLine, Qt::RoundCap));
        const int reach = tileable ? 1 : 0;
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                painter.drawPath(fibre.translated(dx * width, dy * height));
            }
        }
    }
}

} // namespace namewright::artwork
