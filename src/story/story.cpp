// Story steps of the frame that are not in the game yet: quests and the
// journal do nothing until they are.
#include "story/story.h"
#include "story/text.h"

void UpdateQuests() {}
void JournalScreen() {}

void ResetStoryState() {
    for (auto& c : DialogueTyped) c = 0;
    DialoguePageDone = 0;
    DialogueChoice = 1;
    WrapProbe = 1;
}
