// The game's sounds are balanced against each other: every WAV in the game
// folder's Sound/ peaks between -6 and -1 dBFS (loud enough to be heard,
// never clipped) and has an RMS loudness within 6 dB of the median of all of
// them, so no effect drowns the others or goes unheard.
#include "test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kPeakMin = -6.0, kPeakMax = -1.0, kRmsBand = 6.0;

struct Level {
    std::string name;
    double peak = -200, rms = -200; // dBFS
};

uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

// Peak and RMS of a 16-bit PCM WAV; an error text when it is none.
std::string Measure(const fs::path& p, Level& out) {
    std::ifstream in(p, std::ios::binary);
    std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a RIFF/WAVE file";
    size_t at = 12;
    int bits = 0, channels = 0;
    while (at + 8 <= b.size()) {
        std::string id = b.substr(at, 4);
        size_t len = Le32(b, at + 4), body = at + 8;
        if (body + len > b.size()) return "chunk " + id + " runs past the end";
        if (id == "fmt ") {
            if (len < 16) return "short fmt chunk";
            channels = static_cast<uint8_t>(b[body + 2]);
            bits = static_cast<uint8_t>(b[body + 14]);
        } else if (id == "data") {
            if (bits != 16 || channels < 1) return "not 16-bit PCM";
            double peak = 0, sum = 0;
            size_t n = len / 2;
            if (n == 0) return "no samples";
            for (size_t i = 0; i < n; ++i) {
                int16_t v = static_cast<int16_t>(static_cast<uint8_t>(b[body + 2 * i]) |
                                                 static_cast<uint8_t>(b[body + 2 * i + 1]) << 8);
                double s = v / 32768.0;
                peak = std::max(peak, std::fabs(s));
                sum += s * s;
            }
            out.peak = 20 * std::log10(std::max(peak, 1e-10));
            out.rms = 20 * std::log10(std::max(std::sqrt(sum / n), 1e-10));
            return "";
        }
        at = body + len + (len & 1);
    }
    return "no data chunk";
}

std::vector<Level> GameSounds() {
    std::vector<Level> out;
    fs::path dir = fs::path(testsupport::GameDir()) / "Sound";
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".wav") continue;
        Level l;
        l.name = e.path().filename().string();
        std::string err = Measure(e.path(), l);
        EXPECT_EQ(err, "") << l.name;
        out.push_back(l);
    }
    std::sort(out.begin(), out.end(), [](const Level& a, const Level& b) { return a.name < b.name; });
    return out;
}

double MedianRms(std::vector<Level> v) {
    std::sort(v.begin(), v.end(), [](const Level& a, const Level& b) { return a.rms < b.rms; });
    size_t n = v.size();
    return n % 2 ? v[n / 2].rms : (v[n / 2 - 1].rms + v[n / 2].rms) / 2;
}

} // namespace

TEST(SoundLevels, EveryWavPeaksInBandAndMatchesTheOthersLoudness) {
    std::vector<Level> sounds = GameSounds();
    ASSERT_GE(sounds.size(), 10u) << "the game folder should hold the effect sounds";
    double median = MedianRms(sounds);
    for (const Level& l : sounds) {
        std::printf("%-18s peak %6.1f dBFS  rms %6.1f dBFS\n", l.name.c_str(), l.peak, l.rms);
        EXPECT_GE(l.peak, kPeakMin) << l.name << " is too quiet";
        EXPECT_LE(l.peak, kPeakMax) << l.name << " peaks too close to clipping";
        EXPECT_NEAR(l.rms, median, kRmsBand) << l.name << " against the median RMS " << median;
    }
}

TEST(SoundLevels, MeasuresAKnownSignal) {
    // A full-scale-half square wave: peak and RMS both -6.02 dBFS.
    std::vector<int16_t> s(2205);
    for (size_t i = 0; i < s.size(); ++i) s[i] = (i / 50) % 2 ? 16384 : -16384;
    std::string b = "RIFF";
    auto put32 = [&](uint32_t v) { for (int k = 0; k < 4; ++k) b += static_cast<char>(v >> (8 * k)); };
    auto put16 = [&](uint16_t v) { for (int k = 0; k < 2; ++k) b += static_cast<char>(v >> (8 * k)); };
    put32(0);
    b += "WAVEfmt ";
    put32(16);
    put16(1), put16(1), put32(22050), put32(44100), put16(2), put16(16);
    b += "data";
    put32(static_cast<uint32_t>(s.size() * 2));
    for (int16_t v : s) put16(static_cast<uint16_t>(v));
    std::string path = testsupport::WriteFile("square.wav", b);
    Level l;
    ASSERT_EQ(Measure(path, l), "");
    EXPECT_NEAR(l.peak, -6.02, 0.01);
    EXPECT_NEAR(l.rms, -6.02, 0.01);
    std::string bad = testsupport::WriteFile("bad.wav", "RIFF....WAVEdata");
    EXPECT_NE(Measure(bad, l), "");
}
