// Combat steps of the frame. Enemies, attacks and spells are not in the
// game yet: these steps do nothing until they are.
#include "combat/combat.h"

uint16_t LastHitEnemyId = 0;

void EnemyDeathCheck() {}
void UpdateEnemy() {}
void EnemyAttack(int /*mode*/) {}
void ChargeEnemySpell() {}
void UpdatePlayerCombat() {}
void UpdateSummonedMonster() {}
void TurnNpcHostile(TCharakter* /*npc*/) {}
void DrawBloodAndCorpses() {}
void DrawCombatEffects() {}
