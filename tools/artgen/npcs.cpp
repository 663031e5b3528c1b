#include "npcs.h"

#include "canvas.h"

#include <string>

namespace art {

FigureLook StrangerLook() {
    return FigureLook{
        .skin = Rgb(210, 168, 136),
        .build = 0.96f,
        .faceShadow = 0.7f,
        .hairColor = Rgb(40, 34, 32),
        .tunicColor = Rgb(60, 58, 64),
        .trimColor = Rgb(48, 46, 52),
        .tunicHem = 78.0f,
        .sleeves = 2,
        .sleeveColor = Rgb(42, 40, 48),
        .beltColor = Rgb(40, 30, 26),
        .trouserColor = Rgb(54, 50, 54),
        .bootColor = Rgb(40, 34, 30),
        .scarf = true,
        .scarfColor = Rgb(134, 134, 130),
        .cloak = true,
        .cloakColor = Rgb(42, 40, 48),
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
         .skin = Rgb(232, 192, 164),
         .build = 0.95f,
         .mouth = Rgb(150, 82, 78),
         .hair = HairStyle::Bun,
         .hairColor = Rgb(176, 176, 180),
         .tunicColor = Rgb(40, 96, 62),
         .trimColor = Rgb(200, 166, 78),
         .tunicHem = 87.0f,
         .skirtFlare = 2.6f,
         .sleeves = 2,
         .belt = false,
         .trousers = false,
         .bootColor = Rgb(70, 50, 40),
         .chain = true,
     },
     PortraitLook{
         .backTop = Rgb(196, 182, 140),
         .backBottom = Rgb(104, 112, 78),
         .iris = Rgb(70, 110, 96),
         .age = 0.85f,
         .feminine = true,
         .smile = 0.5f,
     }},
    // 2 Händler Ortwin: portly, bald with a brown beard, red tunic, leather
    // apron and a pouch at the belt
    {2,
     FigureLook{
         .skin = Rgb(238, 178, 142),
         .build = 1.25f,
         .belly = 1.0f,
         .beard = true,
         .hair = HairStyle::Bald,
         .hairColor = Rgb(118, 72, 38),
         .tunicColor = Rgb(178, 46, 42),
         .trimColor = Rgb(132, 34, 32),
         .tunicHem = 78.0f,
         .beltColor = Rgb(84, 54, 32),
         .trouserColor = Rgb(86, 68, 54),
         .bootColor = Rgb(70, 46, 30),
         .apron = true,
         .apronColor = Rgb(146, 100, 60),
         .apronHem = 81.0f,
         .pouch = true,
     },
     PortraitLook{
         .backTop = Rgb(214, 176, 108),
         .backBottom = Rgb(122, 80, 48),
         .iris = Rgb(96, 62, 36),
         .age = 0.55f,
         .faceWidth = 1.14f,
         .smile = 0.9f,
     }},
    // 3 Bauer Jost: young farmer, straw hat, blond, brown shirt, blue trousers
    {3,
     FigureLook{
         .skin = Rgb(236, 184, 142),
         .hairColor = Rgb(232, 196, 104),
         .hat = HatStyle::Straw,
         .tunicColor = Rgb(138, 94, 58),
         .trimColor = Rgb(110, 74, 44),
         .tunicHem = 74.0f,
         .sleeves = 2,
         .beltColor = Rgb(178, 156, 104), // a rope
         .buckleColor = Rgb(150, 128, 84),
         .trouserColor = Rgb(62, 90, 156),
         .bootColor = Rgb(96, 66, 40),
         .bootTop = 0.72f, // low shoes under the trousers
     },
     PortraitLook{
         .backTop = Rgb(150, 196, 226),
         .backBottom = Rgb(118, 156, 74),
         .iris = Rgb(70, 120, 170),
         .age = 0.25f,
         .freckles = true,
         .smile = 0.85f,
     }},
    // 4 Schmiedin Runa: strong, red braids, sleeveless grey shirt, black
    // leather apron, thick forearms
    {4,
     FigureLook{
         .skin = Rgb(236, 186, 150),
         .build = 1.12f,
         .armWidth = 1.35f,
         .mouth = Rgb(160, 80, 70),
         .hair = HairStyle::Braids,
         .hairColor = Rgb(190, 70, 34),
         .tunicColor = Rgb(134, 136, 140),
         .trimColor = Rgb(108, 110, 114),
         .tunicHem = 74.0f,
         .sleeves = 0,
         .beltColor = Rgb(60, 44, 34),
         .trouserColor = Rgb(80, 66, 56),
         .bootColor = Rgb(52, 44, 40),
         .apron = true,
         .apronColor = Rgb(48, 44, 46),
         .apronHem = 84.0f,
     },
     PortraitLook{
         .backTop = Rgb(236, 150, 70),
         .backBottom = Rgb(76, 42, 34),
         .iris = Rgb(84, 120, 70),
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
         .skin = Rgb(228, 190, 166),
         .build = 0.92f,
         .height = 0.96f,
         .mouth = Rgb(146, 86, 84),
         .hair = HairStyle::Long,
         .hairColor = Rgb(208, 208, 204),
         .tunicColor = Rgb(112, 98, 80),
         .trimColor = Rgb(90, 78, 62),
         .tunicHem = 87.0f,
         .skirtFlare = 2.0f,
         .sleeves = 2,
         .sleeveColor = Rgb(106, 62, 134),
         .belt = false,
         .trousers = false,
         .bootColor = Rgb(84, 60, 44),
         .cloak = true,
         .cloakColor = Rgb(106, 62, 134),
         .cloakHem = 86.0f,
         .hood = true,
         .basket = true,
     },
     PortraitLook{
         .backTop = Rgb(170, 190, 150),
         .backBottom = Rgb(70, 92, 62),
         .iris = Rgb(110, 120, 70),
         .age = 1.0f,
         .faceWidth = 0.96f,
         .feminine = true,
         .smile = 0.75f,
     }},
    // 6 Wache Dietmar: steel helmet, mail shirt under a blue tabard, brown trousers
    {6,
     FigureLook{
         .skin = Rgb(226, 174, 134),
         .build = 1.1f,
         .hairColor = Rgb(94, 62, 38),
         .hat = HatStyle::Helmet,
         .hatColor = Rgb(172, 178, 188),
         .tunicColor = Rgb(150, 156, 166),
         .trimColor = Rgb(120, 126, 136),
         .tunicPattern = ClothPattern::Mail,
         .tunicHem = 77.0f,
         .beltColor = Rgb(66, 44, 30),
         .trouserColor = Rgb(116, 82, 52),
         .bootColor = Rgb(64, 46, 34),
         .apronHem = 80.0f,
         .tabard = true,
         .tabardColor = Rgb(46, 80, 164),
         .tabardTrim = Rgb(222, 186, 76),
     },
     PortraitLook{
         .backTop = Rgb(150, 160, 176),
         .backBottom = Rgb(84, 88, 100),
         .iris = Rgb(80, 100, 130),
         .age = 0.45f,
         .faceWidth = 1.05f,
         .smile = 0.45f,
     }},
    // 7 Fremder Kaspar: black cloak, hood up, face in shadow, grey scarf
    {7, StrangerLook(),
     PortraitLook{
         .backTop = Rgb(58, 66, 96),
         .backBottom = Rgb(22, 24, 38),
         .iris = Rgb(120, 110, 70),
         .age = 0.5f,
         .smile = 0.2f,
     }},
    // 8 Müllerstochter Lene: a girl of fourteen, long brown hair with a
    // headband, yellow dress
    {8,
     FigureLook{
         .skin = Rgb(242, 196, 160),
         .build = 0.86f,
         .height = 0.9f,
         .mouth = Rgb(180, 90, 86),
         .hair = HairStyle::Long,
         .hairColor = Rgb(124, 76, 40),
         .headband = true,
         .headbandColor = Rgb(60, 132, 196),
         .tunicColor = Rgb(238, 198, 62),
         .trimColor = Rgb(222, 160, 46),
         .tunicHem = 84.0f,
         .skirtFlare = 1.6f,
         .belt = false,
         .trousers = false,
         .bootColor = Rgb(120, 78, 44),
     },
     PortraitLook{
         .backTop = Rgb(180, 214, 236),
         .backBottom = Rgb(150, 196, 110),
         .iris = Rgb(110, 80, 44),
         .age = 0.0f,
         .faceWidth = 0.96f,
         .feminine = true,
         .smile = 0.9f,
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
