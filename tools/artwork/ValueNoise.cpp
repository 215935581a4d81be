#include "ValueNoise.h"

#include <cmath>

namespace namewright::artwork {

namespace {

double smoothstep(double t) {
    return t * t * (3.0 - 2.0 * t);
}

int wrapped(int index, int period) {
    return ((index % period) + period) % period;
}

} // namespace

ValueNoise::ValueNoise(int cellsX, int cellsY, SeededRandom& random)
    : m_cellsX(cellsX < 1 ? 1 : cellsX), m_cellsY(cellsY < 1 ? 1 : cellsY) {
    m_values.reserve(static_cast<std::size_t>(m_cellsX) * static_cast<std::size_t>(m_cellsY));
    for (int i = 0; i < m_cellsX * m_cellsY; ++i) {
        m_values.push_back(random.between(-1.0, 1.0));
    }
}

double ValueNoise::lattice(int x, int y) const {
    return m_values[static_cast<std::size_t>(wrapped(y, m_cellsY) * m_cellsX + wrapped(x, m_cellsX))];
}

double ValueNoise::at(double u, double v) const {
    const double x = u * m_cellsX;
    const double y = v * m_cellsY;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = smoothstep(x - fx);
    const double ty = smoothstep(y - fy);
    const double top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * tx;
    const double bottom = lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

} // namespace namewright::artwork
