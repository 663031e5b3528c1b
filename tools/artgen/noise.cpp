#include "noise.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

float SmoothStep01(float t) {
    return t * t * (3.0f - 2.0f * t);
}

int Wrap(int v, int period) {
    if (period <= 0) return v;
    int m = v % period;
    return m < 0 ? m + period : m;
}

} // namespace

uint64_t Rng::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::Uniform() {
    return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24);
}

float Rng::Range(float lo, float hi) {
    return lo + (hi - lo) * Uniform();
}

int Rng::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
}

uint32_t Hash2(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du;
    h ^= static_cast<uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float ValueNoise(float x, float y, float cell, uint32_t seed, int period) {
    float fx = x / cell, fy = y / cell;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = SmoothStep01(fx - ix), ty = SmoothStep01(fy - iy);
    // The lattice repeats every period / cell lattice steps.
    int lp = period > 0 ? std::max(1, static_cast<int>(std::lround(period / cell))) : 0;
    auto at = [&](int gx, int gy) {
        return (Hash2(Wrap(gx, lp), Wrap(gy, lp), seed) & 0xFFFF) / 65535.0f;
    };
    float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, float cell, uint32_t seed, int period) {
    float sum = 0, weight = 0, amp = 1;
    for (int o = 0; o < 3; ++o) {
        sum += amp * ValueNoise(x, y, cell, seed + 101u * o, period);
        weight += amp;
        amp *= 0.5f;
        cell *= 0.5f;
        if (cell < 1.0f) break;
    }
    return sum / weight;
}

} // namespace art
