#pragma once

// ValueNoise: smooth, periodic 2-D noise for paper textures. Random values sit on a lattice of cellsX x cellsY cells
// and are blended with a smoothstep; the lattice wraps around, so a picture that spans exactly one period in each
// direction tiles without a seam.

#include "SeededRandom.h"

#include <vector>

namespace namewright::artwork {

class ValueNoise {
public:
    // cellsX, cellsY >= 1: the period of the noise in lattice cells.
    ValueNoise(int cellsX, int cellsY, SeededRandom& random);

    // Noise at (u, v), both in periods: 0..1 covers the lattice once, values outside wrap. Result in [-1, 1].
    double at(double u, double v) const;

private:
    double lattice(int x, int y) const;

    int m_cellsX;
    int m_cellsY;
    std::vector<double> m_values;
};

} // namespace namewright::artwork
