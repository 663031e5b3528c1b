// Story steps of the frame that are not in the game yet: quests and the
// journal do nothing until they are.
#include "story/story.h"

void UpdateQuests() {}
void JournalScreen() {}
