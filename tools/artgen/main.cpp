// vessara-artgen OUTDIR: paints every picture the game loads from Grafik/
// (interface images, the player's figure strips, the NPCs' figures and
// portraits, the two tilesets, the enemies, the combat pictures, the weapon
// and spell icons, the items, armour and shields and the spell-book pages)
// and writes them as PNG files below OUTDIR.
// The output depends on nothing but this program: all randomness uses fixed
// seeds.
#include "combat.h"
#include "figures.h"
#include "interface.h"
#include "items.h"
#include "npcs.h"
#include "output.h"
#include "tiles.h"

#include "media/media.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path Utf8Path(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

void MakeFigures(const art::PictureSink& sink) {
    using namespace art;
    const FigureLook player = PlayerLook();
    struct Layer {
        const char* small;
        const char* large;
        unsigned include, keep;
    };
    // Each layer keeps only what shows once the layers below it are drawn.
    const Layer layers[] = {
        {"Grafik/Charakter/Körper_Mensch.png", "Grafik/Charakter/Groß/Körper_Mensch.png",
         kLayerBody, kLayerBody},
        {"Grafik/Charakter/Gesicht1.png", "Grafik/Charakter/Groß/Gesicht1.png",
         kLayerBody | kLayerFace, kLayerFace},
        {"Grafik/Charakter/Haare3.png", "Grafik/Charakter/Groß/Haare3.png",
         kLayerBody | kLayerFace | kLayerHair, kLayerHair},
        {"Grafik/Items/Startkleidung.png", "Grafik/Items/Groß/Startkleidung.png", kLayerAll,
         kLayerClothes},
    };
    for (const Layer& l : layers) {
        sink(l.small, MakeFigureStrip(player, l.include, l.keep, 48, 64));
        sink(l.large, MakeFigureStrip(player, l.include, l.keep, 72, 96));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vessara-artgen OUTDIR\n");
        return 2;
    }
    const std::string outDir = argv[1];
    auto start = std::chrono::steady_clock::now();
    int written = 0;
    bool failed = false;
    art::PictureSink sink = [&](const std::string& rel, const Pixmap& pm) {
        std::string full = outDir + "/" + rel;
        std::error_code ec;
        std::filesystem::create_directories(Utf8Path(full).parent_path(), ec);
        if (ec || !SavePixmapPNGUtf8(pm, full, 6)) {
            std::fprintf(stderr, "vessara-artgen: cannot write %s\n", full.c_str());
            failed = true;
            return;
        }
        ++written;
    };
    art::MakeInterfaceImages(sink);
    MakeFigures(sink);
    art::MakeNpcImages(sink);
    art::MakeTilesets(sink);
    art::MakeCombatImages(sink);
    art::MakeItemImages(sink);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count();
    if (std::getenv("VESSARA_VERBOSE"))
        std::printf("vessara-artgen: %d pictures written to %s in %lld ms\n", written,
                    outDir.c_str(), static_cast<long long>(ms));
    return failed ? 1 : 0;
}
