// The combat state a new game starts from.
#include "combat/combat.h"

void ResetCombatState() {
    LastHitEnemyId = 0;
    AlertedGroup = 0;
    ArrowHit = 0;
    ImpactX = ImpactY = 0;
    PlayerHitTileX = PlayerHitTileY = 0;
    AreaWidth = AreaLength = 0;
    SpellImpact = kNoImpact;
}
