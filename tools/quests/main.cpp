// vessara-quests: turns quest sources into the game's quest files and back.
//   vessara-quests compile IN.txt OUT.vsq
//   vessara-quests decompile IN.vsq OUT.txt
//   vessara-quests build SRC_DIR DST_DIR [JOURNAL_DIR]
#include "questfile.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: vessara-quests compile IN.txt OUT.vsq\n"
                        "       vessara-quests decompile IN.vsq OUT.txt\n"
                        "       vessara-quests build SRC_DIR DST_DIR [JOURNAL_DIR]\n");
        return 2;
    }
    std::string mode = argv[1];
    QuestSource q;
    std::string err;
    if (mode == "compile") {
        err = ReadQuestSource(argv[2], q);
        if (err.empty()) err = WriteQuestFile(argv[3], q);
    } else if (mode == "decompile") {
        err = ReadQuestFile(argv[2], q);
        if (err.empty()) err = WriteQuestSource(argv[3], q);
    } else if (mode == "build") {
        err = BuildQuestFolder(argv[2], argv[3], argc > 4 ? argv[4] : "");
    } else {
        fprintf(stderr, "vessara-quests: unknown mode %s\n", mode.c_str());
        return 2;
    }
    if (!err.empty()) {
        fprintf(stderr, "vessara-quests: %s\n", err.c_str());
        return 1;
    }
    return 0;
}
