#include "combat.h"

namespace art {

void MakeCombatImages(const PictureSink& sink) {
    combat::MakeEnemyImages(sink);
    combat::MakeEffectImages(sink);
    combat::MakeIconImages(sink);
}

} // namespace art
