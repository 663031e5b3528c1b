// vessara-soundgen OUTDIR: synthesises the combat sounds (enemy attacks,
// weapons, spells) and writes them as OUTDIR/Sound/<Name>.wav, 16-bit PCM
// mono at 22050 Hz. Each sound is short, balanced in loudness against the
// others (see Balance) and fades in and out without clicks; all noise uses
// fixed seeds.
#include "synth.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace snd;

// Filtered noise: a whoosh whose band follows `centre`, shaped by `gain`.
Buffer Whoosh(float seconds, uint64_t seed, const Curve& centre, float q, const Curve& gain) {
    Buffer b = WhiteNoise(seconds, seed);
    BandPass(b, centre, q);
    ApplyGain(b, gain);
    return b;
}

// A falling sine thump.
Buffer Thump(float seconds, float from, float to, float tau, float decay) {
    Buffer b = Tone(seconds, Wave::Sine, Glide(from, to, tau));
    ApplyGain(b, AttackDecay(0.003f, decay));
    return b;
}

// Sparse crackles: short filtered clicks at random times.
Buffer Crackle(float seconds, uint64_t seed, float perSecond, float centre, const Curve& density) {
    Noise n(seed);
    Buffer b = Silence(seconds);
    for (size_t i = 0; i < b.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        if (n.Uniform() < perSecond * density(t) / kRate) {
            float amp = n.Range(0.3f, 1.0f) * (n.Uniform() < 0.5f ? -1.0f : 1.0f);
            int len = static_cast<int>(n.Range(20.0f, 90.0f));
            for (int k = 0; k < len && i + k < b.size(); ++k)
                b[i + k] += amp * n.White() * std::exp(-k / (len * 0.3f));
        }
    }
    BandPass(b, Const(centre), 1.2f);
    return b;
}

// A decaying metallic ring of inharmonic partials.
Buffer Ring(float seconds, const std::vector<float>& partials, float decay) {
    Buffer out = Silence(seconds);
    for (size_t k = 0; k < partials.size(); ++k) {
        Buffer p = Tone(seconds, Wave::Sine, Const(partials[k]));
        ApplyGain(p, AttackDecay(0.002f, decay / (1.0f + 0.4f * k)));
        MixInto(out, p, 0.0f, 1.0f / (1.0f + k));
    }
    return out;
}

Buffer Bite() {
    Buffer snap = Whoosh(0.06f, 11, Const(2600.0f), 1.5f, AttackDecay(0.002f, 0.012f));
    Buffer growl = Tone(0.36f, Wave::Saw, [](float t) {
        return 92.0f - 30.0f * t + 6.0f * std::sin(2.0f * kPi * 31.0f * t);
    });
    ApplyGain(growl, [](float t) {
        float rough = 0.6f + 0.4f * std::sin(2.0f * kPi * 23.0f * t);
        return rough * Swell(0.06f, 0.36f)(t);
    });
    LowPass(growl, Const(700.0f));
    Buffer out = Silence(0.36f);
    MixInto(out, snap, 0.0f, 1.0f);
    MixInto(out, growl, 0.02f, 0.8f);
    return out;
}

Buffer SpiritClaw() {
    Buffer air = Whoosh(
        0.5f, 21, [](float t) { return 600.0f + 2600.0f * std::sin(kPi * t / 0.5f); }, 2.0f,
        Swell(0.16f, 0.5f));
    Buffer shimmer = Silence(0.5f);
    const float notes[3] = {1760.0f, 2217.0f, 2637.0f};
    for (int k = 0; k < 3; ++k) {
        Buffer s = Tone(0.5f, Wave::Sine, [k, &notes](float t) {
            return notes[k] * (1.0f + 0.006f * std::sin(2.0f * kPi * 7.0f * t + k));
        });
        ApplyGain(s, [k](float t) {
            return Swell(0.1f + 0.04f * k, 0.5f)(t) *
                   (0.6f + 0.4f * std::sin(2.0f * kPi * 13.0f * t));
        });
        MixInto(shimmer, s, 0.0f, 0.12f);
    }
    MixInto(air, shimmer);
    return air;
}

Buffer BladeSlash() {
    Buffer swish = Whoosh(0.32f, 31, Ramp(0.0f, 1500.0f, 0.2f, 5000.0f), 1.8f, Swell(0.1f, 0.32f));
    Buffer ring = Ring(0.4f, {2120.0f, 3270.0f, 4580.0f, 5930.0f}, 0.09f);
    Buffer out = Silence(0.4f);
    MixInto(out, swish);
    MixInto(out, ring, 0.09f, 0.18f);
    return out;
}

Buffer ClubHit() {
    Buffer thud = Thump(0.35f, 120.0f, 45.0f, 0.05f, 0.08f);
    Buffer knock = Whoosh(0.1f, 41, Const(320.0f), 1.0f, AttackDecay(0.002f, 0.02f));
    Buffer out = Silence(0.35f);
    MixInto(out, thud, 0.0f, 1.0f);
    MixInto(out, knock, 0.0f, 1.4f);
    Drive(out, 1.5f);
    return out;
}

Buffer FireBolt() {
    Buffer roar = WhiteNoise(0.6f, 51);
    LowPass(roar,
            [](float t) { return 400.0f + 1500.0f * std::sin(kPi * std::min(t / 0.6f, 1.0f)); });
    ApplyGain(roar, Swell(0.18f, 0.6f));
    Buffer crackle = Crackle(0.6f, 52, 90.0f, 3200.0f, Swell(0.25f, 0.6f));
    MixInto(roar, crackle, 0.0f, 0.5f);
    return roar;
}

Buffer ShadowBolt() {
    Buffer zap = Tone(0.5f, Wave::Saw, [](float t) {
        return 80.0f + 820.0f * std::exp(-t / 0.07f) + 25.0f * std::sin(2.0f * kPi * 17.0f * t);
    });
    LowPass(zap, Glide(3000.0f, 400.0f, 0.1f));
    ApplyGain(zap, AttackDecay(0.004f, 0.14f));
    Buffer rumble = Tone(0.5f, Wave::Sine, Const(55.0f));
    ApplyGain(rumble, Swell(0.1f, 0.5f));
    MixInto(zap, rumble, 0.0f, 0.6f);
    return zap;
}

Buffer Sword() {
    return Whoosh(
        0.3f, 61, [](float t) { return 800.0f + 2700.0f * std::sin(kPi * t / 0.3f); }, 1.6f,
        Swell(0.11f, 0.3f));
}

Buffer Axe() {
    Buffer swish = Whoosh(
        0.3f, 71, [](float t) { return 400.0f + 1100.0f * std::sin(kPi * t / 0.3f); }, 1.4f,
        Swell(0.14f, 0.3f));
    Buffer chop = Thump(0.22f, 150.0f, 60.0f, 0.03f, 0.06f);
    Buffer crack = Whoosh(0.08f, 72, Const(1200.0f), 2.0f, AttackDecay(0.002f, 0.018f));
    Buffer out = Silence(0.45f);
    MixInto(out, swish, 0.0f, 0.8f);
    MixInto(out, chop, 0.2f, 1.0f);
    MixInto(out, crack, 0.2f, 0.9f);
    return out;
}

Buffer SpearThrust() {
    return Whoosh(0.22f, 81, Ramp(0.0f, 600.0f, 0.12f, 2500.0f), 1.8f,
                  [](float t) { return AttackDecay(0.02f, 0.05f)(t); });
}

Buffer BluntHit() {
    Buffer thud = Thump(0.35f, 95.0f, 40.0f, 0.06f, 0.09f);
    Buffer body = Thump(0.2f, 190.0f, 150.0f, 0.1f, 0.04f);
    Buffer noise = WhiteNoise(0.12f, 91);
    LowPass(noise, Const(450.0f));
    ApplyGain(noise, AttackDecay(0.002f, 0.025f));
    Buffer out = Silence(0.35f);
    MixInto(out, thud);
    MixInto(out, body, 0.0f, 0.5f);
    MixInto(out, noise, 0.0f, 2.0f);
    return out;
}

Buffer Dagger() {
    return Whoosh(0.15f, 101, Ramp(0.0f, 2000.0f, 0.1f, 6000.0f), 2.0f, Swell(0.05f, 0.15f));
}

Buffer Bow() {
    Buffer string = Pluck(0.45f, 112.0f, 0.992f, 111);
    LowPass(string, Const(2200.0f));
    LowPass(string, Const(1100.0f));
    ApplyGain(string, AttackDecay(0.003f, 0.12f));
    Buffer thump = Thump(0.1f, 180.0f, 90.0f, 0.02f, 0.025f);
    Buffer out = Silence(0.45f);
    MixInto(out, string);
    MixInto(out, thump, 0.0f, 0.6f);
    return out;
}

Buffer Fireball() {
    Buffer roar = WhiteNoise(0.7f, 121);
    LowPass(roar, Glide(2400.0f, 280.0f, 0.18f));
    ApplyGain(roar, AttackDecay(0.012f, 0.22f));
    Buffer boom = Thump(0.7f, 90.0f, 40.0f, 0.1f, 0.2f);
    Buffer crackle = Crackle(0.7f, 122, 70.0f, 2800.0f, AttackDecay(0.05f, 0.25f));
    MixInto(roar, boom, 0.0f, 0.9f);
    MixInto(roar, crackle, 0.0f, 0.4f);
    Drive(roar, 1.3f);
    return roar;
}

Buffer Healing() {
    const float notes[4] = {523.25f, 659.25f, 783.99f, 1046.5f};
    Buffer out = Silence(0.7f);
    for (int k = 0; k < 4; ++k) {
        float f = notes[k];
        Buffer n = Tone(0.4f, Wave::Sine, Const(f));
        Buffer o = Tone(0.4f, Wave::Sine, Const(f * 2.0f));
        MixInto(n, o, 0.0f, 0.25f);
        ApplyGain(n, AttackDecay(0.008f, 0.16f));
        MixInto(out, n, 0.1f * k, 1.0f - 0.12f * k);
    }
    Buffer air = Whoosh(0.7f, 131, Ramp(0.0f, 2000.0f, 0.7f, 5000.0f), 3.0f, Swell(0.35f, 0.7f));
    MixInto(out, air, 0.0f, 0.2f);
    return out;
}

Buffer Ice() {
    Noise n(141);
    Buffer out = Silence(0.5f);
    for (int k = 0; k < 18; ++k) {
        float at = n.Range(0.0f, 0.36f) * n.Range(0.3f, 1.0f);
        Buffer ping = Tone(0.12f, Wave::Sine, Const(n.Range(2800.0f, 7000.0f)));
        ApplyGain(ping, AttackDecay(0.001f, n.Range(0.012f, 0.035f)));
        MixInto(out, ping, at, n.Range(0.3f, 0.8f));
    }
    Buffer crackle = Crackle(0.5f, 142, 120.0f, 4500.0f, AttackDecay(0.01f, 0.12f));
    MixInto(out, crackle, 0.0f, 0.8f);
    Buffer hiss = WhiteNoise(0.5f, 143);
    HighPass(hiss, Const(4000.0f));
    ApplyGain(hiss, AttackDecay(0.005f, 0.1f));
    MixInto(out, hiss, 0.0f, 0.15f);
    return out;
}

// A wet hiss: a bubbling low gurgle under a sizzle that falls away.
Buffer Poison() {
    Buffer hiss = WhiteNoise(0.55f, 151);
    LowPass(hiss, Glide(5200.0f, 900.0f, 0.3f));
    ApplyGain(hiss, AttackDecay(0.01f, 0.2f));
    Noise n(152);
    for (int k = 0; k < 9; ++k) {
        Buffer blub = Tone(0.09f, Wave::Sine, Glide(n.Range(180.0f, 320.0f), n.Range(420.0f, 700.0f), 0.06f));
        ApplyGain(blub, AttackDecay(0.004f, 0.03f));
        MixInto(hiss, blub, n.Range(0.02f, 0.4f), n.Range(0.3f, 0.6f));
    }
    Buffer crackle = Crackle(0.55f, 153, 60.0f, 2200.0f, AttackDecay(0.02f, 0.2f));
    MixInto(hiss, crackle, 0.0f, 0.25f);
    return hiss;
}

Buffer Summoning() {
    Buffer out = Silence(0.7f);
    const float voices[3] = {110.0f, 110.9f, 164.8f};
    for (float v : voices) {
        Buffer s = Tone(0.7f, Wave::Saw, [v](float t) {
            return v * (1.0f + 0.004f * std::sin(2.0f * kPi * 5.0f * t));
        });
        MixInto(out, s, 0.0f, 0.35f);
    }
    LowPass(out, Ramp(0.0f, 250.0f, 0.45f, 1300.0f));
    ApplyGain(out, Swell(0.42f, 0.7f));
    Buffer shimmer = Tone(0.7f, Wave::Sine, [](float t) {
        return 880.0f * (1.0f + 0.01f * std::sin(2.0f * kPi * 6.0f * t));
    });
    ApplyGain(shimmer, Swell(0.5f, 0.7f));
    MixInto(out, shimmer, 0.0f, 0.12f);
    return out;
}

struct Sound {
    const char* name;
    Buffer (*make)();
    float fadeIn; // seconds
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vessara-soundgen OUTDIR\n");
        return 2;
    }
    // VESSARA_VERBOSE=1 prints each sound's length and levels.
    const bool verbose = std::getenv("VESSARA_VERBOSE") != nullptr;
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / "Sound";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "vessara-soundgen: cannot create %s\n", dir.string().c_str());
        return 1;
    }
    const Sound sounds[] = {
        {"Biss", Bite, 0.002f},
        {"Geisterklaue", SpiritClaw, 0.01f},
        {"Klingenhieb", BladeSlash, 0.005f},
        {"Keulenschlag", ClubHit, 0.002f},
        {"Feuerpfeil", FireBolt, 0.01f},
        {"Schattenblitz", ShadowBolt, 0.004f},
        {"Schwert", Sword, 0.005f},
        {"Axt", Axe, 0.005f},
        {"Speer", SpearThrust, 0.005f},
        {"Wucht", BluntHit, 0.002f},
        {"Dolch", Dagger, 0.004f},
        {"Bogen", Bow, 0.002f},
        {"Feuerball", Fireball, 0.006f},
        {"Heilung", Healing, 0.008f},
        {"Eis", Ice, 0.003f},
        {"Beschwoerung", Summoning, 0.02f},
        {"Gift", Poison, 0.004f},
    };
    // Every sound is balanced to the same loudness: RMS -18 dBFS, with its
    // peak kept between -5.5 and -1.5 dBFS (tests/sound_levels_test.cpp checks the
    // files against this band).
    auto dB = [](float v) { return std::pow(10.0f, v / 20.0f); };
    const float peak = dB(-6.0f);
    bool failed = false;
    for (const Sound& s : sounds) {
        Buffer b = s.make();
        Finish(b, peak, s.fadeIn, 0.015f);
        Balance(b, dB(-18.0f), dB(-5.5f), dB(-1.5f));
        std::string path = (dir / (std::string(s.name) + ".wav")).string();
        if (!WriteWav(path, b)) {
            std::fprintf(stderr, "vessara-soundgen: cannot write %s\n", path.c_str());
            failed = true;
            continue;
        }
        if (verbose)
            std::printf("%-14s %5.3f s  peak %6.1f dBFS  rms %6.1f dBFS\n", s.name,
                    static_cast<double>(b.size()) / kRate, 20.0 * std::log10(Peak(b)),
                    20.0 * std::log10(std::max(Rms(b), 1e-9f)));
    }
    return failed ? 1 : 0;
}
