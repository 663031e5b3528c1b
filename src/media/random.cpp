// The Park-Miller minimal standard generator (multiplier 48271), stepped
// twice per unit draw.
#include "media/media.h"

#include <chrono>
#include <unistd.h>

namespace {
int32_t g_state = 4660;

int32_t Step(int32_t s) {
    const int32_t m = 2147483647, a = 48271, q = 44488, r = 3399;
    int32_t hi = s / q, lo = s % q;
    int32_t t = a * lo - r * hi;
    if (t < 0) t += m;
    return t;
}
} // namespace

void SeedRandom(int64_t seed) {
    int32_t s = (int32_t)(seed & 0x7FFFFFFF);
    if (s == 0 || s == 2147483647) s = 4660;
    g_state = s;
}

int32_t RandomState() {
    return g_state;
}

double RandomUnit() {
    int32_t b = Step(g_state);
    int32_t d = Step(b);
    g_state = d;
    return ((double)(b & 0x1FFFFFFC) + (double)(d & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

int RandomRange(int a, int b) {
    if (b > a) return a + (int)(RandomUnit() * ((double)b - a + 1));
    return b + (int)(RandomUnit() * ((double)a - b + 1));
}

int64_t FreshSeed() {
    // Headless runs repeat exactly: their seed is the virtual clock.
    if (CurrentBackend() == Backend::Headless) return Millis();
    // Wall-clock nanoseconds mixed with the process id: two games started in
    // the same second still differ.
    auto ns = std::chrono::system_clock::now().time_since_epoch().count();
    uint64_t x = (uint64_t)ns ^ ((uint64_t)getpid() << 32);
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return (int64_t)(x & 0x7FFFFFFF);
}
