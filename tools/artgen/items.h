// The pictures of the things the player can own: 48 x 48 inventory pictures
// on the white mask (Grafik/Items/), the armour, helmet and shield strips
// worn over the player's figure on the green mask (Grafik/Items/ and
// Grafik/Items/Groß/) and the spell pages of the spell book (Grafik/Zauber/).
#pragma once

#include "output.h"

namespace art {

// Writes every item and spell-book picture.
void MakeItemImages(const PictureSink& sink);

namespace items {

constexpr int kSize = 48; // inventory and spell-book pictures

void MakeWeaponImages(const PictureSink& sink); // items_weapons.cpp
void MakeGoodsImages(const PictureSink& sink);  // items_goods.cpp
void MakeArmourImages(const PictureSink& sink); // armour.cpp
void MakeShieldImages(const PictureSink& sink); // shields.cpp
void MakeSpellPages(const PictureSink& sink);   // spell_pages.cpp

} // namespace items

} // namespace art
