// Combat steps of the frame that are not in the game yet: the summoned
// monster does nothing until it is.
#include "combat/combat.h"

void UpdateSummonedMonster() {}

void ResetCombatState() {
    LastHitEnemyId = 0;
    AlertedGroup = 0;
    ArrowHit = 0;
    ImpactX = ImpactY = 0;
    PlayerHitTileX = PlayerHitTileY = 0;
}
