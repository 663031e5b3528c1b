// The compositor's own drawing of opaque and masked cells: colour
// modulation to the bit, the mask threshold, clipping at the screen's edges,
// empty cells, the deferred clear and the frame log.
#include "test_support.h"

#include <fstream>
#include <sstream>

using namespace testsupport;

namespace {
class CompositorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureHeadlessWindow();
        SetMaskColor(255, 0, 255);
        SetClsColor(10, 20, 30);
        ClearScreen();
        SetBlend(MASKBLEND);
        SetAlpha(1);
        SetScale(1, 1);
        SetColor(255, 255, 255);
    }
    void TearDown() override {
        SetColor(255, 255, 255);
        SetBlend(MASKBLEND);
        SetAlpha(1);
        SetClsColor(0, 0, 0);
        SetMaskColor(0, 0, 0);
    }
};

constexpr uint32_t kBackground = 0x0A141E;
} // namespace

// Every channel value under every tint of a set, against c * m / 255
// rounded down (what SDL's renderer gives an opaque pixel). The picture is
// 255 pixels wide, so rows end with pixels the vector loop leaves over.
TEST_F(CompositorTest, TintIsChannelTimesColourOver255RoundedDown) {
    std::string p = WritePng("ramp.png", 255, 2, [](int x, int y) -> uint32_t {
        uint32_t c = (uint32_t)x + (uint32_t)y; // 0..255
        return c << 24 | (255 - c) << 16 | (c / 2) << 8 | 0xFF;
    });
    Image* img = LoadImageFile(S(p));
    ASSERT_TRUE(ImageFrameOpaque(img, 0));
    for (int m : {255, 254, 205, 128, 77, 50, 1, 0}) {
        SetColor(m, 255 - m, m / 3);
        DrawImageFrame(img, 3, 5, 0);
        Pixmap pm = GrabScreenRect(3, 5, 255, 2);
        int bad = 0;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 255; ++x) {
                uint32_t c = (uint32_t)x + (uint32_t)y;
                const uint8_t* px = &pm.rgba[((size_t)y * 255 + x) * 4];
                bad += px[0] != c * m / 255;
                bad += px[1] != (255 - c) * (255 - m) / 255;
                bad += px[2] != (c / 2) * (m / 3) / 255;
            }
        EXPECT_EQ(bad, 0) << "tint " << m;
    }
}

TEST_F(CompositorTest, MaskDrawsAlphaFrom128AndKeepsTheRest) {
    // Alpha 127, 128, 0, 255 in columns 0..3; not masked by colour.
    std::string p = WritePng("edge.png", 4, 1, [](int x, int) -> uint32_t {
        static const uint32_t a[] = {127, 128, 0, 255};
        return 0xC8640000u | a[x];
    });
    Image* img = LoadImageFile(S(p), 2);
    EXPECT_FALSE(ImageFrameOpaque(img, 0));
    DrawImageFrame(img, 100, 100, 0);
    EXPECT_EQ(ScreenPixel(100, 100), kBackground);
    EXPECT_EQ(ScreenPixel(101, 100), 0xC86400u);
    EXPECT_EQ(ScreenPixel(102, 100), kBackground);
    EXPECT_EQ(ScreenPixel(103, 100), 0xC86400u);
    // The same cell tinted: the drawn pixels only.
    SetColor(128, 128, 128);
    DrawImageFrame(img, 100, 101, 0);
    EXPECT_EQ(ScreenPixel(100, 101), kBackground);
    EXPECT_EQ(ScreenPixel(101, 101), 0x643200u);
}

// A cell partly off any edge keeps its visible part where it belongs; a
// fractional position is cut toward zero, as the renderer does.
TEST_F(CompositorTest, ClipsAtTheEdgesAndCutsFractions) {
    std::string p = WritePng("grid.png", 9, 7, [](int x, int y) -> uint32_t {
        return (uint32_t)(x * 20) << 24 | (uint32_t)(y * 30) << 16 | 0x00FF;
    });
    Image* img = LoadImageFile(S(p));
    int w = ScreenWidth(), h = ScreenHeight();
    DrawImageFrame(img, -4, -3, 0);
    EXPECT_EQ(ScreenPixel(0, 0), (4u * 20) << 16 | (3u * 30) << 8);
    EXPECT_EQ(ScreenPixel(4, 3), (8u * 20) << 16 | (6u * 30) << 8);
    EXPECT_EQ(ScreenPixel(5, 0), kBackground);
    DrawImageFrame(img, w - 2, h - 1, 0);
    EXPECT_EQ(ScreenPixel(w - 1, h - 1), (1u * 20) << 16);
    DrawImageFrame(img, w + 5, 50, 0); // wholly outside: nothing, no fault
    DrawImageFrame(img, -100, -100, 0);
    DrawImageFrame(img, 200.9, 300.99, 0);
    EXPECT_EQ(ScreenPixel(200, 300), 0u);
    EXPECT_EQ(ScreenPixel(199, 300), kBackground);
    DrawImageFrame(img, -0.9, 400, 0); // toward zero: column 0, not -1
    EXPECT_EQ(ScreenPixel(0, 400), 0u);
}

// Cells without a visible pixel are not kept: they draw nothing, read back
// as transparent, and the cells beside them stay whole.
TEST_F(CompositorTest, EmptyCellsDrawNothing) {
    // Three 4 x 4 cells: opaque green, all mask colour, one opaque pixel.
    std::string p = WritePng("cells.png", 12, 4, [](int x, int y) -> uint32_t {
        if (x < 4) return 0x00FF00FF;
        if (x < 8) return 0xFF00FFFF;
        return x == 9 && y == 2 ? 0x0000FFFF : 0xFF00FFFF;
    });
    Image* img = LoadAnimImageFile(S(p), 4, 4, 0, 3);
    EXPECT_TRUE(ImageFrameOpaque(img, 0));
    EXPECT_FALSE(ImageFrameOpaque(img, 1));
    EXPECT_FALSE(ImageFrameOpaque(img, 2));
    EXPECT_EQ(ImagePixel(img, 1, 2, 2), 0u);
    EXPECT_EQ(ImagePixel(img, 2, 1, 2), 0x0000FFFFu);
    EXPECT_EQ(ImagePixel(img, 2, 0, 0) & 0xFF, 0u);
    for (int f = 0; f < 3; ++f) DrawImageFrame(img, 20 + f * 4, 20, f);
    EXPECT_EQ(ScreenPixel(21, 21), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(25, 21), kBackground);
    EXPECT_EQ(ScreenPixel(29, 22), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(28, 22), kBackground);
    // The same file cut again from its second cell shares the cells.
    Image* tail = LoadAnimImageFile(S(p), 4, 4, 1, 2);
    EXPECT_EQ(ImagePixel(tail, 1, 1, 2), 0x0000FFFFu);
}

// ClearScreen fills only once something is drawn; a caller whose next
// drawing covers the screen may drop it.
TEST_F(CompositorTest, ClearWaitsForTheFirstDrawing) {
    SetColor(200, 0, 0);
    SetBlend(SOLIDBLEND);
    DrawRect(0, 0, 40, 40);
    SetClsColor(0, 0, 90);
    ClearScreen();
    DropPendingClear();
    EXPECT_EQ(ScreenPixel(5, 5), 0xC80000u); // still there
    ClearScreen();
    DrawRect(0, 0, 2, 2); // the clear comes first, then the rectangle
    EXPECT_EQ(ScreenPixel(1, 1), 0xC80000u);
    EXPECT_EQ(ScreenPixel(5, 5), 0x00005Au);
}

// A rectangle hanging one pixel into the screen is drawn; one wholly
// outside is left out.
TEST_F(CompositorTest, RectanglesAtTheEdge) {
    SetColor(0, 200, 0);
    SetBlend(SOLIDBLEND);
    DrawRect(-100, 10, 99, 5);
    EXPECT_EQ(ScreenPixel(0, 12), kBackground);
    DrawRect(-100, 10, 101, 5);
    EXPECT_EQ(ScreenPixel(0, 12), 0x00C800u);
    DrawRect(ScreenWidth() - 1, 20, 50, 5);
    EXPECT_EQ(ScreenPixel(ScreenWidth() - 1, 22), 0x00C800u);
}

TEST(FrameLog, OneLinePerFrameWithIntervalAndWork) {
    EnsureHeadlessWindow();
    std::string path = (ScratchDir() / "frames.log").string();
    ASSERT_TRUE(SetFrameLog(path));
    SetVirtualMillis(1000);
    OpenGraphics(1024, 768, 0, 60, 0);
    for (int i = 0; i < 5; ++i) FlipFrame(-1);
    ASSERT_TRUE(SetFrameLog((ScratchDir() / "other.log").string())); // closes the first
    std::ifstream in(path);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        std::istringstream s(line);
        double interval = -1, work = -1;
        s >> interval >> work;
        EXPECT_TRUE(s && interval >= 0 && work >= 0) << line;
        ++lines;
    }
    EXPECT_EQ(lines, 4); // intervals between five frames
    EXPECT_FALSE(SetFrameLog((ScratchDir() / "no/such/folder/x.log").string()));
}
