// Combat steps of the frame that are not in the game yet: the summoned
// monster does nothing until it is.
#include "combat/combat.h"

void UpdateSummonedMonster() {}
