// Interface windows of the frame. The trade window and the character sheet
// are not in the game yet: these steps draw nothing until they are.
#include "ui/ui.h"

void CharacterSheet() {}
void TradeItemsPage() {}
void TradeSpellsPage() {}
void TradeSpellStock() {}
