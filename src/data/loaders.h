// The catalogue loaders: each reads one data file into its global list.
#pragma once

#include "data/collections.h"
#include "media/media.h"

// Loads "Sound/" + name + ".wav", starts it on a new channel and pauses it
// there at once, as every weapon and spell keeps its sound ready.
void PrepareSound(const Str& name, ::Sound*& sound, Channel*& channel, uint8_t& playing);

// Reads "Data/Gegner/Gegner.txt" into EnemyList with each enemy's type,
// attack, spell and picture.
void LoadEnemyFile();
TWaffe* LoadEnemyWeapon(uint16_t block);
TZauber* LoadEnemySpell(uint16_t block);
// Block n of "Data/NPCs/BeschworenesMonster.txt" into SummonedMonster.
void LoadSummonedMonster(uint16_t block);
void LoadSummonWeapon(uint16_t block);

// The player's weapon and spell catalogues.
void LoadWeaponFile();
void LoadSpellFile();

// The item and spell-item readers: fill grid cell [x][y], whose ID is set,
// from block n of "Data/Items/Items.txt" or record n of
// "Data/Items/Zauber.txt", with its pictures. The inventory reader sets a
// count of 0 to 1.
void LoadInventoryItem(uint16_t n, uint8_t x, uint8_t y);
void LoadShopItem(uint16_t n, uint8_t x, uint8_t y);
void LoadSpellBookItem(uint16_t n, uint8_t x, uint8_t y);
void LoadShopSpell(uint16_t n, uint8_t x, uint8_t y);

// Every container file into ContainerList. A kind above 3 is refused.
void LoadContainers();
