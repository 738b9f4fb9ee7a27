// The program's one random sequence: fixed seed, never reseeded, so every run gives the same colours.
#pragma once

#include <random>

namespace zelta {

class RandomSequence {
public:
    explicit RandomSequence(unsigned seed = 5489u) : m_engine(seed) {}
    // Uniform in [0, 1), 24 bits of the engine's output.
    float next() { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 m_engine;
};

RandomSequence &programRandom();

} // namespace zelta
