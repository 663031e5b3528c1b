// The portraits' painting steps, shared by portrait*.cpp: every feature
// (clothes, head, eyes, hair, hats...) is painted by its own function from
// the sitter's figure and portrait looks, in the order MakePortrait calls them.
#pragma once

#include "canvas.h"
#include "portrait.h"
#include "soft_paint.h"

namespace art::portrait {

struct Face {
    Vec2 c;       // head centre
    float rx, ry; // head radii
    float eyeY, eyeDx, noseY, mouthY;
    float eyeRx, eyeRy, irisR;
};

// Everything the feature painters share.
struct Sitter {
    SoftPainter& pp;
    const FigureLook& L;
    const PortraitLook& pl;
    Face f;
    float w;     // shoulder width factor
    bool hoodUp; // the hood hides hair and ears
};

// Hair strands: light and dark streaks along lines that run out from `from`.
Paint Strands(Color hc, Vec2 from, float density);
Paint MailRings(Color c);
Paint Weave(Color c);
Paint Cloth(Color c);

// The outline of the shoulders and of the head.
Sdf TorsoShape(const Sitter& s);
Sdf HeadShape(const Sitter& s);

// portrait_clothes.cpp
void PaintTorso(const Sitter& s);
void PaintNeckline(const Sitter& s);
void PaintApron(const Sitter& s);
void PaintTabard(const Sitter& s);
void PaintChain(const Sitter& s);
void PaintCloak(const Sitter& s);
void PaintHoodDown(const Sitter& s);
void PaintScarf(const Sitter& s);
// portrait_hair.cpp
void PaintBunBehind(const Sitter& s);
void PaintLongHairBehind(const Sitter& s);
void PaintBraids(const Sitter& s);
void PaintHair(const Sitter& s);
void PaintHeadband(const Sitter& s);
void PaintHat(const Sitter& s);
void PaintHoodUp(const Sitter& s);
// portrait_face.cpp
void PaintHead(const Sitter& s);
void PaintCheeks(const Sitter& s);
void PaintEyes(const Sitter& s);
void PaintNose(const Sitter& s);
void PaintMouth(const Sitter& s);
void PaintFreckles(const Sitter& s);
void PaintBeard(const Sitter& s);

} // namespace art::portrait
