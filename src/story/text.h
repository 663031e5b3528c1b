// The text wrapper shared by NPC speech, skill descriptions and journal
// entries: breaks a text into lines no wider than a pixel limit.
#pragma once

#include "media/media.h"

#include <vector>

// Carried over between calls, across all uses of the wrapper. Lifetime:
// per run.
extern uint16_t WrapProbe;

// Joins the lines of a text the way the wrapper expects: each line with
// one leading space, and one more space at the end.
Str JoinTextLines(const std::vector<Str>& lines);
// The longest text the wrapper takes, in characters: some 20 lines of
// 400 letters, far more than any speech (at most 20 lines of about 60) or
// description of the game holds. The bound keeps the probe, which grows in
// steps of ten past the end of the text, well inside its 16 bits, so that
// wrapping always ends.
constexpr size_t kMaxWrapText = 8000;

// Wraps `text` into lines of at most `width` pixels in the current font.
// A text longer than kMaxWrapText stops the game with an error naming
// `where` (the file the text comes from).
std::vector<Str> WrapText(const Str& text, int width, const std::string& where);
// Reads a text file (every line is text) and appends its wrapped lines to
// SkillDescriptions[slot]. A missing file stops the game.
void WrapSkillDescription(const Str& path, int width, int slot);
