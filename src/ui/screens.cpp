// Interface windows of the frame. The inventory, spell book, trade window
// and character sheet are not in the game yet: these steps draw nothing
// until they are.
#include "ui/ui.h"


void InventoryScreen() {}
void SpellBookScreen() {}
void CharacterSheet() {}
void TradeItemsPage() {}
void TradeSpellsPage() {}
void TradeSpellStock() {}
