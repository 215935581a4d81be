#pragma once

// SeededRandom: the one source of chance of the artwork generator. std::mt19937's output sequence is fixed by the
// C++ standard (unlike the standard distributions), and every value here is derived from the raw 32-bit outputs, so
// a given seed draws the same pictures with every compiler and library.

#include <cstdint>
#include <random>

namespace namewright::artwork {

class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(m_engine()) / 4294967296.0; }

    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * unit(); }

    // Uniform whole number in [0, count); count >= 1.
    int below(int count) { return static_cast<int>(unit() * count); }

private:
    std::mt19937 m_engine;
};

} // namespace namewright::artwork
