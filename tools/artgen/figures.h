// Walking figures: twelve-cell strips (3 columns x 4 rows; rows face up,
// right, down, left; columns are left leg forward, standing, right leg
// forward) painted from a description of body, face, hair and clothes.
//
// A figure is built from parts in design units of the large 72 x 96 cell and
// scaled to the requested cell size. Every part belongs to one layer; the
// game draws the player's layers as separate strips on top of each other, so
// a layer's strip keeps only the pixels of that layer that are visible once
// the layers below it are drawn (a hand in front of the tunic stays in the
// body strip and is cut out of the clothes strip).
#pragma once

#include "color.h"
#include "figure_pose.h"
#include "palette.h"
#include "parts.h"

#include "media/media.h"

#include <functional>
#include <optional>
#include <vector>

namespace art {

enum FigureLayer : unsigned {
    kLayerBody = 1,
    kLayerFace = 2,
    kLayerHair = 4,
    kLayerClothes = 8,
    kLayerAll = 15,
    kLayerWorn = 16, // armour, helmets and shields put on over the rest
};

// Bun: pulled back into a knot at the back of the head; Braids: two thick
// braids hanging over the shoulders; Bald: only a ring of hair around the
// back of the head.
enum class HairStyle { None, Short, Long, Bun, Braids, Bald };

enum class HatStyle { None, Straw, Helmet };

enum class ClothPattern { Plain, Mail };

struct FigureLook {
    // body
    Color skin = pal::skin::kDefault;
    Color under = pal::cloth::kDefaultUndershirt; // sleeveless undershirt and shorts
    float build = 1.0f;                           // shoulder and hip width factor
    float height = 1.0f;   // body height factor; the feet stay where they are
    float armWidth = 1.0f; // thickness of the arms
    float belly = 0.0f;    // 0 flat .. 1 a round belly
    // face
    Color eyes = pal::eyes::kDefaultEyes;
    Color mouth = pal::skin::kDefaultLips;
    bool beard = false;      // full beard and moustache in the hair colour
    float faceShadow = 0.0f; // 0 .. 1: the face lies in the shadow of a hood
    // hair
    HairStyle hair = HairStyle::Short;
    Color hairColor = pal::hair::kDefault;
    bool headband = false;
    Color headbandColor = pal::cloth::kDefaultHeadband;
    // headgear
    HatStyle hat = HatStyle::None;
    Color hatColor = pal::cloth::kDefaultHat;
    Color hatBandColor = pal::cloth::kDefaultHatBand;
    // clothes
    bool tunic = true;
    Color tunicColor = pal::cloth::kDefaultTunic;
    Color trimColor = pal::cloth::kDefaultTrim;
    ClothPattern tunicPattern = ClothPattern::Plain;
    float tunicHem = 77.0f;                // lower edge of the tunic in design units
    float skirtFlare = 0.0f;               // extra width at the hem (long dresses and robes)
    int sleeves = 1;                       // 0 none, 1 short, 2 long
    std::optional<Color> sleeveColor = {}; // when the sleeves differ from the tunic
    bool belt = true;
    Color beltColor = pal::leather::kDefaultBelt;
    Color buckleColor = pal::metal::kDefaultBuckle;
    bool trousers = true;
    Color trouserColor = pal::cloth::kDefaultTrousers;
    bool boots = true;
    Color bootColor = pal::leather::kDefaultBoots;
    float bootTop = 0.35f; // where the boots begin, from the knee (0) to the ankle (1)
    // things worn over the tunic
    bool apron = false;
    Color apronColor = pal::cloth::kDefaultApron;
    float apronHem = 82.0f;
    bool pouch = false; // a leather pouch at the belt
    Color pouchColor = pal::leather::kDefaultPouch;
    bool chain = false; // chain of office with a medallion
    Color chainColor = pal::metal::kDefaultChain;
    bool tabard = false;
    Color tabardColor = pal::cloth::kDefaultTabard;
    Color tabardTrim = pal::cloth::kDefaultTabardTrim;
    bool scarf = false;
    Color scarfColor = pal::cloth::kDefaultScarf;
    // cloak, reaching down to cloakHem, with a hood that is up or lies on the shoulders
    bool cloak = false;
    Color cloakColor = pal::cloth::kDefaultCloak;
    float cloakHem = 87.0f;
    bool hood = false;
    bool hoodUp = false;
    // carried: a small basket of herbs in the right hand
    bool basket = false;
};

// Paints a strip of 3 x 4 cells of cellW x cellH.
// `include` names the layers that take part in the picture, `keep` those
// whose visible pixels are written. A player layer L is made with include =
// every layer up to L and keep = L; a finished NPC with kLayerAll for both.
// `mask` is the colour of the empty background (green for the player's
// layers, white for NPCs and enemies).
// `worn` adds the parts of things worn over the figure (in kLayerWorn) for
// each pose.
using WornParts = std::function<void(const Skeleton& pose, std::vector<Part>& out)>;
Pixmap MakeFigureStrip(const FigureLook& look, unsigned include, unsigned keep, int cellW,
                       int cellH, Color mask = kMaskGreen, const WornParts& worn = {});

// The player's look (a human in starting clothes, short brown hair).
FigureLook PlayerLook();

} // namespace art
