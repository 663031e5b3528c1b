// A tiny sound synthesiser for the game's effect sounds: mono float buffers
// at 22050 Hz, oscillators, noise, envelopes, simple filters and a 16-bit
// WAV writer. Everything is deterministic: noise comes from seeded
// generators.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace snd {

constexpr int kRate = 22050;
constexpr float kPi = 3.14159265f;

using Buffer = std::vector<float>;
// A value that changes over time (seconds from the start of the sound).
using Curve = std::function<float(float)>;

Buffer Silence(float seconds);
int Samples(float seconds);

class Noise {
  public:
    explicit Noise(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    float White();                   // -1 .. 1
    float Uniform();                 // 0 .. 1
    float Range(float lo, float hi); // lo .. hi
  private:
    uint64_t state_;
};

// ---- sources
enum class Wave { Sine, Triangle, Saw, Square };
// An oscillator whose frequency (Hz) follows `freq`.
Buffer Tone(float seconds, Wave wave, const Curve& freq);
Buffer WhiteNoise(float seconds, uint64_t seed);
// Karplus-Strong plucked string.
Buffer Pluck(float seconds, float freq, float damping, uint64_t seed);

// ---- shaping
Curve Const(float v);
// Linear ramp from a to b between t0 and t1 (held outside).
Curve Ramp(float t0, float a, float t1, float b);
// Exponential glide from a to b with time constant tau.
Curve Glide(float a, float b, float tau);
// Attack-decay envelope: rises over `attack` (raised cosine), then decays
// exponentially with time constant `decay`.
Curve AttackDecay(float attack, float decay);
// A bell-shaped swell that peaks at `peak` seconds and is zero at 0 and `end`.
Curve Swell(float peak, float end);

void ApplyGain(Buffer& b, const Curve& gain);
// Low-pass, high-pass and band-pass filters with time-varying cutoff (Hz);
// `q` is the resonance of the band-pass.
void LowPass(Buffer& b, const Curve& cutoff);
void HighPass(Buffer& b, const Curve& cutoff);
void BandPass(Buffer& b, const Curve& cutoff, float q);
// Soft saturation.
void Drive(Buffer& b, float amount);

// Adds `src` times `gain` into `dst` starting at `at` seconds (grows dst).
void MixInto(Buffer& dst, const Buffer& src, float at = 0.0f, float gain = 1.0f);

// Scales to the given peak (linear) and fades the ends (fadeIn, fadeOut in
// seconds, raised cosine), so the sound starts and stops without a click.
void Finish(Buffer& b, float peak, float fadeIn, float fadeOut);

// Sets the loudness: scales `b` so that its RMS is `rms` (linear), as far
// as its peak stays between `peakMin` and `peakMax`; the peak limits win.
// Sounds of every kind then play at about the same loudness.
void Balance(Buffer& b, float rms, float peakMin, float peakMax);

float Peak(const Buffer& b);
float Rms(const Buffer& b);

// Writes 16-bit PCM mono at kRate. Returns false on failure.
bool WriteWav(const std::string& path, const Buffer& b);

} // namespace snd
