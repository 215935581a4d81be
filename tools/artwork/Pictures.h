#pragma once

// Pictures: the program's window pictures, drawn at their display size in device pixels. Each picture draws from a
// seed of its own, so changing one picture leaves the others' files byte for byte the same.

#include <QImage>

namespace namewright::artwork {

// Banner behind the main window's two input rows: 640 x 100, opaque. The rows cover y = 16..40 and 56..80 from
// x = 0 to 624 (the second row's buttons end at x = 576); the banner stays quiet there and keeps its one visible
// ornament, a cloud and a seal, to the lower right corner.
QImage drawBanner();

// Panel behind the seven birth-chart rows: 208 x 280, opaque. The rows start at x = 0 and sit at y = 24, 56, ..., 216,
// each 24 high; the frame (rules across the top and the bottom, keyed corners) and the ornaments keep to the free
// bands above y = 20 and below y = 244, so nothing drawn touches a caption.
QImage drawPanel();

// Window background, tiled: 128 x 128, opaque, seamless.
QImage drawBackground();

} // namespace namewright::artwork
