// The catalogue loaders: each reads one data file into its global list.
#pragma once

#include "data/records.h"

// Reads "Data/NPCs/NPC.txt" into NpcList, with each NPC's pictures and
// first speech.
void LoadNpcFile();
