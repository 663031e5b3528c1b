// The item pictures from the picture generator: every one is made in the
// size the inventory, the equipment slots and the spell book will cut it
// into, the worn strips lie on the player's body strip cell by cell, and the
// cells the inventory shows on their own are not empty.
#include "item_pictures.h"
#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Picture {
    Pixmap pm;
    bool Painted(int x, int y, uint32_t mask) const {
        const uint8_t* p = &pm.rgba[(static_cast<size_t>(y) * pm.width + x) * 4];
        return (static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2]) != mask;
    }
    // Painted pixels of the cell at (cx, cy) of cw x ch.
    int Count(int cx, int cy, int cw, int ch, uint32_t mask) const {
        int n = 0;
        for (int y = cy * ch; y < (cy + 1) * ch; ++y)
            for (int x = cx * cw; x < (cx + 1) * cw; ++x) n += Painted(x, y, mask);
        return n;
    }
};

constexpr uint32_t kWhite = 0xFFFFFF, kGreen = 0x209C00;

// The generator's output, made once for all tests of this file.
const fs::path& ArtDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("vessara-item-art-" + std::to_string(getpid()));
        fs::remove_all(d);
        std::string cmd = std::string("'") + VESSARA_ARTGEN + "' '" + d.string() + "' > /dev/null";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
        return d;
    }();
    return dir;
}

Picture Load(const std::string& rel) {
    Picture p;
    std::string err;
    std::u8string u8 = (ArtDir() / fs::path(std::u8string(rel.begin(), rel.end()))).u8string();
    EXPECT_TRUE(LoadPixmapPNG(std::string(u8.begin(), u8.end()), p.pm, err)) << rel << ": " << err;
    return p;
}

TEST(ItemArt, EveryPictureHasItsSizeAndShowsSomething) {
    for (const testsupport::ItemPicture& item : testsupport::ItemPictures()) {
        std::string n = item.name;
        SCOPED_TRACE(n);
        if (item.art != testsupport::ItemArt::Worn) {
            std::string dir = item.art == testsupport::ItemArt::Page ? "Zauber" : "Items";
            Picture p = Load("Grafik/" + dir + "/" + n + ".png");
            ASSERT_EQ(p.pm.width, 48);
            ASSERT_EQ(p.pm.height, 48);
            // on the white mask, filling a good part of the square, with
            // white all round the edge
            EXPECT_GT(p.Count(0, 0, 48, 48, kWhite), 48 * 48 / 8);
            int onEdge = 0;
            for (int i = 0; i < 48; ++i)
                onEdge += p.Painted(i, 0, kWhite) + p.Painted(0, i, kWhite) +
                          p.Painted(i, 47, kWhite) + p.Painted(47, i, kWhite);
            EXPECT_EQ(onEdge, 0);
            continue;
        }
        for (int size = 0; size < 2; ++size) {
            int cw = size ? 72 : 48, ch = size ? 96 : 64;
            Picture p = Load(std::string("Grafik/Items/") + (size ? "Groß/" : "") + n + ".png");
            ASSERT_EQ(p.pm.width, cw * 3);
            ASSERT_EQ(p.pm.height, ch * 4);
            for (int cell = 0; cell < 12; ++cell)
                EXPECT_GT(p.Count(cell % 3, cell / 3, cw, ch, kGreen), cw * ch / 40)
                    << "cell " << cell << " of size " << cw;
        }
    }
}

// Every worn thing lies on the body: in each cell its pixels stay close to
// the body's, and a helmet covers the top of the head (the hair is not drawn
// under it).
TEST(ItemArt, WornStripsLieOnTheBody) {
    for (int size = 0; size < 2; ++size) {
        int cw = size ? 72 : 48, ch = size ? 96 : 64;
        std::string sub = size ? "Groß/" : "";
        Picture body = Load("Grafik/Charakter/" + sub + "Körper_Mensch.png");
        for (const testsupport::ItemPicture& item : testsupport::ItemPictures()) {
            if (item.art != testsupport::ItemArt::Worn) continue;
            std::string kind = item.kind;
            Picture worn = Load("Grafik/Items/" + sub + item.name + ".png");
            for (int cell = 0; cell < 12; ++cell) {
                SCOPED_TRACE(std::string(item.name) + " cell " + std::to_string(cell) + " size " +
                             std::to_string(cw));
                int x0 = (cell % 3) * cw, y0 = (cell / 3) * ch;
                // the body's box in this cell
                int bl = cw, br = -1, bt = ch, bb = -1;
                for (int y = 0; y < ch; ++y)
                    for (int x = 0; x < cw; ++x)
                        if (body.Painted(x0 + x, y0 + y, kGreen)) {
                            bl = std::min(bl, x), br = std::max(br, x);
                            bt = std::min(bt, y), bb = std::max(bb, y);
                        }
                ASSERT_GE(br, 0);
                // a shield may stand out beside the body, armour hardly
                int margin = (kind == "shield" ? 10 : 3) * cw / 48;
                int outside = 0;
                for (int y = 0; y < ch; ++y)
                    for (int x = 0; x < cw; ++x)
                        if (worn.Painted(x0 + x, y0 + y, kGreen) &&
                            (x < bl - margin || x > br + margin || y < bt - margin ||
                             y > bb + margin))
                            ++outside;
                EXPECT_EQ(outside, 0);
                if (kind != "helmet") continue;
                // the three top rows of the head are covered
                for (int y = bt; y < bt + 3; ++y)
                    for (int x = 0; x < cw; ++x) {
                        if (!body.Painted(x0 + x, y0 + y, kGreen)) continue;
                        EXPECT_TRUE(worn.Painted(x0 + x, y0 + y, kGreen))
                            << "head uncovered at " << x << "," << y;
                    }
            }
        }
    }
}

} // namespace
