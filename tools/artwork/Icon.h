#pragma once

// Icon: the program icon, a vermilion seal on which a writing brush has just drawn a sweeping stroke.

#include <QImage>

namespace namewright::artwork {

// The icon drawn for a size x size pixel grid (size >= 16), with transparent corners. Sizes of 32 and below leave out
// the thin seal frame and draw the brush and its stroke bolder, so they still read at that size.
QImage drawIcon(int size);

} // namespace namewright::artwork
