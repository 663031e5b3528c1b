// vessara-links: turns the readable list of map connections into the game's
// "Data/Verbindungen.link" and back.
//   vessara-links compile IN.txt OUT.link [--maps MAP_DIR]
//   vessara-links decompile IN.link OUT.txt
// With --maps the connections are checked against the compiled maps in
// MAP_DIR (NAME.Map): maps and cells exist, start cells carry an exit
// marker, destination cells are free.
#include "linkfile.h"

#include <cstdio>
#include <string>

namespace {
int Usage() {
    fprintf(stderr, "usage: vessara-links compile IN.txt OUT.link [--maps MAP_DIR]\n"
                    "       vessara-links decompile IN.link OUT.txt\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    std::string mode = argv[1], in = argv[2], out = argv[3];
    std::vector<LinkEntry> links;
    std::string err;
    if (mode == "compile") {
        std::string mapDir;
        if (argc == 6 && std::string(argv[4]) == "--maps")
            mapDir = argv[5];
        else if (argc != 4)
            return Usage();
        err = ReadLinkSource(in, links);
        if (err.empty() && !mapDir.empty()) err = CheckLinksAgainstMaps(links, in, mapDir);
        if (err.empty()) err = WriteLinkBinary(out, links);
    } else if (mode == "decompile") {
        if (argc != 4) return Usage();
        err = ReadLinkBinary(in, links);
        if (err.empty()) err = WriteLinkSource(out, links);
    } else {
        fprintf(stderr, "vessara-links: unknown mode %s\n", mode.c_str());
        return 2;
    }
    if (!err.empty()) {
        fprintf(stderr, "vessara-links: %s\n", err.c_str());
        return 1;
    }
    return 0;
}
