// Checks of the game folder's text files, read byte by byte.
#include "text_checks.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::vector<fs::path> TextFiles(const fs::path& root) {
    std::vector<fs::path> files;
    for (const char* dir : {"Data", "NPC-Sprech", "Beschreibungen"}) {
        std::error_code ec;
        if (!fs::is_directory(root / dir, ec)) continue;
        for (auto& e : fs::recursive_directory_iterator(root / dir, ec)) {
            if (!e.is_regular_file()) continue;
            std::string ext = e.path().extension().string();
            if (ext == ".txt" || ext == ".vst") files.push_back(fs::relative(e.path(), root));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

namespace {
bool Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
} // namespace

bool LooksLikeUtf8(const std::string& b) {
    for (size_t i = 0; i + 1 < b.size(); ++i) {
        unsigned char c = (unsigned char)b[i];
        if (c >= 0xC2 && c <= 0xDF && Continuation((unsigned char)b[i + 1])) return true;
        if (c >= 0xE0 && c <= 0xEF && i + 2 < b.size() && Continuation((unsigned char)b[i + 1]) &&
            Continuation((unsigned char)b[i + 2]))
            return true;
    }
    return false;
}

void CheckLatin1(const fs::path& root, const fs::path& rel, Problems& out) {
    std::ifstream in(root / rel, std::ios::binary);
    if (!in) {
        out.Add(rel.string(), "cannot be read");
        return;
    }
    // The first such line is named, with the count of the others.
    std::string line;
    int first = 0, count = 0;
    for (int n = 1; std::getline(in, line); ++n)
        if (LooksLikeUtf8(line) && count++ == 0) first = n;
    if (count == 0) return;
    std::string more = count > 1 ? " (and " + std::to_string(count - 1) + " later lines)" : "";
    out.Add(rel.string() + ":" + std::to_string(first),
            "saved as UTF-8" + more +
                "; the game reads its texts as Latin-1 (ISO 8859-1), so its umlauts would "
                "show as two wrong characters each");
}
