// The character sheet (C key): name, race and level, life and mana bars,
// the attributes with the values derived from them, the damage and defence
// ranges, and the major and minor skills. Pointing at a skill shows its
// experience bar and description in a box next to the pointer.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/player_state.h"
#include "data/window_state.h"

#include <algorithm>

uint8_t SheetTooltipGroup, SheetTooltipEntry;

namespace {
constexpr int kBarWidth = 154;
// The skill column, from the middle of the screen.
constexpr int kSkillLeft = 25, kSkillRight = 195;
constexpr int kMajorCount = 5, kMinorCount = 10;

struct SheetGeometry {
    int W, H, L, T;
};

SheetGeometry Geometry() {
    SheetGeometry g;
    g.W = ScreenWidth();
    g.H = ScreenHeight();
    g.L = g.W / 2 - ImageWidthOf(ImgBox) / 2;
    g.T = g.H / 2 - ImageHeightOf(ImgBox) / 2;
    return g;
}

// The top of row i of a skill group.
int RowY(const SheetGeometry& g, int group, int i) {
    return (group == kSheetMajor ? g.T + 170 : g.T + 330) + 25 * i;
}

Str Whole(float v) {
    return IntToString(FloatToInt(v));
}

void CentredOn(const Str& t, int cx, int cy) {
    DrawString(t, cx - StringWidth(t) / 2, cy - FontHeight() / 2);
}

// A bar: a white frame of 160 x 20 at (x, y) and, in colour (r, g, b), a
// fill of `share` of its 154 inner pixels: none for no or a negative share,
// never more than full.
void Bar(int x, int y, double share, uint8_t r, uint8_t g, uint8_t b) {
    SetColor(255, 255, 255);
    DrawRect(x, y, 160, 20);
    if (!(share > 0)) return;
    SetColor(r, g, b);
    DrawRect(x + 3, y + 3, std::min(share, 1.0) * kBarWidth, 14);
}

// Life or mana: the bar and "value / max" centred on it.
void ValueBar(float value, uint16_t max, int x, int y) {
    Bar(x, y, max > 0 ? value / max : 0.0, 200, 0, 0);
    SetColor(0, 50, 255);
    CentredOn(Whole(value) + u" / " + IntToString(max), x + 80, y + 10);
}

void Heading(const SheetGeometry& g) {
    DrawImageFrame(ImgBox, g.L, g.T, 0);
    int kw = ImageWidthOf(ImgKrieger), kh = ImageHeightOf(ImgKrieger);
    int kx = g.W / 2 + ImageWidthOf(ImgBox) / 2 - kw - 50;
    DrawImageFrame(ImgKrieger, kx, g.T + 30, 0);
    SetFont(FontChancery20);
    SetColor(0, 0, 200);
    DrawString(u"Name:", g.L + 30, g.T + 30);
    DrawString(u"Rasse:", g.L + 30, g.T + 55);
    DrawString(u"Stufe:", g.L + 30, g.T + 80);
    DrawString(u"Krieger", kx + kw / 2 - StringWidth(u"Krieger") / 2, g.T + 40 + kh);
    SetColor(255, 255, 255);
    DrawString(PlayerName, g.L + 100, g.T + 30);
    DrawString(PlayerRace, g.L + 100, g.T + 55);
    DrawString(IntToString(Player->Level), g.L + 100, g.T + 80);
    SetFont(FontFunke16);
    ValueBar(Player->HP, Player->HPMax, g.W / 2 - 100, g.T + 30);
    ValueBar(Player->MP, Player->MPMax, g.W / 2 - 100, g.T + 55);
}

void Attributes(const SheetGeometry& g) {
    const TCharakter& p = *Player;
    auto range = [](float a, float b) { return Whole(a) + u" - " + Whole(b); };
    const struct {
        int dy;
        uint8_t r, gr, b;
        Str text;
    } rows[] = {
        {175, 200, 0, 0, u"Staerke: " + Whole(p.Staerke)},
        {200, 255, 255, 255, u"-Lebensenergie: " + Whole(p.Lebensenergie)},
        {225, 255, 255, 255, u"-Nahkampfschaden: " + Whole(p.Nahkampfschaden)},
        {250, 0, 0, 200, u"Intelligenz: " + Whole(p.Intelligenz)},
        {275, 255, 255, 255, u"-Mana: " + Whole(p.Mana)},
        {300, 255, 255, 255, u"-Magischer Schaden: " + Whole(p.MagischerSchaden)},
        {325, 200, 100, 0, u"Geschicklichkeit: " + Whole(p.Geschicklichkeit)},
        {350, 255, 255, 255, u"-Verteidigung: " + Whole(p.Verteidigung)},
        {375, 255, 255, 255, u"-Fernkampfschaden: " + Whole(p.Fernkampfschaden)},
        {450, 255, 255, 255,
         u"Physischer Schaden: " + range(p.PhysischerSchaden1, p.PhysischerSchaden2)},
        {475, 255, 255, 255, u"Magischer Schaden: " + range(p.MagieSchaden1, p.MagieSchaden2)},
        {500, 255, 255, 255, u"Fernkampfschaden: " + range(p.Fernschaden1, p.Fernschaden2)},
        {525, 255, 255, 255, u"Abwehr: " + range(p.Abwehr1, p.Abwehr2)},
    };
    SetFont(FontChancery20);
    for (const auto& row : rows) {
        SetColor(row.r, row.gr, row.b);
        DrawString(row.text, g.L + 30, g.T + row.dy);
    }
}

void SkillGroup(const SheetGeometry& g, int group) {
    SetFont(FontChancery25);
    SetColor(0, 0, 200);
    DrawString(group == kSheetMajor ? u"Hauptfertigkeiten:" : u"Nebenfertigkeiten:", g.W / 2,
         group == kSheetMajor ? g.T + 140 : g.T + 300);
    SetFont(FontChancery20);
    SetColor(255, 255, 255);
    int count = group == kSheetMajor ? kMajorCount : kMinorCount;
    for (int i = 0; i < count; ++i) {
        const TFertigkeit* sk = SheetSkill(group, i);
        if (!sk) continue;
        int y = RowY(g, group, i);
        DrawString(sk->Name + u":", g.W / 2 + kSkillLeft, y);
        DrawString(IntToString(sk->Level), g.W / 2 + kSkillRight, y);
    }
}

void DescribeSkill(int group, int entry) {
    SheetTooltipGroup = (uint8_t)group;
    SheetTooltipEntry = (uint8_t)entry;
    const TList<Str>* lines = SheetSkillDescription(group, entry);
    SetFont(FontNarrow18);
    int widest = 0, count = 0;
    if (lines)
        for (const Str& l : *lines) {
            widest = std::max(widest, StringWidth(l));
            ++count;
        }
    TooltipWidth = (uint16_t)(widest + 12);
    TooltipHeight = (uint16_t)(count * 18 + 42);
    TooltipKind = kTooltipSkill;
    TooltipShown = 1;
}

void DrawSkillTooltip() {
    if (TooltipShown != 1 || TooltipKind != kTooltipSkill) return;
    const TFertigkeit* sk = SheetSkill(SheetTooltipGroup, SheetTooltipEntry);
    if (!sk) return;
    int x = MouseX + ImageWidthOf(ImgMaus), y = MouseY;
    if (y + TooltipHeight >= ScreenHeight()) {
        x = MouseX;
        y = MouseY - TooltipHeight;
    }
    if (x + TooltipWidth >= ScreenWidth()) x = MouseX - TooltipWidth;
    TooltipX = (uint16_t)std::max(x, 0);
    TooltipY = (uint16_t)std::max(y, 0);
    x = TooltipX, y = TooltipY;
    DrawTooltipFrame(TooltipX, TooltipY, TooltipWidth, TooltipHeight);
    SetFont(FontFunke16);
    // A skill without a threshold (NextExp 0) shows an empty bar.
    Bar(x + 10, y + 10, sk->NextExp > 0 ? sk->ActExp / sk->NextExp : 0.0, 127, 127, 127);
    SetColor(0, 50, 255);
    CentredOn(sk->Name, x + 90, y + 20);
    SetFont(FontNarrow18);
    SetColor(255, 255, 255);
    int k = 0;
    if (const TList<Str>* lines = SheetSkillDescription(SheetTooltipGroup, SheetTooltipEntry))
        for (const Str& l : *lines) DrawString(l, x + 6, y + 36 + 18 * k++);
}
} // namespace

const TFertigkeit* SheetSkill(int group, int entry) {
    int slot = 0;
    if (group == kSheetMajor && entry >= 0 && entry < kMajorCount) slot = MajorSkills[entry];
    if (group == kSheetMinor && entry >= 0 && entry < kMinorCount) slot = MinorSkills[entry];
    if (slot < 1 || slot > 15) return nullptr;
    return Player->Fertigkeiten[slot];
}

const TList<Str>* SheetSkillDescription(int group, int entry) {
    const TFertigkeit* sk = SheetSkill(group, entry);
    if (!sk) return nullptr;
    int slot = group == kSheetMajor ? MajorSkills[entry] : MinorSkills[entry];
    return SkillDescriptions[slot];
}

void HoverSheetSkills() {
    SheetGeometry g = Geometry();
    SetFont(FontChancery20);
    int fh = FontHeight();
    int left = g.W / 2 + kSkillLeft, right = g.W / 2 + kSkillRight;
    int top = RowY(g, kSheetMajor, 0), bottom = RowY(g, kSheetMinor, kMinorCount - 1) + fh;
    if (MouseX < left || MouseX > right || MouseY < top || MouseY > bottom) {
        TooltipShown = 0;
        return;
    }
    // Rows may overlap by a pixel or two in a tall font: the lower row wins,
    // as its text is drawn over the row above.
    int hitGroup = 0, hitEntry = 0;
    for (int group : {kSheetMajor, kSheetMinor}) {
        int count = group == kSheetMajor ? kMajorCount : kMinorCount;
        for (int i = 0; i < count; ++i) {
            int y = RowY(g, group, i);
            if (MouseY >= y && MouseY <= y + fh) hitGroup = group, hitEntry = i;
        }
    }
    if (hitGroup) DescribeSkill(hitGroup, hitEntry);
}

std::vector<Str> SkillTooltipLines() {
    std::vector<Str> out;
    const TFertigkeit* sk = SheetSkill(SheetTooltipGroup, SheetTooltipEntry);
    if (!sk) return out;
    out.push_back(sk->Name);
    if (const TList<Str>* lines = SheetSkillDescription(SheetTooltipGroup, SheetTooltipEntry))
        for (const Str& l : *lines) out.push_back(l);
    return out;
}

void CharacterSheet() {
    SheetGeometry g = Geometry();
    SetColor(255, 255, 255);
    Heading(g);
    Attributes(g);
    SkillGroup(g, kSheetMajor);
    SkillGroup(g, kSheetMinor);
    HoverSheetSkills();
    DrawSkillTooltip();
    SetFont(FontFunke16);
    SetColor(255, 255, 255);
}

void ResetCharacterSheet() {
    SheetTooltipGroup = 0;
    SheetTooltipEntry = 0;
}
