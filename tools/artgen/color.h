// Colours of the art generator: 8-bit RGB, mixing and brightness steps.
#pragma once

#include <cstdint>

namespace art {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
};

constexpr Color Rgb(int r, int g, int b) {
    return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// The three mask colours of the game's pictures.
constexpr Color kMaskWhite = Rgb(255, 255, 255);
constexpr Color kMaskGreen = Rgb(32, 156, 0);
constexpr Color kMaskBlack = Rgb(0, 0, 0);

Color Mix(Color a, Color b, float t); // t = 0 gives a, 1 gives b
Color Scale(Color c, float f);        // brightness factor, clamped
Color Lighter(Color c, float amount); // mix towards a warm white
Color Darker(Color c, float amount);  // mix towards near-black
float Brightness(Color c);            // perceived brightness in [0, 1]

} // namespace art
