// The PNG writer picks the smallest colour type that holds the picture
// (palette, RGB, RGBA); whatever it picks, the same pixels read back.
#include "test_support.h"

#include <fstream>

namespace {
// The colour type byte of a PNG's header: 2 RGB, 3 palette, 6 RGBA.
int ColourType(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    char head[26] = {};
    f.read(head, sizeof head);
    return f ? (unsigned char)head[25] : -1;
}

// Writes, reads back and compares every byte; returns the colour type.
int RoundTrip(const Pixmap& pm, const char* name) {
    std::string path = (testsupport::ScratchDir() / name).string();
    EXPECT_TRUE(SavePixmapPNGUtf8(pm, path, 6));
    Pixmap back;
    std::string err;
    EXPECT_TRUE(LoadPixmapPNG(path, back, err)) << err;
    EXPECT_EQ(back.width, pm.width);
    EXPECT_EQ(back.height, pm.height);
    EXPECT_TRUE(back.rgba == pm.rgba) << name << " reads back different pixels";
    return ColourType(path);
}
} // namespace

TEST(PngWriter, FewColoursGoToAPaletteWithTheirAlpha) {
    // 256 colours exactly, half of them partly or fully transparent, the
    // transparent ones not first in the picture.
    Pixmap pm = testsupport::MakePixmap(64, 64, [](int x, int y) -> uint32_t {
        uint32_t i = (uint32_t)((x + y * 64) % 256);
        uint32_t alpha = i < 128 ? 255u : (i * 7) % 256;
        return ((i * 0x010305u) << 8 & 0xFFFFFF00u) | alpha;
    });
    EXPECT_EQ(RoundTrip(pm, "palette.png"), 3);
    // One colour without transparency: a palette without tRNS.
    EXPECT_EQ(
        RoundTrip(testsupport::MakePixmap(5, 3, [](int, int) -> uint32_t { return 0x204080FFu; }),
                  "one.png"),
        3);
}

TEST(PngWriter, ManyColoursKeepRgbOrRgba) {
    // 257 colours: one too many for a palette.
    auto many = [](int x, int y) -> uint32_t {
        uint32_t i = (uint32_t)(x + y * 17);
        return i < 257 ? (i << 8 | 0xFF) : 0x000000FFu;
    };
    EXPECT_EQ(RoundTrip(testsupport::MakePixmap(17, 17, many), "opaque.png"), 2);
    auto seeThrough = [](int x, int y) -> uint32_t {
        return (uint32_t)(x * 9 + y * 300) << 8 | (uint32_t)(x * 16 + y);
    };
    EXPECT_EQ(RoundTrip(testsupport::MakePixmap(17, 16, seeThrough), "rgba.png"), 6);
}
