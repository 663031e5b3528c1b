// Checks that read the game folder the way start-up and the later loads do.
#pragma once

#include "problems.h"

#include <filesystem>

// Fonts and interface pictures, then the world start-up builds (map,
// player, NPCs with their speech, enemies, items, weapons, spells,
// containers), every bad record of a catalogue reported on its own.
// Returns false when the fonts or pictures could not be loaded, so that
// the checks needing them are skipped.
bool CheckStartUp(Problems& out);
// Every speech file: readable and wrapping into at most four pages.
void CheckSpeechFiles(const std::filesystem::path& root, Problems& out);
// Every connection: both maps exist and hold their cells.
void CheckConnections(Problems& out);
// Every item and spell of the catalogues with its pictures, and every item
// and spell a container lists.
void CheckCatalogueEntries(Problems& out);
