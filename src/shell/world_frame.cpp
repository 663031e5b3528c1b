// The world step of the frame. The world layer draws the map and the
// figures; the combat layer's blood, corpses, projectiles and effects go
// between its stages, and the clock runs while no window is open.
#include "shell/shell.h"

#include "combat/combat.h"
#include "world/world.h"

void DrawWorld() {
    BeginWorldDrawing();
    if (NoWindowOpen()) AdvanceClock();
    DrawGround();
    DrawBloodAndCorpses();
    DrawObjectsAndFigures();
    // Weapon and spell effects run behind every window.
    SetColor(255, 255, 255);
    DrawCombatEffects();
    DrawOverhead();
}
