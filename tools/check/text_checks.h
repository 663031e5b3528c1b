// Checks of the game folder's text files, read byte by byte.
#pragma once

#include "problems.h"

#include <filesystem>

// Every text file the game reads (catalogues, speech, descriptions, journal
// texts) under `root`, as paths relative to it.
std::vector<std::filesystem::path> TextFiles(const std::filesystem::path& root);
// Flags a file whose lines hold UTF-8 sequences: the game reads its texts as
// Latin-1, where "Grüße" saved as UTF-8 shows as "GrÃ¼ÃŸe".
void CheckLatin1(const std::filesystem::path& root, const std::filesystem::path& rel,
                 Problems& out);
// Whether `bytes` holds a two- or three-byte UTF-8 sequence for a character
// beyond ASCII (what a Latin-1 German text practically never does).
bool LooksLikeUtf8(const std::string& bytes);
