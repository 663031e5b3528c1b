// Frame pacing, input counting, images, blend modes and fonts on the
// headless backend.
#include "test_support.h"

using namespace testsupport;

TEST(Pacing, SixtyFramesTakeExactlyOneSecond) {
    EnsureHeadlessWindow();
    SetVirtualMillis(5000);
    OpenGraphics(1024, 768, 0, 60, 0); // re-arms the pacing at the clock's now
    EXPECT_EQ(Pacing().period, 16);
    EXPECT_EQ(Pacing().remainder, 40);
    for (int i = 0; i < 60; ++i) FlipFrame(-1);
    EXPECT_EQ(Millis(), 6000);
    for (int i = 0; i < 120; ++i) FlipFrame(-1);
    EXPECT_EQ(Millis(), 8000);
}

TEST(Pacing, LateFrameIsNotCaughtUp) {
    EnsureHeadlessWindow();
    SetVirtualMillis(10000);
    OpenGraphics(1024, 768, 0, 60, 0);
    FlipFrame(-1);
    EXPECT_EQ(Millis(), 10016);
    SetVirtualMillis(10100); // the next frame's work took far too long
    FlipFrame(-1);
    EXPECT_EQ(Millis(), 10100); // no wait, and the schedule restarts here
    FlipFrame(-1);
    // 16 ms on, plus the millisecond the remainder has gathered by now
    // (three frames of 40/60 ms each).
    EXPECT_EQ(Millis(), 10117);
}

// The window's deadlines fall at exact sixtieths of a second from the start,
// not on the game clock's whole milliseconds, and do not drift over an hour.
TEST(Pacing, WindowDeadlinesAreExactFrameTimes) {
    const uint64_t ns = 1000000000;
    EXPECT_EQ(FrameDeadline(500, ns, 1, 60), 500 + 16666666u);
    EXPECT_EQ(FrameDeadline(500, ns, 2, 60), 500 + 33333333u);
    EXPECT_EQ(FrameDeadline(500, ns, 60, 60), 500 + ns);
    EXPECT_EQ(FrameDeadline(0, ns, 60 * 3600 + 1, 60), 3600 * ns + 16666666u);
    // A counter of a few GHz over days stays exact (no overflow).
    EXPECT_EQ(FrameDeadline(0, 3000000000u, 60LL * 86400 * 30, 60), 3000000000ull * 86400 * 30);
}

TEST(Input, HitCountingAndFlush) {
    EnsureHeadlessWindow();
    ResetInput();
    InjectKey(VK_RETURN, true);
    InjectKey(VK_RETURN, true); // auto-repeat of a held key does not count
    EXPECT_EQ(KeyIsDown(VK_RETURN), 1);
    EXPECT_EQ(KeyWasHit(VK_RETURN), 1);
    EXPECT_EQ(KeyWasHit(VK_RETURN), 0);
    InjectKey(VK_RETURN, false);
    InjectKey(VK_RETURN, true);
    InjectKey(VK_RETURN, false);
    InjectKey(VK_RETURN, true);
    EXPECT_EQ(KeyWasHit(VK_RETURN), 2);
    InjectMouseButton(1, true);
    FlushInput(); // keys forgotten, mouse kept
    EXPECT_EQ(KeyIsDown(VK_RETURN), 0);
    EXPECT_EQ(KeyWasHit(VK_RETURN), 0);
    EXPECT_EQ(MouseIsDown(1), 1);
    EXPECT_EQ(MouseWasHit(1), 1);
    InjectMouseButton(1, false);
    EXPECT_EQ(MouseWasHit(1), 0);
    InjectKey(VK_LCONTROL, true);
    EXPECT_EQ(KeyIsDown(17), 1); // the generic Control key follows
    InjectKey(VK_LCONTROL, false);
}

TEST(Input, KeyNames) {
    EXPECT_EQ(VirtualKeyFromName("Left"), 37);
    EXPECT_EQ(VirtualKeyFromName("LControl"), 162);
    EXPECT_EQ(VirtualKeyFromName("F12"), 123);
    EXPECT_EQ(VirtualKeyFromName("I"), 73);
    EXPECT_EQ(VirtualKeyFromName("0"), 48);
    EXPECT_EQ(VirtualKeyFromName("9"), 57);
    EXPECT_EQ(VirtualKeyFromName("72"), 72);
    EXPECT_EQ(VirtualKeyFromName("Nonsense"), -1);
}

TEST(Images, MaskColourAppliedAtLoad) {
    EnsureHeadlessWindow();
    std::string p = WritePng("masked.png", 4, 1, [](int x, int) -> uint32_t {
        return x == 0 ? 0x209C00FF : (x == 1 ? 0xFFFFFFFF : (x == 2 ? 0x000000FF : 0x219C00FF));
    });
    SetMaskColor(32, 156, 0);
    Image* g = LoadImageFile(S(p));
    EXPECT_EQ(ImagePixel(g, 0, 0, 0) & 0xFF, 0u);   // pure mask green is transparent
    EXPECT_EQ(ImagePixel(g, 0, 1, 0) & 0xFF, 255u); // white stays
    EXPECT_EQ(ImagePixel(g, 0, 3, 0) & 0xFF, 255u); // one level off stays
    SetMaskColor(0, 0, 0);
    Image* b = LoadImageFile(S(p));
    EXPECT_EQ(ImagePixel(b, 0, 2, 0) & 0xFF, 0u);
    EXPECT_EQ(ImagePixel(b, 0, 0, 0) & 0xFF, 255u);
    SetMaskColor(255, 255, 255);
    Image* w = LoadImageFile(S(p), 2); // not masked: flag 1 missing
    EXPECT_EQ(ImagePixel(w, 0, 1, 0) & 0xFF, 255u);
}

TEST(Images, StripCutByCellLeftToRightThenDown) {
    EnsureHeadlessWindow();
    // 3 x 2 cells of 2 x 2 pixels; each cell's red value is its index * 10.
    std::string p = WritePng("strip.png", 6, 4, [](int x, int y) -> uint32_t {
        uint32_t idx = (uint32_t)(y / 2 * 3 + x / 2);
        return (idx * 10) << 24 | 0xFF;
    });
    SetMaskColor(255, 255, 255);
    Image* img = LoadAnimImageFile(S(p), 2, 2, 1, 4);
    ASSERT_EQ(ImageFramesOf(img), 4);
    EXPECT_EQ(ImageWidthOf(img), 2);
    EXPECT_EQ(ImageHeightOf(img), 2);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(ImagePixel(img, f, 1, 1) >> 24, (uint32_t)(f + 1) * 10);
    EXPECT_THROW(LoadAnimImageFile(S(p), 2, 2, 0, 7), DataError); // only six cells
    EXPECT_THROW(DrawImageFrame(img, 0, 0, 4), DataError);
    EXPECT_THROW(LoadImageFile(u"/nonexistent.png"), DataError);
}

class BlendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureHeadlessWindow();
        SetMaskColor(255, 255, 255);
        // Left half opaque red, right half 40% alpha blue.
        std::string p = WritePng("blend.png", 8, 4, [](int x, int) -> uint32_t {
            return x < 4 ? 0xC80000FF : 0x0000FF66;
        });
        img = LoadImageFile(S(p), 2);
        SetClsColor(100, 100, 100);
        ClearScreen();
        SetColor(255, 255, 255);
        SetScale(1, 1);
    }
    void TearDown() override {
        SetBlend(MASKBLEND);
        SetAlpha(1);
        SetColor(255, 255, 255);
        SetClsColor(0, 0, 0);
    }
    static bool Near(uint32_t a, uint32_t b) {
        for (int s = 0; s < 24; s += 8)
            if (std::abs((int)((a >> s) & 255) - (int)((b >> s) & 255)) > 2) return false;
        return true;
    }
    Image* img = nullptr;
};

TEST_F(BlendTest, MaskDrawsOpaqueOrNothing) {
    SetBlend(MASKBLEND);
    DrawImageFrame(img, 10, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(11, 11), 0xC80000));
    EXPECT_TRUE(Near(ScreenPixel(15, 11), 0x646464)); // alpha 0.4: not drawn
    SetAlpha(0.4);
    DrawImageFrame(img, 30, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(31, 11), 0x646464)); // below the alpha test
}

TEST_F(BlendTest, SolidIgnoresAlpha) {
    SetBlend(SOLIDBLEND);
    SetAlpha(0.2);
    DrawImageFrame(img, 10, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(11, 11), 0xC80000));
    EXPECT_TRUE(Near(ScreenPixel(15, 11), 0x0000FF));
}

TEST_F(BlendTest, AlphaMixesAndClamps) {
    SetBlend(ALPHABLEND);
    SetAlpha(0.5);
    DrawImageFrame(img, 10, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(11, 11), 0x963232)); // 200*.5+100*.5, 100*.5
    SetAlpha(1.5);                                    // above 1 draws fully opaque
    EXPECT_DOUBLE_EQ(GetAlpha(), 1.0);
    DrawImageFrame(img, 30, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(31, 11), 0xC80000));
    SetAlpha(-1); // below 0 draws nothing
    DrawImageFrame(img, 50, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(51, 11), 0x646464));
}

TEST_F(BlendTest, LightAddsAndShadeMultiplies) {
    SetBlend(LIGHTBLEND);
    SetAlpha(0.5);
    DrawImageFrame(img, 10, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(11, 11), 0xC86464)); // 100 + 200*.5
    SetBlend(SHADEBLEND);
    SetAlpha(1);
    DrawImageFrame(img, 30, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(31, 11), 0x4E0000)); // 100 * 200/255
}

TEST_F(BlendTest, ColourTintsImagesAndRects) {
    SetBlend(MASKBLEND);
    SetColor(128, 128, 128);
    DrawImageFrame(img, 10, 10, 0);
    EXPECT_TRUE(Near(ScreenPixel(11, 11), 0x640000));
    SetColor(0, 200, 0);
    DrawRect(40, 40, 5, 5);
    EXPECT_TRUE(Near(ScreenPixel(42, 42), 0x00C800));
    EXPECT_TRUE(Near(ScreenPixel(46, 42), 0x646464));
}

// Draws one string white on black and returns the lit pixels of its box.
static std::vector<uint8_t> Render(const Str& text) {
    SetClsColor(0, 0, 0);
    ClearScreen();
    SetBlend(MASKBLEND);
    SetAlpha(1);
    SetColor(255, 255, 255);
    DrawString(text, 100, 100);
    Pixmap pm = GrabScreenRect(100, 100, 20, 24);
    std::vector<uint8_t> lit;
    for (size_t i = 0; i < pm.rgba.size(); i += 4) lit.push_back(pm.rgba[i] > 128);
    return lit;
}

TEST(Fonts, BitmapFontHasLatin1Letters) {
    EnsureHeadlessWindow();
    Font* f = LoadFontFile(S(GameDir() + "/Funke.fon"), 16, 4);
    SetFont(f);
    EXPECT_GE(FontHeight(), 14);
    EXPECT_LE(FontHeight(), 20);
    // Each umlaut is its own glyph: not blank, not the '?' fallback and not
    // the plain vowel (which a wrong character map would give).
    const std::pair<Str, Str> pairs[] = {{u"\u00E4", u"a"}, {u"\u00F6", u"o"}, {u"\u00FC", u"u"},
                                         {u"\u00C4", u"A"}, {u"\u00D6", u"O"}, {u"\u00DC", u"U"},
                                         {u"\u00DF", u"s"}};
    std::vector<uint8_t> question = Render(u"?");
    for (const auto& [umlaut, plain] : pairs) {
        std::vector<uint8_t> u = Render(umlaut);
        int lit = 0;
        for (uint8_t v : u) lit += v;
        EXPECT_GT(lit, 8) << ToUtf8(umlaut);
        EXPECT_NE(u, question) << ToUtf8(umlaut);
        EXPECT_NE(u, Render(plain)) << ToUtf8(umlaut);
    }
    // Plain letters map to their own glyphs too.
    EXPECT_NE(Render(u"A"), Render(u"B"));
    SetFont(nullptr);
}

// At the game's load flags FreeType gives whole-pixel advances, so a width
// is the sum of its glyphs' advances whichever way fractions would be cut.
TEST(Fonts, WidthsAddUpPerGlyphAndMissingFontsAreRefused) {
    EnsureHeadlessWindow();
    Font* f = LoadFontFile(S(GameDir() + "/Chancery.ttf"), 25, 4);
    SetFont(f);
    int one = StringWidth(u"i");
    EXPECT_EQ(StringWidth(u"iiii"), 4 * one);
    EXPECT_EQ(StringWidth(u""), 0);
    EXPECT_GT(StringWidth(u"Vessara"), StringWidth(u"Vess"));
    Font* big = LoadFontFile(S(GameDir() + "/Chancery.ttf"), 30, 4);
    SetFont(big);
    EXPECT_GT(StringWidth(u"Vessara"), 0);
    EXPECT_GT(FontHeight(), 25);
    SetFont(nullptr);
    EXPECT_THROW(LoadFontFile(u"/nonexistent.ttf", 20, 4), DataError);
}

TEST(Screenshot, SavedPngReadsBack) {
    EnsureHeadlessWindow();
    SetClsColor(10, 20, 30);
    ClearScreen();
    Pixmap pm = GrabScreenRect(0, 0, ScreenWidth(), ScreenHeight());
    std::string path = (ScratchDir() / "shot.png").string();
    ASSERT_TRUE(SavePixmapPNG(pm, S(path), 9));
    Pixmap back;
    std::string err;
    ASSERT_TRUE(LoadPixmapPNG(path, back, err)) << err;
    EXPECT_EQ(back.width, 1024);
    EXPECT_EQ(back.height, 768);
    EXPECT_EQ(back.rgba[0], 10);
    EXPECT_EQ(back.rgba[1], 20);
    EXPECT_EQ(back.rgba[2], 30);
    SetClsColor(0, 0, 0);
}

TEST(Text, LatinOneTextComesFromOneTexture) {
    EnsureHeadlessWindow();
    Font* f = LoadFontFile(S(testsupport::GameDir() + "/Chancery.ttf"), 25, 4);
    SetFont(f);
    DrawString(u"Grüße aus Eschenfeld: Äpfel, Öl und Übermut für 12 Taler!", 10, 10);
    EXPECT_EQ(FontTextureCount(f), 1);
    DrawString(u"\u20AC", 10, 40); // the euro sign lies outside Latin-1
    EXPECT_EQ(FontTextureCount(f), 2);
    SetFont(nullptr);
}

namespace {
// A BDF bitmap font of bpp bits a pixel in which every Latin-1 character is
// one row of four pixels, given as hex.
std::string GreyBdf(int bpp, const std::string& row) {
    std::string chars;
    int n = 0;
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c > 0x7E && c < 0xA0) continue;
        chars += "STARTCHAR c" + std::to_string(c) + "\nENCODING " + std::to_string(c) +
                 "\nSWIDTH 500 0\nDWIDTH 5 0\nBBX 4 1 0 0\nBITMAP\n" + row + "\nENDCHAR\n";
        ++n;
    }
    return "STARTFONT 2.1\nFONT -test-grey-medium-r-normal--8-80-75-75-c-50-iso8859-1\n"
           "SIZE 8 75 75 " +
           std::to_string(bpp) +
           "\nFONTBOUNDINGBOX 4 1 0 0\nSTARTPROPERTIES 4\nFONT_ASCENT 7\nFONT_DESCENT 1\n"
           "CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS " +
           std::to_string(n) + "\n" + chars + "ENDFONT\n";
}

// The grey levels of the lit pixels of "A" drawn white on black with full
// alpha, left to right along its one row.
std::vector<int> GreyRow(Font* f) {
    SetFont(f);
    SetClsColor(0, 0, 0);
    ClearScreen();
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetColor(255, 255, 255);
    DrawString(u"A", 100, 100);
    std::vector<int> row;
    for (int y = 96; y < 116 && row.empty(); ++y)
        for (int x = 96; x < 110; ++x)
            if (int v = (int)(ScreenPixel(x, y) & 0xFF)) row.push_back(v);
    SetBlend(MASKBLEND);
    SetFont(nullptr);
    return row;
}
} // namespace

// Bitmap fonts store two or four bits a pixel as they were drawn: each
// level becomes its share of full coverage.
TEST(Fonts, TwoAndFourBitGlyphsKeepTheirGreyLevels) {
    EnsureHeadlessWindow();
    // 3 2 1 0 and 15 9 5 1.
    // The renderer's blending may round a level down by one.
    auto near = [](std::vector<int> got, std::vector<int> want) {
        bool same = got.size() == want.size();
        for (size_t i = 0; same && i < got.size(); ++i) same = std::abs(got[i] - want[i]) <= 1;
        return same;
    };
    Font* two = LoadFontFile(S(WriteFile("fonts/grey2.bdf", GreyBdf(2, "E4"))), 8, 4);
    std::vector<int> row = GreyRow(two);
    EXPECT_TRUE(near(row, {255, 170, 85})) << ::testing::PrintToString(row);
    Font* four = LoadFontFile(S(WriteFile("fonts/grey4.bdf", GreyBdf(4, "F951"))), 8, 4);
    row = GreyRow(four);
    EXPECT_TRUE(near(row, {255, 153, 85, 17})) << ::testing::PrintToString(row);
    FreeFont(two);
    FreeFont(four);
}

// A bitmap font glyph with a size but without its pixels (the BITMAP
// section of "A" left out) is refused at load, naming the character.
TEST(Fonts, BitmapGlyphWithoutPixelsIsRefused) {
    EnsureHeadlessWindow();
    std::string bdf = GreyBdf(1, "F0");
    std::string a = "ENCODING 65\nSWIDTH 500 0\nDWIDTH 5 0\nBBX 4 1 0 0\n";
    size_t at = bdf.find(a);
    ASSERT_NE(at, std::string::npos);
    bdf.erase(at + a.size(), std::string("BITMAP\nF0\n").size());
    std::string path = WriteFile("fonts/nopixels.bdf", bdf);
    try {
        LoadFontFile(S(path), 8, 4);
        FAIL() << "the glyph without pixels was taken";
    } catch (const DataError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ": the glyph of character 0x41 has a size but no pixels; the font is broken");
    }
}

// A font whose glyphs come out many times its size (here: its units per
// em set to 16, so every outline is blown up a hundredfold) is refused when
// it loads, before a glyph is rendered, naming the file and the character.
TEST(Fonts, GlyphsFarLargerThanTheFontAreRefused) {
    EnsureHeadlessWindow();
    std::string ttf;
    ASSERT_TRUE(ReadWholeFile(GameDir() + "/Chancery.ttf", ttf));
    auto be32 = [&](size_t at) {
        return (uint32_t)(uint8_t)ttf[at] << 24 | (uint32_t)(uint8_t)ttf[at + 1] << 16 |
               (uint32_t)(uint8_t)ttf[at + 2] << 8 | (uint32_t)(uint8_t)ttf[at + 3];
    };
    int tables = (uint8_t)ttf[4] << 8 | (uint8_t)ttf[5];
    size_t head = 0;
    for (int i = 0; i < tables; ++i)
        if (ttf.compare(12 + 16 * (size_t)i, 4, "head") == 0) head = be32(12 + 16 * (size_t)i + 8);
    ASSERT_NE(head, 0u);
    ttf[head + 18] = 0;
    ttf[head + 19] = 16;
    std::string path = WriteFile("fonts/Huge.ttf", ttf);
    try {
        LoadFontFile(S(path), 25, 4);
        FAIL() << "the blown-up font was taken";
    } catch (const DataError& e) {
        std::string why = e.what();
        EXPECT_NE(why.find(path + ": the glyph of character 0x21 is "), std::string::npos) << why;
        EXPECT_NE(why.find(" pixels at size 25; the game takes glyphs of up to 8 times the font size"),
                  std::string::npos)
            << why;
    }
}

// A freed font is no longer the current one; text falls back to the
// built-in boxes instead of reading freed glyphs.
TEST(Fonts, FreeingTheCurrentFontLeavesNone) {
    EnsureHeadlessWindow();
    Font* f = LoadFontFile(S(GameDir() + "/Funke.fon"), 16, 4);
    SetFont(f);
    EXPECT_GT(StringWidth(u"Hallo"), 0);
    FreeFont(f);
    EXPECT_EQ(CurrentFont(), nullptr);
    EXPECT_EQ(StringWidth(u"ab"), 18); // two built-in boxes of 9
}

// Pictures are kept by file, size and time stamp: a file written anew
// with the same size and stamp is still the one read first, until its
// pictures are freed; then it is read again.
TEST(Pictures, FreedPicturesAreReadAgain) {
    EnsureHeadlessWindow();
    namespace fs = std::filesystem;
    std::string path = WritePng("pictures/again.png", 4, 4, [](int, int) { return 0x102030FFu; });
    // Whole and cut into cells: every sheet of the file goes.
    EXPECT_EQ(ImagePixel(LoadImageFile(S(path), 0), 0, 1, 1), 0x102030FFu);
    EXPECT_EQ(ImagePixel(LoadAnimImageFile(S(path), 2, 2, 0, 4, 0), 3, 1, 1), 0x102030FFu);
    fs::file_time_type stamp = fs::last_write_time(path);
    WritePng("pictures/again.png", 4, 4, [](int, int) { return 0x405060FFu; });
    fs::last_write_time(path, stamp);
    EXPECT_EQ(ImagePixel(LoadImageFile(S(path), 0), 0, 1, 1), 0x102030FFu);
    EXPECT_EQ(ImagePixel(LoadAnimImageFile(S(path), 2, 2, 0, 4, 0), 3, 1, 1), 0x102030FFu);
    FreePictures(S(path));
    EXPECT_EQ(ImagePixel(LoadImageFile(S(path), 0), 0, 1, 1), 0x405060FFu);
    EXPECT_EQ(ImagePixel(LoadAnimImageFile(S(path), 2, 2, 0, 4, 0), 3, 1, 1), 0x405060FFu);
}
