// Combat: damage, attacks, projectiles, spells, enemy behaviour, death and
// loot, the summoned monster and skill experience.
#pragma once

#include "data/collections.h"
#include "media/media.h"
#include "data/geometry.h"

// Lifetime of the globals here: per run.

// Id of the enemy the player struck last (0 = none).
extern uint16_t LastHitEnemyId;
// Gruppe of the enemy that last noticed the player; 0 = no group alerted.
extern uint16_t AlertedGroup;
extern uint8_t ArrowHit;
extern int32_t ImpactX, ImpactY;
extern uint16_t PlayerHitTileX, PlayerHitTileY;
// The extent of the area of effect of the last cast along map x and map y.
extern uint8_t AreaWidth, AreaLength;
// A projectile spell's impact waiting to be completed: 0 none, 1 it struck
// an enemy, 2 it stopped at an obstacle (area spells only).
enum SpellImpactKind : uint8_t { kNoImpact = 0, kImpactEnemy = 1, kImpactWall = 2 };
extern uint8_t SpellImpact;

// ---- damage rules: each rolls, subtracts the defence, and takes the rest
// off the target's HP. A hit never heals: a defence larger than the damage
// leaves the target as it was. Each returns the hit points taken.
// A roll between two bounds, float bounds truncated toward zero.
int Roll(double a, double b);
float HitEnemyWithWeapon(TGegner* e);      // the player's melee weapon
float HitEnemyWithArrow(TGegner* e);       // the player's arrow
float HitEnemyWithSpell(TGegner* e);       // the player's spell (S.Schaden as it stands)
float HitPlayerWithBlow(TGegner* e);       // an enemy's melee blow
float HitPlayerWithSpell(TGegner* e);      // an enemy's spell projectile
float HitMonsterWithBlow(TGegner* e);      // an enemy's blow on the summoned monster
float HitEnemyWithMonsterBlow(TGegner* e); // the summoned monster's blow
// The resistance an enemy has against a spell's damage type; false when the
// type is unknown (such a spell deals no damage).
bool ResistanceFor(const TGegner* e, const Str& art, float& resistance);

// The enemy pass of the main loop, for CurrentEnemy.
void EnemyDeathCheck();
void UpdateEnemy();
// Whom an enemy attacks: the player, or the summoned monster that fights it.
enum EnemyTarget { kAttackPlayer = 1, kAttackMonster = 2 };
// The enemy's melee blow on its target and its spell shot at the player.
void EnemyAttack(EnemyTarget target);
void ChargeEnemySpell();
// The player's attack step; CurrentEnemy may be none.
void UpdatePlayerCombat();
// The skill slots of the moment, after the enemy pass.
void UpdateSkillSlots();
// Experience for skill slot 1..15 (slot 0, no skill, takes none).
void GainExperience(uint8_t slot, float amount);
// An enemy's melee blow landed on the player: body armour, shield and
// helmet slots (10 for a piece not worn) learn 5, 3 and 2.
void GainArmourExperience();
// The summoned monster's pass (lifetime, behaviour, fight).
void UpdateSummonedMonster();
// Its target search and chase, then its walking; and its blow on its
// target e.
void SummonedMonsterStep();
void SummonedMonsterAttack(TGegner* e);

// ---- the player's spells (CurrentSpell). The kinds a spell can be.
enum class SpellKind { None, Touch, Projectile, Heal, Summon };
SpellKind KindOf(const TZauber* z);
// An area of effect exists when its width and length add up to more than 2.
bool HasArea(const TZauber* z);
// Casting, hits, damage over time: the spell part of UpdatePlayerCombat,
// with the current enemy e (none or dead: only the steps without a target).
void UpdateSpellCombat(TGegner* e);
// Lays out a new area for spell z cast in direction dir (1-4) from the
// tile (ox, oy): reaching away from the caster (touch) or centred on it
// (projectile impact). A cell is live where the map lets it through, and
// never outside the map; with skipOrigin the origin's own cell is not (its
// enemy had the direct hit).
void LayArea(TZauber* z, int dir, float ox, float oy, bool centred, bool skipOrigin);
// An area cell's damage on enemy e, once per live cell it stands on.
void ApplyAreaDamage(TGegner* e);
// The projectile spell z: its launch from the tile in front of the player,
// its hit on enemy e while it flies, and the impact that follows.
void LaunchSpellProjectile(TZauber* z);
void SpellProjectileHit(TZauber* z, TGegner* e);
// The impact of z on enemy e (kImpactEnemy) or where it stopped at a wall
// (kImpactWall, e unused): its own damage rolled, the enemy struck, the
// area laid out, the impact picture and sound started.
void CompleteSpellImpact(TZauber* z, TGegner* e, int dir);
// The flight of the readied projectile spell, one step a frame.
void MoveSpellProjectile();
// World drawing of the spell pictures: area damage, touch and heal
// pictures, the projectile in flight and its impact.
void DrawSpellEffects();
// Whether a projectile heading dir (1-4) at tile position (x, y) may move
// on: the next tile is free or a creature's, and the map goes on.
bool ProjectileMayMove(int dir, float x, float y);
// The hit picture of a weapon or attack: frames step every Dauer ms; the
// sound flag drops when its channel stops.
void StepHitPicture(TWaffe* w);
// Turns a hostile NPC into its enemy twin.
void TurnNpcHostile(TCharakter* npc);
// A blood stain beside a creature struck at pixel (x, y) with a figure of
// w x h pixels.
void AddBloodSplash(int32_t x, int32_t y, int w, int h);
// World drawing: fading blood stains and corpses, then weapon and spell
// effects and projectiles.
void DrawBloodAndCorpses();
void DrawCombatEffects();
void MoveArrow();
void MoveEnemySpell(TGegner* e);

// No enemy struck, no arrow flying.
void ResetCombatState();
