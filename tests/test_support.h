// Shared helpers for the unit tests: a headless window opened once per
// process, and scratch files in a temporary folder.
#pragma once

#include "media/media.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace testsupport {
// Opens the headless 1024 x 768 window once for this test process.
void EnsureHeadlessWindow();
// A fresh scratch folder for this test.
std::filesystem::path ScratchDir();
// A w x h picture filled by fn(x, y) -> 0xRRGGBBAA.
template <class F> Pixmap MakePixmap(int w, int h, F fn) {
    Pixmap pm;
    pm.width = w;
    pm.height = h;
    pm.rgba.resize((size_t)w * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = fn(x, y);
            uint8_t* p = &pm.rgba[((size_t)y * w + x) * 4];
            p[0] = (uint8_t)(c >> 24);
            p[1] = (uint8_t)(c >> 16);
            p[2] = (uint8_t)(c >> 8);
            p[3] = (uint8_t)c;
        }
    return pm;
}
// Writes a PNG filled by fn(x, y) -> 0xRRGGBBAA.
template <class F> std::string WritePng(const std::string& name, int w, int h, F fn) {
    Pixmap pm = MakePixmap(w, h, fn);
    std::filesystem::path full = ScratchDir() / std::filesystem::u8path(name);
    std::filesystem::create_directories(full.parent_path());
    std::string path = full.string();
    EXPECT_TRUE(SavePixmapPNGUtf8(pm, path, 6));
    return path;
}
std::string WriteFile(const std::string& name, const std::string& bytes);
// Reads one pixel of the back buffer as 0xRRGGBB.
uint32_t ScreenPixel(int x, int y);
// The assembled game folder.
std::string GameDir();
// The headless window and an empty game: every global cleared, no file
// read. For tests that build their own little world.
void FreshWorld();
// The headless window with the start-up pictures (loaded once per
// process), the game folder as working directory and a new game as start-up
// leaves it. Returns an error text, empty on success.
std::string FreshGame();
} // namespace testsupport
