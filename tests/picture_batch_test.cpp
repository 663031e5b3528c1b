// Pictures loaded in a batch are decoded on a second thread: the same cells
// as a load outside a batch, and a broken file still stops loading with its
// name, at the latest when the batch ends.
#include "test_support.h"

#include "media/picture_batch.h"

#include <chrono>
#include <fstream>
#include <thread>

using testsupport::WritePng;

namespace {
// A 4 x 3 sheet of 8 x 8 cells: opaque, empty, half see-through and masked
// (0x20 9C 00 turns transparent) cells, the pattern set by the cell.
uint32_t Pattern(int x, int y) {
    int cell = (y / 8) * 4 + x / 8;
    switch (cell % 4) {
    case 0:
        return (uint32_t)(x * 29 + y * 7) << 8 | 0xFF;
    case 1:
        return 0x11223300u; // empty
    case 2:
        return (uint32_t)(x * 11) << 24 | (uint32_t)(y * 3) << 8 | (uint32_t)(x * 20 + y);
    default:
        return (x + y) % 3 == 0 ? 0x209C00FFu : (uint32_t)(cell * 0x0A0B0C) << 8 | 0xFF;
    }
}

// Damages the compressed pixels of a PNG (its header stays readable).
void DamagePixels(const std::string& path) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(f)), {});
    size_t idat = bytes.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    f.seekp((std::streamoff)(idat + 8));
    f.put((char)(bytes[idat + 8] ^ 0x5A));
}

struct PictureBatchTest : ::testing::Test {
    void SetUp() override { testsupport::FreshWorld(); }
    void TearDown() override { SetMaskColor(255, 255, 255); }
};
} // namespace

TEST_F(PictureBatchTest, SameCellsAsALoadOutsideTheBatch) {
    SetMaskColor(32, 156, 0);
    std::string plain = WritePng("plain.png", 32, 24, Pattern);
    std::string batched = WritePng("batched.png", 32, 24, Pattern);
    std::string whole = WritePng("whole.png", 32, 24, Pattern);
    Image* a = LoadAnimImageFile(S(plain), 8, 8, 0, 12);
    BeginPictureBatch();
    Image* b = LoadAnimImageFile(S(batched), 8, 8, 0, 12);
    Image* w = LoadImageFile(S(whole));
    // The sizes are known before the pixels are.
    EXPECT_EQ(ImageWidthOf(w), 32);
    EXPECT_EQ(ImageHeightOf(w), 24);
    EXPECT_EQ(ImageFramesOf(b), 12);
    EndPictureBatch();
    int differ = 0, opaque = 0, shown = 0;
    for (int f = 0; f < 12; ++f) {
        opaque += ImageFrameOpaque(b, f);
        differ += ImageFrameOpaque(a, f) != ImageFrameOpaque(b, f);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                uint32_t pa = ImagePixel(a, f, x, y);
                differ += pa != ImagePixel(b, f, x, y);
                // An empty cell reads as 0; the whole picture keeps the
                // colour of its transparent pixels.
                uint32_t pw = ImagePixel(w, 0, (f % 4) * 8 + x, (f / 4) * 8 + y);
                differ += pa != ((pw & 0xFF) ? pw : pa & ~0xFFu);
                shown += (pa & 0xFF) != 0;
            }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(opaque, 3);
    EXPECT_GT(shown, 200); // not all transparent: the mask took only its colour
    // The masked colour is gone in the batch's copy too.
    EXPECT_EQ(ImagePixel(b, 3, 0, 0) & 0xFF, 0u);
}

TEST_F(PictureBatchTest, BrokenPixelsStopTheBatchNamingTheFirstBrokenFile) {
    std::string good = WritePng("good.png", 16, 16, Pattern);
    std::string bad1 = WritePng("bad1.png", 16, 16, Pattern);
    std::string bad2 = WritePng("bad2.png", 16, 16, Pattern);
    DamagePixels(bad1);
    DamagePixels(bad2);
    BeginPictureBatch();
    LoadImageFile(S(good));
    Image* broken = LoadImageFile(S(bad1)); // its header is fine
    LoadImageFile(S(bad2));
    EXPECT_EQ(ImageWidthOf(broken), 16);
    try {
        EndPictureBatch();
        ADD_FAILURE() << "a broken picture passed";
    } catch (const DataError& e) {
        EXPECT_EQ(e.where, bad1);
        EXPECT_FALSE(e.reason.empty());
    }
    // The batch is over: the next load reads at once and fails at once.
    std::string bad3 = WritePng("bad3.png", 16, 16, Pattern);
    DamagePixels(bad3);
    EXPECT_THROW(LoadImageFile(S(bad3)), DataError);
    // A missing file fails at its load, also in a batch.
    BeginPictureBatch();
    EXPECT_THROW(LoadImageFile(S((testsupport::ScratchDir() / "none.png").string())), DataError);
    EndPictureBatch();
}

// Late pictures (the windows') are left to the worker when the batch ends:
// the batch ends without them, a late picture used at once is waited for
// with the right cells, and a broken one is reported by FinishPictures, or
// by PollPictures once everything is decoded.
TEST_F(PictureBatchTest, LatePicturesOutliveTheBatchAndStillReportABrokenFile) {
    std::string early = WritePng("early.png", 32, 24, Pattern);
    std::string late = WritePng("late.png", 32, 24, Pattern);
    std::string plain = WritePng("late-plain.png", 32, 24, Pattern);
    Image* reference = LoadAnimImageFile(S(plain), 8, 8, 0, 12);
    BeginPictureBatch();
    Image* e = LoadAnimImageFile(S(early), 8, 8, 0, 12);
    BeginLatePictures();
    Image* l = LoadAnimImageFile(S(late), 8, 8, 0, 12);
    EndLatePictures();
    EndPictureBatch();
    int differ = 0;
    for (int f = 0; f < 12; ++f)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                differ += ImagePixel(reference, f, x, y) != ImagePixel(e, f, x, y);
                differ += ImagePixel(reference, f, x, y) != ImagePixel(l, f, x, y);
            }
    EXPECT_EQ(differ, 0);
    EXPECT_NO_THROW(FinishPictures());

    std::string bad = WritePng("late-bad.png", 16, 16, Pattern);
    DamagePixels(bad);
    BeginPictureBatch();
    LoadImageFile(S(early));
    BeginLatePictures();
    LoadImageFile(S(bad));
    EndLatePictures();
    EXPECT_NO_THROW(EndPictureBatch());
    try {
        FinishPictures();
        ADD_FAILURE() << "a broken late picture passed";
    } catch (const DataError& err) {
        EXPECT_EQ(err.where, bad);
    }
    EXPECT_NO_THROW(FinishPictures()); // reported once, then gone

    std::string bad2 = WritePng("late-bad2.png", 16, 16, Pattern);
    DamagePixels(bad2);
    BeginPictureBatch();
    BeginLatePictures();
    LoadImageFile(S(bad2));
    EndLatePictures();
    EndPictureBatch();
    bool reported = false;
    for (int i = 0; i < 2000 && !reported; ++i) {
        try {
            PollPictures();
        } catch (const DataError& err) {
            EXPECT_EQ(err.where, bad2);
            reported = true;
        }
        if (!reported) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(reported);
}
