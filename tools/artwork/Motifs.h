#pragma once

// Motifs: the traditional ornaments of the pictures, as outlines in motif units. Callers scale and place them with a
// QTransform and choose pen and brush, so one shape serves as a faint watermark and as a visible ornament.

#include <QPainterPath>

namespace namewright::artwork {

// Silhouette of a cloud scroll (祥云): three round lobes on a flat base. Base line at y = 0 from x = -1.9 to +1.75,
// lobes rising to y = -2; meant to be filled.
QPainterPath cloudSilhouette();

// The line work of the same cloud: the silhouette outline, a spiral curl inside the left and the right lobe and a
// tail that leaves the base to the right and ends in a small hook near x = +3.4; meant to be stroked.
QPainterPath cloudLines();

// A band of fret key (回纹): squared spirals standing on a base line, each `unit` wide and high, from x = 0 to the
// last whole unit within `length`, top at y = 0.
QPainterPath fretBand(double length, double unit);

// A single curl: a spiral around (0, 0) that starts at radius 1 on the right and winds clockwise inwards for
// `turns` turns down to radius 0.15; meant to be stroked.
QPainterPath curl(double turns);

// An L-shaped corner bracket with a small inward key, arm length 1, corner at (0, 0), arms along +x and +y.
QPainterPath cornerKey();

} // namespace namewright::artwork
