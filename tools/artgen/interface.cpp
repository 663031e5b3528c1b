#include "interface.h"
#include "palette.h"

#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

using namespace pal::ui;

// The inventory grid pitch of the game's windows (cells are 75.4 pixels).
constexpr float kCellPitch = 75.4f;

int CellEdge(int i) {
    return static_cast<int>(std::lround(i * kCellPitch));
}

// ---------------------------------------------------------------- materials
void Parchment(Canvas& c, int x, int y, int w, int h, uint32_t seed, Color base = kParchment) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            float n = FractalNoise(static_cast<float>(i), static_cast<float>(j), 24.0f, seed);
            float fine = (Hash2(i, j, seed + 7) & 255) / 255.0f;
            // darker towards the edges, like old paper
            float ex = std::min(i, w - 1 - i) / 18.0f, ey = std::min(j, h - 1 - j) / 18.0f;
            float edge = std::clamp(std::min(ex, ey), 0.0f, 1.0f);
            float f = 0.86f + 0.16f * n + 0.03f * fine - 0.1f * (1.0f - edge);
            c.Set(x + i, y + j, Scale(base, f));
        }
}

void Wood(Canvas& c, int x, int y, int w, int h, uint32_t seed, Color base = kWood,
          bool vertical = false) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            float u = vertical ? static_cast<float>(j) : static_cast<float>(i);
            float v = vertical ? static_cast<float>(i) : static_cast<float>(j);
            float warp = FractalNoise(u * 0.05f, v * 0.3f, 2.0f, seed) * 6.0f;
            float grain = std::sin((v + warp) * 1.1f) * 0.5f + 0.5f;
            float n = ValueNoise(u, v * 3.0f, 14.0f, seed + 3);
            float f = 0.82f + 0.16f * grain + 0.12f * n;
            c.Set(x + i, y + j, Scale(base, f));
        }
}

// A metal frame band of the given thickness, lit from the upper left.
void BronzeFrame(Canvas& c, int x, int y, int w, int h, int thick) {
    for (int t = 0; t < thick; ++t) {
        float m = thick > 1 ? static_cast<float>(t) / (thick - 1) : 0.5f;
        // profile across the band: dark rim, bright ridge, dark inner rim
        float ridge = 1.0f - std::fabs(m - 0.4f) * 2.0f;
        Color top = Mix(kBronzeDark, kBronzeLight, std::clamp(ridge + 0.2f, 0.0f, 1.0f));
        Color bottom = Mix(kBronzeDark, kBronze, std::clamp(ridge, 0.0f, 1.0f));
        for (int i = x + t; i < x + w - t; ++i) {
            c.Set(i, y + t, top);
            c.Set(i, y + h - 1 - t, bottom);
        }
        for (int j = y + t; j < y + h - t; ++j) {
            c.Set(x + t, j, top);
            c.Set(x + w - 1 - t, j, bottom);
        }
    }
    c.StrokeRect(x, y, w, h, pal::ui::kDeepRustBronzeFrame);
}

// A round bronze rivet.
void Rivet(Canvas& c, float cx, float cy, float r) {
    c.FillCircle(cx, cy, r + 0.8f, pal::ui::kDeepRustRivet);
    c.ShadedEllipse(cx, cy, r, r, kBronze, 0.8f);
}

// A recessed slot: a dark well with a sunken bevel and a thin bronze edge.
void Slot(Canvas& c, int x, int y, int w, int h, Color base = kSlot, uint32_t seed = 5) {
    c.VGradient(x, y, w, h, Scale(base, 0.75f), Scale(base, 1.15f));
    c.AddNoise(x, y, w, h, 0.05f, seed);
    c.Bevel(x, y, w, h, 3, true, 0.45f);
    c.StrokeRect(x - 1, y - 1, w + 2, h + 2, Mix(kBronzeDark, kBronze, 0.5f));
}

// Rounded corners cut back to the mask colour.
void RoundCorners(Canvas& c, int r) {
    int w = c.Width(), h = c.Height();
    for (int j = 0; j < r; ++j)
        for (int i = 0; i < r; ++i) {
            float dx = r - i - 0.5f, dy = r - j - 0.5f;
            if (dx * dx + dy * dy <= static_cast<float>(r * r)) continue;
            c.Unset(i, j);
            c.Unset(w - 1 - i, j);
            c.Unset(i, h - 1 - j);
            c.Unset(w - 1 - i, h - 1 - j);
        }
}

// A small ornament: a diamond with a dot, used on dividers.
void Diamond(Canvas& c, float cx, float cy, float r, Color col) {
    c.FillPolygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}, col);
    c.FillCircle(cx, cy, r * 0.35f, Lighter(col, 0.5f));
}

void Divider(Canvas& c, int x0, int x1, int y, Color col) {
    c.ThickLine(static_cast<float>(x0), y + 0.5f, static_cast<float>(x1), y + 0.5f, 1.4f, col);
    Diamond(c, (x0 + x1) / 2.0f, y + 0.5f, 4.0f, col);
}

// ---------------------------------------------------------------- item grid
// A window panel of cols x rows item cells at the game's 75.4-pixel pitch,
// starting at the panel's top-left corner, in a wooden frame.
void ItemGrid(Canvas& c, int cols, int rows, Color slot, uint32_t seed) {
    for (int i = 0; i < cols; ++i)
        for (int j = 0; j < rows; ++j) {
            int x0 = CellEdge(i), x1 = CellEdge(i + 1);
            int y0 = CellEdge(j), y1 = CellEdge(j + 1);
            Slot(c, x0 + 5, y0 + 5, x1 - x0 - 10, y1 - y0 - 10, slot, seed + i * 7 + j);
            // small bronze studs where four cells meet
            if (i > 0 && j > 0) Rivet(c, static_cast<float>(x0), static_cast<float>(y0), 1.8f);
        }
}

Canvas GridPanel(int w, int h, int cols, int rows, Color slot, uint32_t seed) {
    Canvas c(w, h);
    Wood(c, 0, 0, w, h, seed);
    ItemGrid(c, cols, rows, slot, seed);
    BronzeFrame(c, 0, 0, w, h, 3);
    return c;
}

// Faint embossed symbols that tell what belongs in an equipment slot.
void SlotSymbol(Canvas& c, int kind, int cx, int cy) {
    Color s = pal::ui::kDarkDullBrown;
    float x = static_cast<float>(cx), y = static_cast<float>(cy);
    switch (kind) {
    case 0: // weapon: a sword
        c.ThickLine(x - 12, y + 12, x + 11, y - 11, 3.0f, s);
        c.ThickLine(x - 10, y + 2, x - 2, y + 10, 2.5f, s);
        c.FillCircle(x - 14, y + 14, 2.5f, s);
        break;
    case 1: // head: a helmet
        c.FillEllipse(x, y + 2, 13, 12, s);
        c.FillRect(cx - 14, cy + 4, 28, 10, pal::ui::kSlot);
        c.FillRect(cx - 13, cy + 2, 26, 3, s);
        c.FillRect(cx - 2, cy + 2, 4, 10, s);
        break;
    case 2: // off hand: a shield
        c.FillPolygon(
            {{x - 12, y - 13}, {x + 12, y - 13}, {x + 12, y + 1}, {x, y + 15}, {x - 12, y + 1}}, s);
        break;
    case 3: // body: a tunic
        c.FillPolygon({{x - 8, y - 13},
                       {x + 8, y - 13},
                       {x + 15, y - 6},
                       {x + 10, y - 1},
                       {x + 8, y - 4},
                       {x + 8, y + 14},
                       {x - 8, y + 14},
                       {x - 8, y - 4},
                       {x - 10, y - 1},
                       {x - 15, y - 6}},
                      s);
        break;
    default: // ring
        c.StrokeCircle(x, y + 2, 9, 3.0f, s);
        c.FillPolygon({{x - 4, y - 9}, {x + 4, y - 9}, {x, y - 4}}, s);
        break;
    }
}

void EquipSlot(Canvas& c, int x0, int y0, int x1, int y1, int kind) {
    Slot(c, x0, y0, x1 - x0 + 1, y1 - y0 + 1, kSlot, static_cast<uint32_t>(x0 * 31 + y0));
    SlotSymbol(c, kind, (x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2);
}

// ---------------------------------------------------------------- windows
// Inventory: a 6 x 5 grid (452 pixels wide, 377 high, which is exactly the
// pointer span the game tests) and on the right the equipment slots around
// the turning figure. Slot boxes are measured from the right edge R.
constexpr int kInvW = 694, kInvH = 377;

Canvas Inventory() {
    Canvas c = GridPanel(kInvW, kInvH, 6, 5, kSlot, 11);
    const int R = kInvW;
    // the equipment side: a parchment page inside the frame
    int px = 462, pw = R - px - 4;
    Parchment(c, px, 4, pw, kInvH - 8, 21);
    c.StrokeRect(px - 1, 3, pw + 2, kInvH - 6, kBronzeDark);
    c.StrokeRect(px - 2, 2, pw + 4, kInvH - 4, kBronze);
    EquipSlot(c, R - 209, 20, R - 149, 80, 0);   // weapon
    EquipSlot(c, R - 134, 20, R - 74, 80, 1);    // head
    EquipSlot(c, R - 58, 20, R - 5, 80, 2);      // off hand
    EquipSlot(c, R - 209, 100, R - 149, 160, 4); // ring 1
    EquipSlot(c, R - 134, 100, R - 74, 160, 3);  // body
    EquipSlot(c, R - 58, 100, R - 5, 160, 4);    // ring 2
    // the niche of the turning figure, centred on (R - 104, 219)
    int dx = R - 104, dy = 219;
    c.FillSdf(
        dx - 40, dy - 50, dx + 40, dy + 44,
        [&](float x, float y) {
            float arch = SdCircle({x, y}, {float(dx), float(dy - 12)}, 30.0f);
            float box = SdBox({x, y}, {float(dx), float(dy + 12)}, 30.0f, 28.0f);
            return std::min(arch, box);
        },
        [&](float, float y) {
            return Mix(pal::ui::kLightTanInventory, pal::ui::kDullTanInventory,
                       (y - (dy - 42)) / 84.0f);
        });
    for (int j = dy - 45; j <= dy - 12; ++j) // the upper half of the arch's rim
        for (int i = dx - 33; i <= dx + 33; ++i) {
            float d = std::fabs(SdCircle({i + 0.5f, j + 0.5f}, {float(dx), float(dy - 12)}, 31.0f));
            if (d <= 1.0f) c.Set(i, j, kBronze);
        }
    c.FillRect(dx - 31, dy - 12, 2, 53, kBronze);
    c.FillRect(dx + 29, dy - 12, 2, 53, kBronze);
    c.FillRect(dx - 31, dy + 40, 62, 2, kBronze);
    c.FillEllipse(static_cast<float>(dx), dy + 31.0f, 20.0f, 5.0f, pal::ui::kDullBrownInventory);
    // lower ornament of the page
    Divider(c, px + 16, R - 20, 284, kBronzeDark);
    for (int k = 0; k < 3; ++k)
        Diamond(c, px + 50.0f + k * 65.0f, 330.0f, 6.0f, Mix(kBronzeDark, kBronze, 0.5f));
    Divider(c, px + 16, R - 20, 356, kBronzeDark);
    return c;
}

// The spell book page: the same window with violet-tinted cells and a
// magic circle on the right-hand page.
Canvas SpellBook() {
    Canvas c = GridPanel(kInvW, kInvH, 6, 5, pal::ui::kDeepDullViolet, 12);
    int px = 462, pw = kInvW - px - 4;
    Parchment(c, px, 4, pw, kInvH - 8, 23, pal::ui::kLightTanSpellBook);
    c.StrokeRect(px - 1, 3, pw + 2, kInvH - 6, kBronzeDark);
    c.StrokeRect(px - 2, 2, pw + 4, kInvH - 4, kBronze);
    float cx = px + pw / 2.0f, cy = 170.0f;
    Color ink = pal::ui::kDarkPurple;
    c.StrokeCircle(cx, cy, 86, 2.0f, ink);
    c.StrokeCircle(cx, cy, 78, 1.2f, ink);
    c.StrokeCircle(cx, cy, 40, 1.2f, ink);
    // a seven-pointed star inside the circle
    std::vector<Vec2> pts;
    for (int k = 0; k < 7; ++k) {
        float a = -1.5708f + k * 6.2832f / 7.0f;
        pts.push_back({cx + 78 * std::cos(a), cy + 78 * std::sin(a)});
    }
    for (int k = 0; k < 7; ++k) {
        Vec2 a = pts[k], b = pts[(k + 3) % 7];
        c.ThickLine(a.x, a.y, b.x, b.y, 1.3f, ink);
    }
    // runes between the two outer circles
    for (int k = 0; k < 14; ++k) {
        float a = k * 6.2832f / 14.0f;
        float rx = cx + 82 * std::cos(a), ry = cy + 82 * std::sin(a);
        c.FillRect(static_cast<int>(rx) - 1, static_cast<int>(ry) - 1, 3, 3, ink);
    }
    c.ShadedEllipse(cx, cy, 12, 12, pal::ui::kViolet, 0.7f);
    Divider(c, px + 16, kInvW - 20, 300, kBronzeDark);
    for (int k = 0; k < 3; ++k)
        Diamond(c, px + 50.0f + k * 65.0f, 335.0f, 6.0f, pal::ui::kDullViolet);
    return c;
}

// Trade window: the player's 6 x 5 panel (453 wide: the game tests clicks up
// to the panel's right edge against a grid shifted by 10 pixels, so it must
// stay below 463) and the merchant's 4 x 5 panel (311 wide: clicks reach
// 10 pixels short of its right edge, which must stay inside four cells).
Canvas TradePlayer() {
    return GridPanel(453, 377, 6, 5, kSlot, 13);
}

Canvas TradeMerchant() {
    Canvas c = GridPanel(311, 377, 4, 5, pal::ui::kDeepBrown, 14);
    // the spare strip right of the grid
    Wood(c, 303, 3, 5, 371, 15, kWoodDark, true);
    for (int k = 0; k < 5; ++k) Rivet(c, 305.5f, CellEdge(k) + 37.7f, 1.8f);
    return c;
}

// ---------------------------------------------------------------- small parts
Canvas Pointer() {
    Canvas c(24, 24);
    std::vector<Vec2> arrow = {{1.5f, 1.5f},   {1.5f, 18.5f}, {6.0f, 14.5f}, {9.5f, 21.5f},
                               {12.8f, 20.0f}, {9.4f, 13.2f}, {15.5f, 13.2f}};
    c.FillSdf(
        0, 0, 24, 24,
        [&](float x, float y) {
            return SdPolygon({x, y}, arrow);
        },
        [&](float x, float y) {
            float t = (x + y) / 30.0f;
            return Mix(pal::ui::kPaleGoldPointer, pal::ui::kBrown, std::clamp(t, 0.0f, 1.0f));
        });
    c.OutlineRegion(0, 0, 24, 24, pal::ui::kDeepRustPointer);
    return c;
}

// Tooltip frame: corner 10 x 10, bars 4 pixels thick and 32 long; the game
// stretches the bars along their length, so they are uniform that way.
Color BarColor(int t) {
    static const Color band[4] = {pal::ui::kDeepRustBar, kBronzeLight, kBronze,
                                  pal::ui::kDarkBrown};
    return band[std::clamp(t, 0, 3)];
}

Canvas BarH(bool top) {
    Canvas c(32, 4);
    for (int j = 0; j < 4; ++j) c.FillRect(0, j, 32, 1, BarColor(top ? j : 3 - j));
    return c;
}

Canvas BarV(bool left) {
    Canvas c(4, 32);
    for (int i = 0; i < 4; ++i) c.FillRect(i, 0, 1, 32, BarColor(left ? i : 3 - i));
    return c;
}

// One corner piece serves all four corners, so it is symmetric: a square
// bronze boss with a jewel; its middle stays transparent towards the box.
Canvas Corner() {
    Canvas c(10, 10);
    c.FillRect(0, 0, 10, 10, kBronze);
    c.Bevel(0, 0, 10, 10, 2, false, 0.45f);
    c.StrokeRect(0, 0, 10, 10, pal::ui::kDeepRustCorner);
    c.ShadedEllipse(5, 5, 2.6f, 2.6f, pal::ui::kRed, 0.9f);
    return c;
}

// Window tabs (120 x 32): wood with a bronze rim and rounded top corners.
Canvas Tab(uint32_t seed) {
    Canvas c(120, 32);
    Wood(c, 0, 0, 120, 32, seed, pal::ui::kDarkRustTab);
    c.VGradient(3, 3, 114, 3, pal::ui::kRust, pal::ui::kDarkRustTab2);
    BronzeFrame(c, 0, 0, 120, 34, 3);
    c.FillRect(3, 29, 114, 3, pal::ui::kDeepRustTab);
    RoundCorners(c, 7);
    Rivet(c, 9, 16, 1.8f);
    Rivet(c, 111, 16, 1.8f);
    return c;
}

// The trade window's OK / close button (120 x 36).
Canvas TradeButton() {
    Canvas c(120, 36);
    Wood(c, 0, 0, 120, 36, 31, pal::ui::kDarkRustTradeButton);
    c.Bevel(3, 3, 114, 30, 3, false, 0.3f);
    BronzeFrame(c, 0, 0, 120, 36, 3);
    RoundCorners(c, 5);
    Rivet(c, 9, 18, 1.8f);
    Rivet(c, 111, 18, 1.8f);
    return c;
}

// Hotkey bar: ten slots of 50 pixels; icons of 40 x 40 sit 6 pixels in.
Canvas HotkeyBar() {
    Canvas c(500, 52);
    Wood(c, 0, 0, 500, 52, 41);
    for (int k = 0; k < 10; ++k) Slot(c, k * 50 + 4, 4, 44, 44, kSlot, 50 + k);
    for (int k = 1; k < 10; ++k) c.FillRect(k * 50 - 1, 3, 2, 46, pal::ui::kDeepRust);
    BronzeFrame(c, 0, 0, 500, 52, 3);
    RoundCorners(c, 4);
    return c;
}

// The journal: an open book, 820 x 640. Text starts 40 pixels into the
// left page and 20 pixels right of the spine, with lines 350 pixels wide.
Canvas Journal() {
    const int w = 820, h = 640;
    Canvas c(w, h);
    // leather cover
    c.FillRoundRect(0, 0, w, h, 14, pal::ui::kDarkRed);
    c.AddNoise(0, 0, w, h, 0.08f, 61, 3.0f);
    c.AddNoise(0, 0, w, h, 0.04f, 62);
    // pages
    const int top = 14, bottom = h - 18, mid = w / 2;
    auto page = [&](int x0, int x1, bool left) {
        Parchment(c, x0, top, x1 - x0, bottom - top, left ? 71u : 72u, pal::ui::kPaleTan);
        // shade towards the spine
        for (int i = x0; i < x1; ++i) {
            float dist = static_cast<float>(left ? x1 - i : i - x0);
            float f = 1.0f - 0.28f * std::exp(-dist / 22.0f);
            for (int j = top; j < bottom; ++j) c.Set(i, j, Scale(c.Get(i, j), f));
        }
    };
    page(12, mid, true);
    page(mid, w - 12, false);
    // page edges stacked below the pages
    for (int k = 0; k < 3; ++k) {
        c.FillRect(14 + k, bottom + k * 2, mid - 16 - k, 1, pal::ui::kLightTan);
        c.FillRect(mid + 2, bottom + k * 2, mid - 16 - k, 1, pal::ui::kLightTan);
    }
    c.FillRect(mid - 1, top, 2, bottom - top, pal::ui::kDullBrown);
    // ribbon bookmark lying in the gutter, clear of the text
    c.FillPolygon({{mid + 4.0f, static_cast<float>(top)},
                   {mid + 11.0f, static_cast<float>(top)},
                   {mid + 11.0f, h - 2.0f},
                   {mid + 7.5f, h - 7.0f},
                   {mid + 4.0f, h - 2.0f}},
                  pal::ui::kDarkRedJournal);
    // corner fittings of the cover
    for (int cx : {0, w - 26})
        for (int cy : {0, h - 26}) {
            c.FillRect(cx, cy, 26, 26, kBronze);
            c.Bevel(cx, cy, 26, 26, 2, false, 0.4f);
            Rivet(c, cx + 13.0f, cy + 13.0f, 3.0f);
        }
    RoundCorners(c, 6);
    return c;
}

// Journal page arrows (44 x 20). The game tints them grey and white, so they
// are painted light.
Canvas PageArrow(bool right) {
    Canvas c(44, 20);
    std::vector<Vec2> pts = {{2, 10},  {16, 1.5f}, {16, 6},    {41, 6},
                             {41, 14}, {16, 14},   {16, 18.5f}};
    if (right)
        for (Vec2& p : pts) p.x = 44 - p.x;
    c.FillSdf(
        0, 0, 44, 20,
        [&](float x, float y) {
            return SdPolygon({x, y}, pts);
        },
        [&](float, float y) {
            return Mix(pal::ui::kPaleGoldPageArrow, pal::ui::kLightTanPageArrow, y / 20);
        });
    c.OutlineRegion(0, 0, 44, 20, pal::ui::kDeepRust);
    return c;
}

// Dialogue box across the bottom of the 1024-pixel screen, 190 high: five
// lines of speech start 30 pixels in, from 15 to 135 pixels below its top.
Canvas DialogueFrame() {
    const int w = 1024, h = 190;
    Canvas c(w, h);
    Wood(c, 0, 0, w, h, 81);
    Parchment(c, 10, 10, w - 20, h - 20, 82);
    BronzeFrame(c, 7, 7, w - 14, h - 14, 3);
    BronzeFrame(c, 0, 0, w, h, 3);
    for (int x : {14, w - 14})
        for (int y : {14, h - 14}) Rivet(c, static_cast<float>(x), static_cast<float>(y), 2.5f);
    return c;
}

// Portrait frame above the dialogue box: 136 x 136 for a 96 x 96 face drawn
// 20 pixels in.
Canvas PortraitFrame() {
    Canvas c(136, 136);
    Wood(c, 0, 0, 136, 136, 91, pal::ui::kDarkRustPortraitFrame, true);
    BronzeFrame(c, 0, 0, 136, 136, 4);
    BronzeFrame(c, 16, 16, 104, 104, 4);
    c.VGradient(20, 20, 96, 96, pal::ui::kDarkDullRust, pal::ui::kDeepDullRust);
    for (int x : {8, 127})
        for (int y : {8, 127}) Rivet(c, static_cast<float>(x), static_cast<float>(y), 2.2f);
    RoundCorners(c, 4);
    return c;
}

// Name plate next to the portrait (300 x 44); the name is written 30 pixels
// in, vertically centred, in blue.
Canvas NamePlate() {
    Canvas c(300, 44);
    Parchment(c, 0, 0, 300, 44, 101);
    BronzeFrame(c, 0, 0, 300, 44, 3);
    Diamond(c, 14, 22, 5, kBronzeDark);
    Diamond(c, 286, 22, 5, kBronzeDark);
    RoundCorners(c, 4);
    return c;
}

// Answer and trade buttons of the dialogue (130 x 44), with grey or white
// text on dark wood.
Canvas DialogueButton() {
    Canvas c(130, 44);
    Wood(c, 0, 0, 130, 44, 111, pal::ui::kDarkRustDialogueButton);
    c.Bevel(3, 3, 124, 38, 3, false, 0.3f);
    BronzeFrame(c, 0, 0, 130, 44, 3);
    RoundCorners(c, 4);
    return c;
}

// Character sheet background, 640 x 600: a framed leather-brown panel on
// which blue, red and white text all read. The left column holds the
// attributes, the right half (from the middle) the skills.
Canvas SheetBox() {
    const int w = 640, h = 600;
    Canvas c(w, h);
    Wood(c, 0, 0, w, h, 121);
    Parchment(c, 12, 12, w - 24, h - 24, 122, pal::ui::kDullTan);
    BronzeFrame(c, 8, 8, w - 16, h - 16, 3);
    BronzeFrame(c, 0, 0, w, h, 3);
    // a thin rule between the attribute column and the skills
    c.FillRect(w / 2 - 14, 140, 1, 440, pal::ui::kDarkBrownSheetBox);
    c.FillRect(w / 2 - 13, 140, 1, 440, pal::ui::kTanSheetBox);
    Divider(c, 30, w / 2 - 40, 160, pal::ui::kDarkRust);
    Divider(c, 30, w / 2 - 40, 430, pal::ui::kDarkRust);
    for (int x : {14, w - 15})
        for (int y : {14, h - 15}) Rivet(c, static_cast<float>(x), static_cast<float>(y), 2.5f);
    return c;
}

// The warrior emblem of the character sheet (100 x 72): crossed swords over
// a round shield. It sits at the sheet's top right, above the skill lists.
Canvas WarriorEmblem() {
    Canvas c(100, 72);
    auto sword = [&](float x0, float y0, float x1, float y1) {
        float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
        float ux = dx / len, uy = dy / len;
        // blade, guard, grip, pommel
        c.FillSdf(
            0, 0, 100, 72,
            [&](float x, float y) {
                return SdCapsule({x, y}, {x0 + ux * 16, y0 + uy * 16}, {x1, y1}, 2.6f, 0.6f);
            },
            [&](float x, float y) {
                float side = (x - x0) * -uy + (y - y0) * ux;
                return side > 0 ? pal::ui::kPaleCoolGrey : pal::ui::kLightCoolGrey;
            });
        float gx = x0 + ux * 16, gy = y0 + uy * 16;
        c.ThickLine(gx - uy * 8, gy + ux * 8, gx + uy * 8, gy - ux * 8, 3.2f, kBronze);
        c.ThickLine(x0 + ux * 4, y0 + uy * 4, gx, gy, 3.2f, pal::ui::kDarkRustWarriorEmblem);
        c.FillCircle(x0 + ux * 2, y0 + uy * 2, 3.2f, kBronzeLight);
    };
    sword(14, 66, 88, 6);
    sword(86, 66, 12, 6);
    c.ShadedEllipse(50, 38, 22, 22, pal::ui::kDarkRedWarriorEmblem, 0.5f);
    c.StrokeCircle(50, 38, 21, 3.0f, kBronze);
    c.ShadedEllipse(50, 38, 6, 6, kBronzeLight, 0.8f);
    c.ThickLine(50, 20, 50, 30, 2.0f, pal::ui::kTan);
    c.ThickLine(50, 46, 50, 56, 2.0f, pal::ui::kTan);
    c.OutlineRegion(0, 0, 100, 72, pal::ui::kDeepRustWarriorEmblem);
    return c;
}

// Weapon selection frame of the HUD (52 x 52, on black): the 40-pixel icon
// is drawn 6 pixels in.
Canvas SelectionBox() {
    Canvas c(52, 52);
    for (int t = 0; t < 4; ++t) {
        Color col = t == 1 ? kBronzeLight : (t == 0 ? kBronzeDark : kBronze);
        c.StrokeRect(t, t, 52 - 2 * t, 52 - 2 * t, col);
    }
    for (int x : {0, 40})
        for (int y : {0, 40}) {
            c.FillRect(x, y, 12, 12, kBronze);
            c.Bevel(x, y, 12, 12, 2, false, 0.45f);
            c.ShadedEllipse(x + 6.0f, y + 6.0f, 2.5f, 2.5f, pal::ui::kBlue, 0.9f);
        }
    return c;
}

// ---------------------------------------------------------------- map pictures
Canvas BloodStain() {
    Canvas c(48, 48);
    Rng rng(777);
    Color blood = pal::ui::kDarkRedBlood;
    c.FillSdf(
        0, 0, 48, 48,
        [](float x, float y) {
            float a = std::atan2(y - 25, x - 24);
            float r = 10.0f + 2.5f * std::sin(a * 5.0f) + 1.5f * std::sin(a * 3.0f + 1.0f);
            return std::hypot(x - 24, y - 25) - r;
        },
        [&](float x, float y) {
            float n = ValueNoise(x, y, 5.0f, 9);
            return Scale(blood, 0.85f + 0.3f * n);
        });
    for (int k = 0; k < 11; ++k) {
        float a = rng.Range(0, 6.283f), d = rng.Range(13, 21), r = rng.Range(1.2f, 3.2f);
        c.FillCircle(24 + d * std::cos(a), 25 + d * std::sin(a), r, Scale(blood, 0.9f));
    }
    c.FillEllipse(20, 21, 3, 2, pal::ui::kRedBloodStain);
    return c;
}

// What any fallen enemy leaves, 72 x 48: a dark, lumpy heap on a stain of
// blood, with scraps of fur and cloth and a few bones scattered around it,
// so it fits a wolf as well as a robber or a skeleton. Lit from the top left.
Canvas Corpse() {
    Canvas c(72, 48);
    // the stain soaked into the ground
    c.FillSdf(
        0, 0, 72, 48,
        [](float x, float y) {
            float a = std::atan2(y - 32, x - 36);
            float r = 1.0f + 0.12f * std::sin(a * 5.0f + 1.0f) + 0.08f * std::sin(a * 9.0f);
            return SdEllipse({x, y}, {36, 32}, 31 * r, 11 * r);
        },
        [](float x, float y) {
            float n = ValueNoise(x, y, 4.0f, 17);
            return Mix(pal::ui::kDarkRedCorpse, pal::ui::kDeepRustCorpse2, 0.3f + 0.5f * n);
        });
    Canvas f(72, 48);
    // the heap: overlapping lumps of matted fur and hide
    const Color hide = pal::ui::kDarkDullBrownCloth;
    const Vec2 lumps[] = {{27, 28}, {37, 25}, {46, 29}, {34, 32}, {22, 32}};
    const float radii[] = {9, 10, 8, 9, 6};
    for (int k = 0; k < 5; ++k) {
        Vec2 p = lumps[k];
        float r = radii[k];
        f.FillSdf(
            0, 0, 72, 48, [&](float x, float y) { return SdEllipse({x, y}, p, r, r * 0.72f); },
            [&](float x, float y) {
                // lighter where the lump faces the top left
                float l = (-(x - p.x) * 0.55f - (y - p.y) * 0.83f) / r;
                float strand = std::sin(x * 1.7f + 2.0f * std::sin(y * 0.9f));
                return Scale(hide, 0.8f + 0.28f * std::clamp(l, -1.0f, 1.0f) + 0.06f * strand);
            });
    }
    // dark blood over the heap's lower side
    for (int k = 0; k < 6; ++k)
        f.FillEllipse(20.0f + 5.0f * k, 35.0f - (k % 2), 3.0f, 1.6f, pal::ui::kDarkRedCorpse);
    // a torn scrap of cloth and a tuft of grey fur
    f.FillPolygon({{44, 33}, {55, 31}, {57, 37}, {48, 39}}, pal::ui::kDarkRed);
    f.FillPolygon({{45, 33}, {54, 31.5f}, {55, 33}, {46, 34.5f}}, Lighter(pal::ui::kDarkRed, 0.2f));
    f.FillPolygon({{13, 25}, {20, 22}, {22, 27}, {15, 29}}, pal::fur::kPeltDark);
    f.FillPolygon({{14, 25}, {19, 23}, {20, 24.5f}, {15, 26}}, pal::fur::kPelt);
    // bones: a long bone in front, one across the heap, two small pieces
    auto bone = [&](Vec2 a, Vec2 b, float r) {
        auto shape = [=](float x, float y) {
            float shaft = SdCapsule({x, y}, a, b, r * 0.55f, r * 0.55f);
            float knobs = std::min(std::min(std::hypot(x - a.x + r * 0.5f, y - a.y) - r * 0.6f,
                                            std::hypot(x - a.x - r * 0.3f, y - a.y + r * 0.4f) -
                                                r * 0.6f),
                                   std::min(std::hypot(x - b.x - r * 0.5f, y - b.y) - r * 0.6f,
                                            std::hypot(x - b.x + r * 0.3f, y - b.y + r * 0.4f) -
                                                r * 0.6f));
            return std::min(shaft, knobs);
        };
        f.FillSdf(0, 0, 72, 48, [&](float x, float y) { return shape(x - 0.8f, y - 0.8f); },
                  [](float, float) { return pal::bone::kDarkDullRust; }); // its shadow
        f.FillSdf(0, 0, 72, 48, shape, [&](float x, float y) {
            float l = shape(x + 0.6f, y + 0.9f) - shape(x, y); // > 0 towards the top left
            return l > 0.25f ? pal::bone::kPaleTan
                             : (l < -0.25f ? pal::bone::kWarmGrey : pal::bone::kLightTan);
        });
    };
    bone({14, 39}, {30, 41}, 2.2f);
    bone({31, 21}, {43, 24}, 1.8f);
    bone({55, 24}, {60, 21}, 1.4f);
    bone({58, 40}, {62, 42}, 1.2f);
    // ribs arching out of the heap
    for (int k = 0; k < 3; ++k) {
        float x = 34.0f + 4.0f * k;
        f.ThickLine(x, 27, x + 2, 22.5f, 1.3f, pal::bone::kLightTan);
        f.Set(static_cast<int>(x + 1), 23, pal::bone::kPaleTan);
    }
    f.OutlineRegion(0, 0, 72, 48, pal::ui::kDeepRustCorpse);
    c.Blit(f, 0, 0);
    return c;
}

// A pile of gold coins, 48 x 48; also the loot marker on the map.
Canvas GoldPile() {
    Canvas c(48, 48);
    Color gold = pal::ui::kTanGold, rim = pal::ui::kDarkBrownRim;
    // the mound: a low dome of coins
    c.FillSdf(
        0, 0, 48, 48,
        [](float x, float y) {
            return std::max(SdEllipse({x, y}, {24, 42}, 19, 22), y - 44.0f);
        },
        [&](float x, float y) {
            float t = std::clamp((x - 8) / 34.0f + (y - 24) / 40.0f, 0.0f, 1.0f);
            return Mix(pal::ui::kLightTanGoldPile, pal::ui::kDarkBrownGoldPile, t);
        });
    // single coins lying on the dome and in front of it, back to front
    Rng rng(4242);
    std::vector<Vec2> coins;
    for (int k = 0; k < 22; ++k) {
        float y = rng.Range(22, 42);
        float half = 19.0f * std::sqrt(std::max(0.0f, 1.0f - (42 - y) * (42 - y) / 484.0f));
        coins.push_back({24 + rng.Range(-half + 3, half - 3), y});
    }
    coins.push_back({8, 43});
    coins.push_back({40, 44});
    coins.push_back({26, 45});
    std::sort(coins.begin(), coins.end(), [](Vec2 a, Vec2 b) { return a.y < b.y; });
    for (Vec2 k : coins) {
        c.FillEllipse(k.x, k.y + 1, 4.6f, 2.6f, rim);
        c.FillEllipse(k.x, k.y, 4.6f, 2.4f, gold);
        c.FillEllipse(k.x - 1, k.y - 0.6f, 2.2f, 1.0f, pal::ui::kLightGold);
    }
    c.OutlineRegion(0, 0, 48, 48, pal::ui::kDeepBrownGoldPile);
    // a little sparkle
    c.FillRect(30, 19, 1, 5, pal::ui::kPaleGold);
    c.FillRect(28, 21, 5, 1, pal::ui::kPaleGold);
    return c;
}

} // namespace

void MakeInterfaceImages(const PictureSink& sink) {
    auto white = [&](const char* path, const Canvas& c) { sink(path, c.ToPixmap(kMaskWhite)); };
    white("Grafik/Blutfleck.png", BloodStain());
    white("Grafik/Leiche.png", Corpse());
    white("Grafik/Gold.png", GoldPile());
    white("Grafik/Inventar1.png", Inventory());
    white("Grafik/Inventar2.png", TradePlayer());
    white("Grafik/HändlerInventar.png", TradeMerchant());
    white("Grafik/Zaubermenü.png", SpellBook());
    white("Grafik/Maus.png", Pointer());
    white("Grafik/Ecke.png", Corner());
    white("Grafik/Balken_oben.png", BarH(true));
    white("Grafik/Balken_unten.png", BarH(false));
    white("Grafik/Balken_links.png", BarV(true));
    white("Grafik/Balken_rechts.png", BarV(false));
    white("Grafik/InventarButton1.png", Tab(131));
    white("Grafik/InventarButton2.png", Tab(132));
    white("Grafik/InventarButton3.png", TradeButton());
    white("Grafik/Hotkeyleiste.png", HotkeyBar());
    white("Grafik/Tagebuch.png", Journal());
    white("Grafik/Pfeil1.png", PageArrow(false));
    white("Grafik/Pfeil2.png", PageArrow(true));
    white("Grafik/Rahmen_1024.png", DialogueFrame());
    white("Grafik/Rahmen2.png", PortraitFrame());
    white("Grafik/Rahmen3.png", NamePlate());
    white("Grafik/Rahmen4.png", DialogueButton());
    white("Grafik/Box.png", SheetBox());
    white("Grafik/Krieger.png", WarriorEmblem());
    sink("Grafik/Auswahlbox.png", SelectionBox().ToPixmap(kMaskBlack));
}

} // namespace art
