// vessara-mapconv: turns Tiled maps into the game's map files and back.
//   vessara-mapconv tmx2map IN.tmx OUT.Map
//   vessara-mapconv map2tmx IN.Map OUT.tmx [TILESET_IMAGE_DIR]
//   vessara-mapconv render IN.Map|IN.tmx OUT.png TILESET_DIR
#include "mapfile.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: vessara-mapconv tmx2map IN.tmx OUT.Map\n"
                        "       vessara-mapconv map2tmx IN.Map OUT.tmx [TILESET_IMAGE_DIR]\n"
                        "       vessara-mapconv render IN.Map|IN.tmx OUT.png TILESET_DIR\n");
        return 2;
    }
    std::string mode = argv[1];
    MapData m;
    std::string err;
    if (mode == "tmx2map") {
        err = ReadTmx(argv[2], m);
        if (err.empty()) err = WriteMapFile(argv[3], m);
    } else if (mode == "map2tmx") {
        err = ReadMapFile(argv[2], m);
        if (err.empty()) err = WriteTmx(argv[3], m, argc > 4 ? argv[4] : "../../build/game/Grafik");
    } else if (mode == "render") {
        if (argc < 5) {
            fprintf(stderr, "usage: vessara-mapconv render IN.Map|IN.tmx OUT.png TILESET_DIR\n");
            return 2;
        }
        std::string in = argv[2];
        bool tmx = in.size() >= 4 && (in.compare(in.size() - 4, 4, ".tmx") == 0 ||
                                      in.compare(in.size() - 4, 4, ".TMX") == 0);
        err = tmx ? ReadTmx(in, m) : ReadMapFile(in, m);
        if (err.empty()) err = RenderMapPng(m, argv[4], argv[3]);
    } else {
        fprintf(stderr, "vessara-mapconv: unknown mode %s\n", mode.c_str());
        return 2;
    }
    if (!err.empty()) {
        fprintf(stderr, "vessara-mapconv: %s\n", err.c_str());
        return 1;
    }
    return 0;
}
