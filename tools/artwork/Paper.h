#pragma once

// Paper: the rice-paper surface shared by the banner, the chart panel and the window background. Both steps work on
// an opaque picture that already carries its base colour or gradient.

#include "SeededRandom.h"

#include <QColor>
#include <QImage>

namespace namewright::artwork {

// Brightens and darkens the picture in soft blotches about cellSize pixels across (two octaves of ValueNoise).
// strength: the largest relative change of brightness, e.g. 0.012 for +-1.2 %. The blotches repeat with the picture's
// own width and height (cellSize is rounded so that whole cells fill the picture), so the result tiles seamlessly.
void addPaperMottle(QImage& image, double cellSize, double strength, SeededRandom& random);

// Draws `count` thin, slightly bent fibres 4 to maxLength pixels long in `colour` (its alpha sets how faint they are).
// When tileable, a fibre that crosses an edge is drawn again on the opposite side, so a tiled picture shows no seam.
void addPaperFibres(QImage& image, int count, double maxLength, const QColor& colour, bool tileable,
                    SeededRandom& random);

} // namespace namewright::artwork
