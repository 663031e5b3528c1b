#include "npcs.h"
#include "palette.h"

#include "canvas.h"

#include <string>

namespace art {

FigureLook StrangerLook() {
    return FigureLook{
        .skin = pal::skin::kStranger,
        .build = 0.96f,
        .faceShadow = 0.7f,
        .hairColor = pal::hair::kStranger,
        .tunicColor = pal::cloth::kStrangerTunic,
        .trimColor = pal::cloth::kStrangerTrim,
        .tunicHem = 78.0f,
        .sleeves = 2,
        .sleeveColor = pal::cloth::kStrangerSleeves,
        .beltColor = pal::leather::kStrangerBelt,
        .trouserColor = pal::cloth::kStrangerTrousers,
        .bootColor = pal::leather::kStrangerBoots,
        .scarf = true,
        .scarfColor = pal::cloth::kStrangerScarf,
        .cloak = true,
        .cloakColor = pal::cloth::kStrangerSleeves,
        .cloakHem = 88.0f,
        .hood = true,
        .hoodUp = true,
    };
}

namespace {

// ------------------------------------------------------------------ the townsfolk

struct NpcArt {
    int id;
    FigureLook look;
    PortraitLook portrait;
};

const NpcArt kTownsfolk[] = {
    // 1 Bürgermeisterin Helka: older woman, grey bun, long dark green robe,
    // golden chain of office
    {1,
     FigureLook{
         .skin = pal::skin::kHelka,
         .build = 0.95f,
         .mouth = pal::skin::kHelkaLips,
         .hair = HairStyle::Bun,
         .hairColor = pal::hair::kHelka,
         .tunicColor = pal::cloth::kHelkaTunic,
         .trimColor = pal::cloth::kHelkaTrim,
         .tunicHem = 87.0f,
         .skirtFlare = 2.6f,
         .sleeves = 2,
         .belt = false,
         .trousers = false,
         .bootColor = pal::leather::kHelkaBoots,
         .chain = true,
     },
     PortraitLook{
         .backTop = pal::backdrop::kHelkaTop,
         .backBottom = pal::backdrop::kHelkaBottom,
         .iris = pal::eyes::kHelka,
         .age = 0.85f,
         .feminine = true,
         .smile = 0.5f,
     }},
    // 2 Händler Ortwin: portly, bald with a brown beard, red tunic, leather
    // apron and a pouch at the belt
    {2,
     FigureLook{
         .skin = pal::skin::kOrtwin,
         .build = 1.25f,
         .belly = 1.0f,
         .beard = true,
         .hair = HairStyle::Bald,
         .hairColor = pal::hair::kOrtwin,
         .tunicColor = pal::cloth::kOrtwinTunic,
         .trimColor = pal::cloth::kOrtwinTrim,
         .tunicHem = 78.0f,
         .beltColor = pal::leather::kOrtwinBelt,
         .trouserColor = pal::cloth::kOrtwinTrousers,
         .bootColor = pal::leather::kOrtwinBoots,
         .apron = true,
         .apronColor = pal::cloth::kOrtwinApron,
         .apronHem = 81.0f,
         .pouch = true,
     },
     PortraitLook{
         .backTop = pal::backdrop::kOrtwinTop,
         .backBottom = pal::backdrop::kOrtwinBottom,
         .iris = pal::eyes::kOrtwin,
         .age = 0.55f,
         .faceWidth = 1.14f,
         .smile = 0.9f,
     }},
    // 3 Bauer Jost: young farmer, straw hat, blond, brown shirt, blue trousers
    {3,
     FigureLook{
         .skin = pal::skin::kJost,
         .hairColor = pal::hair::kJost,
         .hat = HatStyle::Straw,
         .tunicColor = pal::cloth::kJostTunic,
         .trimColor = pal::cloth::kJostTrim,
         .tunicHem = 74.0f,
         .sleeves = 2,
         .beltColor = pal::leather::kJostBelt, // a rope
         .buckleColor = pal::metal::kJostBuckle,
         .trouserColor = pal::cloth::kJostTrousers,
         .bootColor = pal::leather::kJostBoots,
         .bootTop = 0.72f, // low shoes under the trousers
     },
     PortraitLook{
         .backTop = pal::backdrop::kJostTop,
         .backBottom = pal::backdrop::kJostBottom,
         .iris = pal::eyes::kJost,
         .age = 0.25f,
         .freckles = true,
         .smile = 0.85f,
     }},
    // 4 Schmiedin Runa: strong, red braids, sleeveless grey shirt, black
    // leather apron, thick forearms
    {4,
     FigureLook{
         .skin = pal::skin::kRuna,
         .build = 1.12f,
         .armWidth = 1.35f,
         .mouth = pal::skin::kRunaLips,
         .hair = HairStyle::Braids,
         .hairColor = pal::hair::kRuna,
         .tunicColor = pal::cloth::kRunaTunic,
         .trimColor = pal::cloth::kRunaTrim,
         .tunicHem = 74.0f,
         .sleeves = 0,
         .beltColor = pal::leather::kRunaBelt,
         .trouserColor = pal::cloth::kRunaTrousers,
         .bootColor = pal::leather::kRunaBoots,
         .apron = true,
         .apronColor = pal::cloth::kRunaApron,
         .apronHem = 84.0f,
     },
     PortraitLook{
         .backTop = pal::backdrop::kRunaTop,
         .backBottom = pal::backdrop::kRunaBottom,
         .iris = pal::eyes::kRuna,
         .age = 0.4f,
         .faceWidth = 1.04f,
         .feminine = true,
         .freckles = true,
         .smile = 0.7f,
     }},
    // 5 Kräuterfrau Alwine: old, long white-grey hair, purple cloak with the
    // hood down, a basket of herbs
    {5,
     FigureLook{
         .skin = pal::skin::kAlwine,
         .build = 0.92f,
         .height = 0.96f,
         .mouth = pal::skin::kAlwineLips,
         .hair = HairStyle::Long,
         .hairColor = pal::hair::kAlwine,
         .tunicColor = pal::cloth::kAlwineTunic,
         .trimColor = pal::cloth::kAlwineTrim,
         .tunicHem = 87.0f,
         .skirtFlare = 2.0f,
         .sleeves = 2,
         .sleeveColor = pal::cloth::kAlwineSleeves,
         .belt = false,
         .trousers = false,
         .bootColor = pal::leather::kAlwineBoots,
         .cloak = true,
         .cloakColor = pal::cloth::kAlwineSleeves,
         .cloakHem = 86.0f,
         .hood = true,
         .basket = true,
     },
     PortraitLook{
         .backTop = pal::backdrop::kAlwineTop,
         .backBottom = pal::backdrop::kAlwineBottom,
         .iris = pal::eyes::kAlwine,
         .age = 1.0f,
         .faceWidth = 0.96f,
         .feminine = true,
         .smile = 0.75f,
     }},
    // 6 Wache Dietmar: steel helmet, mail shirt under a blue tabard, brown trousers
    {6,
     FigureLook{
         .skin = pal::skin::kDietmar,
         .build = 1.1f,
         .hairColor = pal::hair::kDietmar,
         .hat = HatStyle::Helmet,
         .hatColor = pal::cloth::kDietmarHat,
         .tunicColor = pal::cloth::kDietmarTunic,
         .trimColor = pal::cloth::kDietmarTrim,
         .tunicPattern = ClothPattern::Mail,
         .tunicHem = 77.0f,
         .beltColor = pal::leather::kDietmarBelt,
         .trouserColor = pal::cloth::kDietmarTrousers,
         .bootColor = pal::leather::kDietmarBoots,
         .apronHem = 80.0f,
         .tabard = true,
         .tabardColor = pal::cloth::kDietmarTabard,
         .tabardTrim = pal::cloth::kDietmarTabardTrim,
     },
     PortraitLook{
         .backTop = pal::backdrop::kDietmarTop,
         .backBottom = pal::backdrop::kDietmarBottom,
         .iris = pal::eyes::kDietmar,
         .age = 0.45f,
         .faceWidth = 1.05f,
         .smile = 0.45f,
     }},
    // 7 Fremder Kaspar: black cloak, hood up, face in shadow, grey scarf
    {7, StrangerLook(),
     PortraitLook{
         .backTop = pal::backdrop::kKasparTop,
         .backBottom = pal::backdrop::kKasparBottom,
         .iris = pal::eyes::kKaspar,
         .age = 0.5f,
         .smile = 0.2f,
     }},
    // 8 Müllerstochter Lene: a girl of fourteen, long brown hair with a
    // headband, yellow dress
    {8,
     FigureLook{
         .skin = pal::skin::kLene,
         .build = 0.86f,
         .height = 0.9f,
         .mouth = pal::skin::kLeneLips,
         .hair = HairStyle::Long,
         .hairColor = pal::hair::kLene,
         .headband = true,
         .headbandColor = pal::cloth::kLeneHeadband,
         .tunicColor = pal::cloth::kLeneTunic,
         .trimColor = pal::cloth::kLeneTrim,
         .tunicHem = 84.0f,
         .skirtFlare = 1.6f,
         .belt = false,
         .trousers = false,
         .bootColor = pal::leather::kLeneBoots,
     },
     PortraitLook{
         .backTop = pal::backdrop::kLeneTop,
         .backBottom = pal::backdrop::kLeneBottom,
         .iris = pal::eyes::kLene,
         .age = 0.0f,
         .faceWidth = 0.96f,
         .feminine = true,
         .smile = 0.9f,
     }},
    // 9 Jägerin Mira: a hunter of the forest road, short brown hair, green
    // hooded cloak over a leather jerkin
    {9,
     FigureLook{
         .skin = pal::skin::kLene,
         .build = 0.92f,
         .mouth = pal::skin::kLeneLips,
         .hairColor = pal::hair::kLene,
         .tunicColor = pal::cloth::kDarkRustTunic,
         .trimColor = pal::cloth::kDarkRust,
         .tunicHem = 78.0f,
         .sleeves = 2,
         .sleeveColor = pal::cloth::kDullTan,
         .beltColor = pal::leather::kDeepRust,
         .trouserColor = pal::cloth::kDarkWarmGrey,
         .bootColor = pal::leather::kLeneBoots,
         .cloak = true,
         .cloakColor = pal::cloth::kHelkaTunic,
         .cloakHem = 84.0f,
         .hood = true,
     },
     PortraitLook{
         .backTop = pal::backdrop::kLeneTop,
         .backBottom = pal::backdrop::kLeneBottom,
         .iris = pal::eyes::kLene,
         .age = 0.35f,
         .faceWidth = 0.94f,
         .feminine = true,
         .smile = 0.6f,
     }},
    // 10 Einsiedler Bertram: an old man by the ruined watchtower, grey hair,
    // long brown robe
    {10,
     FigureLook{
         .skin = pal::skin::kHelka,
         .build = 0.98f,
         .beard = true,
         .hairColor = pal::hair::kHelka,
         .tunicColor = pal::cloth::kDarkBrownTunic,
         .trimColor = pal::cloth::kDarkDullBrown,
         .tunicHem = 87.0f,
         .skirtFlare = 1.8f,
         .sleeves = 2,
         .beltColor = pal::leather::kDeepRust,
         .trousers = false,
     },
     PortraitLook{
         .backTop = pal::backdrop::kDietmarTop,
         .backBottom = pal::backdrop::kDietmarBottom,
         .iris = pal::eyes::kDietmar,
         .age = 1.0f,
         .faceWidth = 1.0f,
         .smile = 0.55f,
     }},
    // 11 Köhler Egon: a charcoal burner, sooty grey shirt, leather apron
    {11,
     FigureLook{
         .skin = pal::skin::kLightSalmon,
         .build = 1.04f,
         .beard = true,
         .hairColor = pal::hair::kDeepRust,
         .tunicColor = pal::cloth::kDarkWarmGrey,
         .trimColor = pal::cloth::kDarkDullRust,
         .tunicHem = 78.0f,
         .trouserColor = pal::cloth::kDarkDullBrown,
         .apron = true,
         .apronColor = pal::cloth::kDarkRustTunic,
         .apronHem = 84.0f,
     },
     PortraitLook{
         .backTop = pal::backdrop::kLeneTop,
         .backBottom = pal::backdrop::kLeneBottom,
         .iris = pal::eyes::kDietmar,
         .age = 0.6f,
         .faceWidth = 1.04f,
         .smile = 0.4f,
     }},
};

} // namespace

Pixmap MakeCharacterStrip(const FigureLook& look) {
    return MakeFigureStrip(look, kLayerAll, kLayerAll, 72, 96, kMaskWhite);
}

void MakeNpcImages(const PictureSink& sink) {
    for (const NpcArt& npc : kTownsfolk) {
        std::string id = std::to_string(npc.id);
        sink("Grafik/NPCs/Charaktere/NPC" + id + ".png", MakeCharacterStrip(npc.look));
        sink("Grafik/NPCs/Faces/Face" + id + ".png", MakePortrait(npc.look, npc.portrait));
    }
}

} // namespace art
