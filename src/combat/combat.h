// Combat: damage, attacks, projectiles, spells, enemy behaviour, death and
// loot, the summoned monster and skill experience.
#pragma once

#include "data/records.h"

// Id of the enemy the player struck last (0 = none).
extern uint16_t LastHitEnemyId;

// The enemy pass of the main loop, for CurrentEnemy.
void EnemyDeathCheck();
void UpdateEnemy();
void EnemyAttack(int mode);
void ChargeEnemySpell();
// The player's attack step; CurrentEnemy may be none.
void UpdatePlayerCombat();
// The summoned monster's pass (lifetime, behaviour, fight).
void UpdateSummonedMonster();
// Turns a hostile NPC into its enemy twin.
void TurnNpcHostile(TCharakter* npc);
// World drawing: fading blood stains and corpses, then weapon and spell
// effects and projectiles.
void DrawBloodAndCorpses();
void DrawCombatEffects();
