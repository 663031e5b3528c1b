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
// Wraps `text` into lines of at most `width` pixels in the current font.
std::vector<Str> WrapText(const Str& text, int width);
// Reads a text file (every line is text) and appends its wrapped lines to
// SkillDescriptions[slot]. A missing file stops the game.
void WrapSkillDescription(const Str& path, int width, int slot);
