// The story's per-run state put back to what start-up leaves.
#include "story/story.h"
#include "story/text.h"

void ResetStoryState() {
    for (auto& c : DialogueTyped) c = 0;
    DialoguePageDone = 0;
    DialogueChoice = 1;
    WrapProbe = 1;
    JournalEntryCount = 0;
    JournalGuard = 0;
    JournalPage = 0;
}
