// Interface windows of the frame. The inventory, spell book and character
// sheet are not in the game yet: these steps draw nothing
// until they are.
#include "ui/ui.h"

void InventoryScreen() {}
void SpellBookScreen() {}
void CharacterSheet() {}
