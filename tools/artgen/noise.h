// Deterministic randomness for the painters: a seeded generator, a pixel
// hash and smooth (optionally periodic) value noise.
#pragma once

#include <cstdint>

namespace art {

// Deterministic random numbers (splitmix64).
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    float Uniform();                 // [0, 1)
    float Range(float lo, float hi); // [lo, hi)
    int Int(int lo, int hi);         // lo..hi inclusive
  private:
    uint64_t state_;
};

uint32_t Hash2(int x, int y, uint32_t seed);
// Smooth value noise in [0, 1]; with period > 0 it repeats every `period`
// units in x and y, which keeps ground tiles seamless.
float ValueNoise(float x, float y, float cell, uint32_t seed, int period = 0);
// Three octaves of value noise, also periodic when period > 0.
float FractalNoise(float x, float y, float cell, uint32_t seed, int period = 0);

} // namespace art
