#include "npcs.h"

#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace art {

FigureLook StrangerLook() {
    FigureLook l;
    l.skin = Rgb(210, 168, 136);
    l.build = 0.96f;
    l.hairColor = Rgb(40, 34, 32);
    l.faceShadow = 0.7f;
    l.tunicColor = Rgb(60, 58, 64);
    l.trimColor = Rgb(48, 46, 52);
    l.tunicHem = 78.0f;
    l.sleeves = 2;
    l.sleeveColor = Rgb(42, 40, 48);
    l.beltColor = Rgb(40, 30, 26);
    l.trouserColor = Rgb(54, 50, 54);
    l.bootColor = Rgb(40, 34, 30);
    l.cloak = true;
    l.cloakColor = Rgb(42, 40, 48);
    l.cloakHem = 88.0f;
    l.hood = true;
    l.hoodUp = true;
    l.scarf = true;
    l.scarfColor = Rgb(134, 134, 130);
    return l;
}

namespace {

// ------------------------------------------------------------------ the townsfolk

struct NpcArt {
    int id;
    FigureLook look;
    PortraitLook portrait;
};

std::vector<NpcArt> Townsfolk() {
    return {
        // 1 Bürgermeisterin Helka: older woman, grey bun, long dark green robe,
        // golden chain of office
        {1,
         [] {
             FigureLook l;
             l.skin = Rgb(232, 192, 164);
             l.build = 0.95f;
             l.hair = HairStyle::Bun;
             l.hairColor = Rgb(176, 176, 180);
             l.mouth = Rgb(150, 82, 78);
             l.tunicColor = Rgb(40, 96, 62);
             l.trimColor = Rgb(200, 166, 78);
             l.tunicHem = 87.0f;
             l.skirtFlare = 2.6f;
             l.sleeves = 2;
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(70, 50, 40);
             l.chain = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(196, 182, 140);
             p.backBottom = Rgb(104, 112, 78);
             p.iris = Rgb(70, 110, 96);
             p.age = 0.85f;
             p.feminine = true;
             p.smile = 0.5f;
             return p;
         }()},
        // 2 Händler Ortwin: portly, bald with a brown beard, red tunic, leather
        // apron and a pouch at the belt
        {2,
         [] {
             FigureLook l;
             l.skin = Rgb(238, 178, 142);
             l.build = 1.25f;
             l.belly = 1.0f;
             l.hair = HairStyle::Bald;
             l.hairColor = Rgb(118, 72, 38);
             l.beard = true;
             l.tunicColor = Rgb(178, 46, 42);
             l.trimColor = Rgb(132, 34, 32);
             l.tunicHem = 78.0f;
             l.beltColor = Rgb(84, 54, 32);
             l.trouserColor = Rgb(86, 68, 54);
             l.bootColor = Rgb(70, 46, 30);
             l.apron = true;
             l.apronColor = Rgb(146, 100, 60);
             l.apronHem = 81.0f;
             l.pouch = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(214, 176, 108);
             p.backBottom = Rgb(122, 80, 48);
             p.iris = Rgb(96, 62, 36);
             p.age = 0.55f;
             p.faceWidth = 1.14f;
             p.smile = 0.9f;
             return p;
         }()},
        // 3 Bauer Jost: young farmer, straw hat, blond, brown shirt, blue trousers
        {3,
         [] {
             FigureLook l;
             l.skin = Rgb(236, 184, 142);
             l.hairColor = Rgb(232, 196, 104);
             l.hat = HatStyle::Straw;
             l.tunicColor = Rgb(138, 94, 58);
             l.trimColor = Rgb(110, 74, 44);
             l.tunicHem = 74.0f;
             l.sleeves = 2;
             l.beltColor = Rgb(178, 156, 104); // a rope
             l.buckleColor = Rgb(150, 128, 84);
             l.trouserColor = Rgb(62, 90, 156);
             l.bootColor = Rgb(96, 66, 40);
             l.bootTop = 0.72f; // low shoes under the trousers
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(150, 196, 226);
             p.backBottom = Rgb(118, 156, 74);
             p.iris = Rgb(70, 120, 170);
             p.age = 0.25f;
             p.freckles = true;
             p.smile = 0.85f;
             return p;
         }()},
        // 4 Schmiedin Runa: strong, red braids, sleeveless grey shirt, black
        // leather apron, thick forearms
        {4,
         [] {
             FigureLook l;
             l.skin = Rgb(236, 186, 150);
             l.build = 1.12f;
             l.armWidth = 1.35f;
             l.hair = HairStyle::Braids;
             l.hairColor = Rgb(190, 70, 34);
             l.mouth = Rgb(160, 80, 70);
             l.tunicColor = Rgb(134, 136, 140);
             l.trimColor = Rgb(108, 110, 114);
             l.tunicHem = 74.0f;
             l.sleeves = 0;
             l.beltColor = Rgb(60, 44, 34);
             l.trouserColor = Rgb(80, 66, 56);
             l.bootColor = Rgb(52, 44, 40);
             l.apron = true;
             l.apronColor = Rgb(48, 44, 46);
             l.apronHem = 84.0f;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(236, 150, 70);
             p.backBottom = Rgb(76, 42, 34);
             p.iris = Rgb(84, 120, 70);
             p.age = 0.4f;
             p.faceWidth = 1.04f;
             p.feminine = true;
             p.freckles = true;
             p.smile = 0.7f;
             return p;
         }()},
        // 5 Kräuterfrau Alwine: old, long white-grey hair, purple cloak with the
        // hood down, a basket of herbs
        {5,
         [] {
             FigureLook l;
             l.skin = Rgb(228, 190, 166);
             l.height = 0.96f;
             l.build = 0.92f;
             l.hair = HairStyle::Long;
             l.hairColor = Rgb(208, 208, 204);
             l.mouth = Rgb(146, 86, 84);
             l.tunicColor = Rgb(112, 98, 80);
             l.trimColor = Rgb(90, 78, 62);
             l.tunicHem = 87.0f;
             l.skirtFlare = 2.0f;
             l.sleeves = 2;
             l.sleeveColor = Rgb(106, 62, 134);
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(84, 60, 44);
             l.cloak = true;
             l.cloakColor = Rgb(106, 62, 134);
             l.cloakHem = 86.0f;
             l.hood = true;
             l.basket = true;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(170, 190, 150);
             p.backBottom = Rgb(70, 92, 62);
             p.iris = Rgb(110, 120, 70);
             p.age = 1.0f;
             p.faceWidth = 0.96f;
             p.feminine = true;
             p.smile = 0.75f;
             return p;
         }()},
        // 6 Wache Dietmar: steel helmet, mail shirt under a blue tabard, brown trousers
        {6,
         [] {
             FigureLook l;
             l.skin = Rgb(226, 174, 134);
             l.build = 1.1f;
             l.hairColor = Rgb(94, 62, 38);
             l.hat = HatStyle::Helmet;
             l.hatColor = Rgb(172, 178, 188);
             l.tunicColor = Rgb(150, 156, 166);
             l.trimColor = Rgb(120, 126, 136);
             l.tunicPattern = ClothPattern::Mail;
             l.tunicHem = 77.0f;
             l.beltColor = Rgb(66, 44, 30);
             l.trouserColor = Rgb(116, 82, 52);
             l.bootColor = Rgb(64, 46, 34);
             l.tabard = true;
             l.tabardColor = Rgb(46, 80, 164);
             l.tabardTrim = Rgb(222, 186, 76);
             l.apronHem = 80.0f;
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(150, 160, 176);
             p.backBottom = Rgb(84, 88, 100);
             p.iris = Rgb(80, 100, 130);
             p.age = 0.45f;
             p.faceWidth = 1.05f;
             p.smile = 0.45f;
             return p;
         }()},
        // 7 Fremder Kaspar: black cloak, hood up, face in shadow, grey scarf
        {7, StrangerLook(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(58, 66, 96);
             p.backBottom = Rgb(22, 24, 38);
             p.iris = Rgb(120, 110, 70);
             p.age = 0.5f;
             p.smile = 0.2f;
             return p;
         }()},
        // 8 Müllerstochter Lene: a girl of fourteen, long brown hair with a
        // headband, yellow dress
        {8,
         [] {
             FigureLook l;
             l.skin = Rgb(242, 196, 160);
             l.height = 0.9f;
             l.build = 0.86f;
             l.hair = HairStyle::Long;
             l.hairColor = Rgb(124, 76, 40);
             l.headband = true;
             l.headbandColor = Rgb(60, 132, 196);
             l.mouth = Rgb(180, 90, 86);
             l.tunicColor = Rgb(238, 198, 62);
             l.trimColor = Rgb(222, 160, 46);
             l.tunicHem = 84.0f;
             l.skirtFlare = 1.6f;
             l.belt = false;
             l.trousers = false;
             l.bootColor = Rgb(120, 78, 44);
             return l;
         }(),
         [] {
             PortraitLook p;
             p.backTop = Rgb(180, 214, 236);
             p.backBottom = Rgb(150, 196, 110);
             p.iris = Rgb(110, 80, 44);
             p.age = 0.0f;
             p.faceWidth = 0.96f;
             p.feminine = true;
             p.smile = 0.9f;
             return p;
         }()},
    };
}

} // namespace

Pixmap MakeCharacterStrip(const FigureLook& look) {
    return MakeFigureStrip(look, kLayerAll, kLayerAll, 72, 96, kMaskWhite);
}

void MakeNpcImages(const PictureSink& sink) {
    for (const NpcArt& npc : Townsfolk()) {
        std::string id = std::to_string(npc.id);
        sink("Grafik/NPCs/Charaktere/NPC" + id + ".png", MakeCharacterStrip(npc.look));
        sink("Grafik/NPCs/Faces/Face" + id + ".png", MakePortrait(npc.look, npc.portrait));
    }
}

} // namespace art
