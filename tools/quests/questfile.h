// Quest files: the game's binary form ("QuestN.vsq": text lines mixed with
// little-endian numbers) and a readable source form, one text file per
// quest, for the quest tool.
//
// Source form (UTF-8; blank lines and lines starting with "#" are ignored,
// and " #" starts a comment at the end of a task line):
//
//   Quest: Das Skelett in den Ruinen
//   Bedingung: ...          (optional; stored, never evaluated)
//   Parameter: ...          (optional; stored, never evaluated)
//   Start: rede mit NPC 6 1
//   Tagebucheintrag 1
//   toete Gruppe 3
//   ...
//
// Every task line is a task kind as the game spells it followed by its
// numbers: "rede mit NPC" ID event, "rede mit Gruppe" group event,
// "toete Gegner" ID, "toete Gruppe" group, "Item besitzen" ID count,
// "NPC Ereignis" ID event, "Tagebucheintrag" n, "Item bekommen" ID count
// (ID 0: gold amount), "Item entfernen" ID count (ID 0: gold amount),
// "NPC feindlich" ID, "Quest abgeschlossen".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct QuestTask {
    uint8_t typ = 0;  // 1 condition, 2 action
    std::string art;  // the kind, UTF-8
    uint16_t x = 0, y = 0;
};

struct QuestSource {
    std::string name, bedingung, parameter; // UTF-8
    QuestTask start;
    std::vector<QuestTask> tasks;
};

// Each returns an empty string on success, or a message naming the file
// and the line (source) or the task (binary file).
std::string ParseQuestSource(const std::string& path, const std::string& text, QuestSource& q);
std::string ReadQuestSource(const std::string& path, QuestSource& q);
std::string WriteQuestSource(const std::string& path, const QuestSource& q);
std::string DecodeQuestFile(const std::string& path, const std::string& bytes, QuestSource& q);
std::string ReadQuestFile(const std::string& path, QuestSource& q);
std::string EncodeQuestFile(const std::string& path, const QuestSource& q, std::string& bytes);
std::string WriteQuestFile(const std::string& path, const QuestSource& q);
// The source text of a quest; steps are marked with comments.
std::string FormatQuestSource(const QuestSource& q);
// Compiles srcDir/Quest1.txt, Quest2.txt, ... (numbered without a gap) into
// dstDir/QuestN.vsq and removes quest files of dstDir without a source.
// When journalDir is given, every "Tagebucheintrag" n must have
// journalDir/n.vst.
std::string BuildQuestFolder(const std::string& srcDir, const std::string& dstDir,
                             const std::string& journalDir);
