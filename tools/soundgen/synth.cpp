#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace snd {

int Samples(float seconds) {
    return std::max(1, static_cast<int>(std::lround(seconds * kRate)));
}

Buffer Silence(float seconds) {
    return Buffer(static_cast<size_t>(Samples(seconds)), 0.0f);
}

float Noise::Uniform() {
    // splitmix64
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) / static_cast<float>(1ull << 24);
}

float Noise::White() {
    return Uniform() * 2.0f - 1.0f;
}

float Noise::Range(float lo, float hi) {
    return lo + (hi - lo) * Uniform();
}

Buffer Tone(float seconds, Wave wave, const Curve& freq) {
    Buffer b = Silence(seconds);
    double phase = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float p = static_cast<float>(phase);
        float v = 0;
        switch (wave) {
        case Wave::Sine:
            v = std::sin(2.0f * kPi * p);
            break;
        case Wave::Triangle:
            v = 4.0f * std::fabs(p - 0.5f) - 1.0f;
            break;
        case Wave::Saw:
            v = 2.0f * p - 1.0f;
            break;
        case Wave::Square:
            v = p < 0.5f ? 1.0f : -1.0f;
            break;
        }
        b[i] = v;
        phase += freq(t) / kRate;
        phase -= std::floor(phase);
    }
    return b;
}

Buffer WhiteNoise(float seconds, uint64_t seed) {
    Noise n(seed);
    Buffer b = Silence(seconds);
    for (float& v : b) v = n.White();
    return b;
}

Buffer Pluck(float seconds, float freq, float damping, uint64_t seed) {
    Noise n(seed);
    int period = std::max(2, static_cast<int>(std::lround(kRate / freq)));
    std::vector<float> line(static_cast<size_t>(period));
    for (float& v : line) v = n.White();
    Buffer b = Silence(seconds);
    size_t pos = 0;
    for (float& out : b) {
        size_t next = (pos + 1) % line.size();
        float v = line[pos];
        line[pos] = damping * 0.5f * (line[pos] + line[next]);
        out = v;
        pos = next;
    }
    return b;
}

Curve Const(float v) {
    return [v](float) { return v; };
}

Curve Ramp(float t0, float a, float t1, float b) {
    return [=](float t) {
        if (t <= t0) return a;
        if (t >= t1) return b;
        return a + (b - a) * (t - t0) / (t1 - t0);
    };
}

Curve Glide(float a, float b, float tau) {
    return [=](float t) { return b + (a - b) * std::exp(-t / tau); };
}

Curve AttackDecay(float attack, float decay) {
    return [=](float t) {
        if (t < attack) return 0.5f - 0.5f * std::cos(kPi * t / attack);
        return std::exp(-(t - attack) / decay);
    };
}

Curve Swell(float peak, float end) {
    return [=](float t) {
        if (t <= 0 || t >= end) return 0.0f;
        if (t < peak) return 0.5f - 0.5f * std::cos(kPi * t / peak);
        return 0.5f + 0.5f * std::cos(kPi * (t - peak) / (end - peak));
    };
}

void ApplyGain(Buffer& b, const Curve& gain) {
    for (size_t i = 0; i < b.size(); ++i) b[i] *= gain(static_cast<float>(i) / kRate);
}

void LowPass(Buffer& b, const Curve& cutoff) {
    float y = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        float fc = std::clamp(cutoff(static_cast<float>(i) / kRate), 10.0f, kRate * 0.45f);
        float a = 1.0f - std::exp(-2.0f * kPi * fc / kRate);
        y += a * (b[i] - y);
        b[i] = y;
    }
}

void HighPass(Buffer& b, const Curve& cutoff) {
    float low = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        float fc = std::clamp(cutoff(static_cast<float>(i) / kRate), 10.0f, kRate * 0.45f);
        float a = 1.0f - std::exp(-2.0f * kPi * fc / kRate);
        low += a * (b[i] - low);
        b[i] -= low;
    }
}

void BandPass(Buffer& b, const Curve& cutoff, float q) {
    // Chamberlin state-variable filter
    float low = 0, band = 0;
    float damp = 1.0f / std::max(q, 0.5f);
    for (size_t i = 0; i < b.size(); ++i) {
        float fc = std::clamp(cutoff(static_cast<float>(i) / kRate), 20.0f, kRate * 0.2f);
        float f = 2.0f * std::sin(kPi * fc / kRate);
        low += f * band;
        float high = b[i] - low - damp * band;
        band += f * high;
        b[i] = band;
    }
}

void Drive(Buffer& b, float amount) {
    for (float& v : b) v = std::tanh(v * amount);
}

void MixInto(Buffer& dst, const Buffer& src, float at, float gain) {
    size_t off = static_cast<size_t>(std::max(0, static_cast<int>(std::lround(at * kRate))));
    if (dst.size() < off + src.size()) dst.resize(off + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[off + i] += src[i] * gain;
}

float Peak(const Buffer& b) {
    float p = 0;
    for (float v : b) p = std::max(p, std::fabs(v));
    return p;
}

float Rms(const Buffer& b) {
    double s = 0;
    for (float v : b) s += static_cast<double>(v) * v;
    return b.empty() ? 0.0f : static_cast<float>(std::sqrt(s / b.size()));
}

void Finish(Buffer& b, float peak, float fadeIn, float fadeOut) {
    // remove any offset, then scale
    double mean = 0;
    for (float v : b) mean += v;
    mean /= std::max<size_t>(1, b.size());
    for (float& v : b) v -= static_cast<float>(mean);
    int in = Samples(fadeIn), out = Samples(fadeOut);
    int n = static_cast<int>(b.size());
    for (int i = 0; i < n; ++i) {
        float g = 1.0f;
        if (i < in) g *= 0.5f - 0.5f * std::cos(kPi * i / in);
        if (i >= n - out) g *= 0.5f - 0.5f * std::cos(kPi * (n - 1 - i) / out);
        b[static_cast<size_t>(i)] *= g;
    }
    float p = Peak(b);
    if (p > 0)
        for (float& v : b) v *= peak / p;
}

void Balance(Buffer& b, float rms, float peakMin, float peakMax) {
    float r = Rms(b), p = Peak(b);
    if (r <= 0 || p <= 0) return;
    float g = rms / r;
    g = std::min(g, peakMax / p);
    g = std::max(g, peakMin / p);
    for (float& v : b) v *= g;
}

namespace {

void Put16(std::ofstream& f, uint16_t v) {
    char c[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(c, 2);
}

void Put32(std::ofstream& f, uint32_t v) {
    Put16(f, static_cast<uint16_t>(v & 0xFFFF));
    Put16(f, static_cast<uint16_t>(v >> 16));
}

} // namespace

bool WriteWav(const std::string& path, const Buffer& b) {
    std::ofstream f(path, std::ios::binary);
    if (!f) return false;
    uint32_t bytes = static_cast<uint32_t>(b.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, bytes);
    for (float v : b) {
        int s = static_cast<int>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
        Put16(f, static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return static_cast<bool>(f);
}

} // namespace snd
