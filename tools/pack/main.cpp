// vessara-pack SRC DST: copies the game's text data from the content tree
// into the game folder. Text files (.txt, .vst) are written as Latin-1, one
// byte per character, which is what the game reads; the sources stay UTF-8
// so they are easy to edit. A character outside Latin-1 is an error that
// names the file and line.
#include "media/media.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

static bool IsText(const fs::path& p) {
    std::string e = p.extension().string();
    return e == ".txt" || e == ".vst";
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: vessara-pack SRC DST\n");
        return 2;
    }
    fs::path src = argv[1], dst = argv[2];
    std::error_code ec;
    if (!fs::is_directory(src, ec)) {
        fprintf(stderr, "vessara-pack: %s is not a folder\n", src.c_str());
        return 1;
    }
    int files = 0;
    for (auto& e : fs::recursive_directory_iterator(src)) {
        if (!e.is_regular_file()) continue;
        fs::path rel = fs::relative(e.path(), src);
        fs::path out = dst / rel;
        fs::create_directories(out.parent_path(), ec);
        std::string data;
        if (!ReadWholeFile(e.path().string(), data)) {
            fprintf(stderr, "vessara-pack: cannot read %s\n", e.path().c_str());
            return 1;
        }
        if (IsText(e.path())) {
            Str text = S(data);
            if (ToUtf8(text) != data) {
                fprintf(stderr, "vessara-pack: %s: not valid UTF-8\n", e.path().c_str());
                return 1;
            }
            std::string latin;
            int line = 1;
            for (char16_t c : text) {
                if (c == u'\n') ++line;
                if (c == 0xFEFF && latin.empty()) continue; // a byte-order mark
                if (c > 255) {
                    fprintf(stderr, "vessara-pack: %s:%d: character outside Latin-1\n",
                            e.path().c_str(), line);
                    return 1;
                }
                latin.push_back((char)(unsigned char)c);
            }
            data = latin;
        }
        if (!WriteWholeFile(out.string(), data)) {
            fprintf(stderr, "vessara-pack: cannot write %s\n", out.c_str());
            return 1;
        }
        ++files;
    }
    // Files left from an earlier build whose source is gone would still be
    // read by the game (a numbered family runs on to them): remove them from
    // every folder that has a source folder.
    for (auto& e : fs::recursive_directory_iterator(dst)) {
        if (!e.is_regular_file()) continue;
        fs::path rel = fs::relative(e.path(), dst);
        // Only in the data folders: the game folder's top level holds the
        // programs, fonts and screenshots.
        if (rel.parent_path().empty()) continue;
        if (!fs::is_directory(src / rel.parent_path(), ec)) continue;
        if (fs::exists(src / rel, ec)) continue;
        fs::remove(e.path(), ec);
        if (getenv("VESSARA_VERBOSE")) printf("vessara-pack: removed %s\n", e.path().c_str());
    }
    if (getenv("VESSARA_VERBOSE")) printf("vessara-pack: %d files\n", files);
    return 0;
}
