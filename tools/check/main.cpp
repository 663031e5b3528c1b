// vessara-check [DIR]: reads a game folder (default: the folder this program
// lives in) the way the game does and prints every problem it finds, one a
// line as "FILE:LINE: message" or "FILE, record N: message". Exit status 0
// when there is none, 1 when there are problems, 2 on bad usage.
#include "game_checks.h"
#include "text_checks.h"

#include "media/media.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "--help" || argv[1][0] == '-'))) {
        fprintf(stderr, "usage: vessara-check [GAME_FOLDER]\n");
        return 2;
    }
    std::string dir = argc == 2 ? argv[1] : ProgramDirectory();
    if (dir.empty() || !ChangeDirectory(dir)) {
        fprintf(stderr, "vessara-check: game folder not found: %s\n", dir.c_str());
        return 2;
    }
    fs::path root = fs::current_path();
    Problems problems;
    for (const fs::path& f : TextFiles(root)) CheckLatin1(root, f, problems);
    SelectBackend(Backend::Headless);
    try {
        OpenGraphics(1024, 768, 0, 60, 0);
    } catch (const FatalError& e) {
        fprintf(stderr, "vessara-check: %s: %s\n", e.where.c_str(), e.reason.c_str());
        return 2;
    }
    CheckConnections(problems);
    if (CheckStartUp(problems)) {
        CheckSpeechFiles(root, problems);
        CheckCatalogueEntries(problems);
    }
    ShutdownMedia();
    for (const std::string& p : problems.lines) printf("%s\n", p.c_str());
    if (problems.lines.empty()) {
        printf("vessara-check: %s: no problems found\n", root.string().c_str());
        return 0;
    }
    fprintf(stderr, "vessara-check: %zu problem%s found\n", problems.lines.size(),
            problems.lines.size() == 1 ? "" : "s");
    return 1;
}
