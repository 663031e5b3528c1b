// The combat pictures: enemy figure strips (Grafik/Gegner/), hit pictures,
// arrows and spell effects (Grafik/Kampfanimationen/) and the icons of the
// weapons and spells (Grafik/Icons/). Everything lies on the white mask.
#pragma once

#include "output.h"

namespace art {

// Writes every combat picture.
void MakeCombatImages(const PictureSink& sink);

namespace combat {

void MakeEnemyImages(const PictureSink& sink);  // combat_enemies.cpp
void MakeEffectImages(const PictureSink& sink); // combat_effects.cpp
void MakeIconImages(const PictureSink& sink);   // combat_icons.cpp

} // namespace combat

} // namespace art
