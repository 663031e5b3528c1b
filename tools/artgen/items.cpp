#include "items.h"

namespace art {

void MakeItemImages(const PictureSink& sink) {
    items::MakeWeaponImages(sink);
    items::MakeGoodsImages(sink);
    items::MakeArmourImages(sink);
    items::MakeShieldImages(sink);
    items::MakeSpellPages(sink);
}

} // namespace art
