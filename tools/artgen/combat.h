// The combat pictures: enemy figure strips (Grafik/Gegner/), hit pictures,
// arrows and spell effects (Grafik/Kampfanimationen/) and the icons of the
// weapons and spells (Grafik/Icons/). Everything lies on the white mask.
#pragma once

#include "canvas.h"
#include "output.h"

namespace art {

// Writes every combat picture.
void MakeCombatImages(const PictureSink& sink);

namespace combat {

void MakeEnemyImages(const PictureSink& sink);  // combat_enemies.cpp
void MakeEffectImages(const PictureSink& sink); // combat_effects.cpp
void MakeIconImages(const PictureSink& sink);   // combat_icons.cpp

// The pictures of the spells' icons, also painted on the spell-book pages:
// `scale` picture pixels per icon pixel, the 40 x 40 icon's top left corner
// at (ox, oy).
enum class SpellEmblem { Fireball, Healing, Ice, SpiritWolf, Poison };
void PaintSpellEmblem(SpellEmblem e, Canvas& cv, int ox, int oy, float scale);

} // namespace combat

} // namespace art
