// Interface windows of the frame. The character sheet is not in the game
// yet: this step draws nothing until it is.
#include "ui/ui.h"

void CharacterSheet() {}
