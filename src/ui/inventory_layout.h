// Where the inventory window, its grid and the hotkey bar lie on the
// screen, computed each frame from the screen and image sizes.
#pragma once

#include "data/assets.h"
#include "data/collections.h"
#include "media/media.h"

namespace invlayout {
// The grid pitch: six columns and five rows of 75.4 pixels.
constexpr double kPitch = 75.4;

struct Window {
    int sw, sh; // screen size
    int w, h;   // size of the window image
    int left, top;
    int right;   // the window's right edge
    int gridEnd; // last pixel of the grid span
};

inline Window Inventory() {
    Window l;
    l.sw = ScreenWidth();
    l.sh = ScreenHeight();
    l.w = ImageWidthOf(ImgInventar1);
    l.h = ImageHeightOf(ImgInventar1);
    l.left = l.sw / 2 - l.w / 2;
    l.top = l.sh / 2 - l.h / 2;
    l.right = l.sw / 2 + l.w / 2;
    l.gridEnd = l.sw / 2 + 105;
    return l;
}

inline double CellCentreX(const Window& l, int i) {
    return l.left + 37.7 + i * kPitch;
}
inline double CellCentreY(const Window& l, int j) {
    return l.top + 37.7 + j * kPitch;
}

inline bool OverGrid(const Window& l, int mx, int my) {
    return mx >= l.left && mx <= l.gridEnd && my >= l.top && my <= l.sh / 2 + l.h / 2;
}

// The cell under the pointer; false off the grid or where the span
// reaches past the sixth column or the fifth row.
inline bool CellAt(const Window& l, int mx, int my, int& col, int& row) {
    if (!OverGrid(l, mx, my)) return false;
    col = FloatToInt((mx - l.left) / kPitch);
    row = FloatToInt((my - l.top) / kPitch);
    return col >= 0 && col < kInvCols && row >= 0 && row < kInvRows;
}

// The hotkey bar, centred at the bottom of the screen.
struct Bar {
    int left, top, w, h;
};

inline Bar HotkeyBar() {
    Bar b;
    b.w = ImageWidthOf(ImgHotkeyleiste);
    b.h = ImageHeightOf(ImgHotkeyleiste);
    b.left = ScreenWidth() / 2 - b.w / 2;
    b.top = ScreenHeight() - b.h - 20;
    return b;
}

inline bool InBarSpan(int x) {
    Bar b = HotkeyBar();
    return x >= b.left && x <= b.left + b.w;
}

inline bool InBarHeight(int y) {
    Bar b = HotkeyBar();
    return y >= b.top && y <= ScreenHeight() - 20;
}

// The hotkey slot (0..9) under the pointer, or -1: off the bar, or at its
// right edge, where the division gives a slot the bar does not have.
inline int HotkeySlotAt(int mx, int my) {
    Bar b = HotkeyBar();
    if (!InBarSpan(mx) || !InBarHeight(my)) return -1;
    int slot = (mx - b.left) / (b.w / kHotkeys);
    return slot >= 0 && slot < kHotkeys ? slot : -1;
}
} // namespace invlayout
