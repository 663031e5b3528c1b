// What both pages of the trade window share: the geometry, the two panels
// with their titles, the balance, the button and the messages.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/player_state.h"
#include "data/window_state.h"

namespace {
constexpr double kPitch = 75.4;

void CentredLabel(const Str& text, const TradeGeometry& g) {
    DrawString(text, g.bx + g.Wb / 2 - StringWidth(text) / 2, g.by + g.Hb / 2 - FontHeight() / 2);
}

// One message at a time, centred above the window, for three seconds.
void DrawMessage(const TradeGeometry& g) {
    int32_t now = Millis();
    if (NoGoldShown == 1 && now - NoGoldTime > kTradeMessageMs) NoGoldShown = 0;
    if (NoRoomShown == 1 && now - NoRoomTime > kTradeMessageMs) NoRoomShown = 0;
    Str text;
    if (NoGoldShown == 1 && TradeFromDialogue == 1)
        text = u"Ihr habt nicht genug Gold!";
    else if (NoRoomShown == 1)
        text = u"Kein Platz mehr.";
    if (text.empty()) return;
    SetFont(FontChancery30);
    SetColor(255, 255, 255);
    DrawString(text, ScreenWidth() / 2 - StringWidth(text) / 2,
               ScreenHeight() / 2 - g.H2 / 2 - 100);
}
} // namespace

TradeGeometry TradeLayout() {
    TradeGeometry g{};
    int sw = ScreenWidth(), sh = ScreenHeight();
    g.W2 = ImageWidthOf(ImgInventar2);
    g.H2 = ImageHeightOf(ImgInventar2);
    g.WH = ImageWidthOf(ImgHaendlerInventar);
    g.HH = ImageHeightOf(ImgHaendlerInventar);
    g.Wb = ImageWidthOf(ImgInventarButton3);
    g.Hb = ImageHeightOf(ImgInventarButton3);
    g.base = sw / 2 - (g.W2 + g.WH) / 2;
    g.X0 = g.base - 10;
    g.T2 = sh / 2 - g.H2 / 2;
    g.X1 = g.base + g.W2 + 10;
    g.TH = sh / 2 - g.HH / 2;
    g.bx = g.X1 + g.WH - g.Wb;
    g.by = sh / 2 + g.HH / 2 + 1;
    return g;
}

// The player's hit grid starts at `base`, 10 pixels right of the drawn
// panel; a point left of it truncates to column 0.
bool PlayerCellAt(const TradeGeometry& g, int x, int y, int cols, int& i, int& j) {
    int sh = ScreenHeight();
    if (x < g.X0 || x > g.X0 + g.W2 || y < g.T2 || y > sh / 2 + g.H2 / 2) return false;
    i = FloatToInt((x - g.base) / kPitch);
    j = FloatToInt((y - g.T2) / kPitch);
    return i >= 0 && i < cols && j >= 0 && j < kInvRows;
}

bool StockCellAt(const TradeGeometry& g, int x, int y, int& i, int& j) {
    int sh = ScreenHeight();
    if (x < g.X1 || x > g.X1 + g.WH - 10 || y < g.TH || y > sh / 2 + g.HH / 2) return false;
    i = FloatToInt((x - g.X1) / kPitch);
    j = FloatToInt((y - g.TH) / kPitch);
    return i >= 0 && i < kShopCols && j >= 0 && j < kShopRows;
}

void DrawTradeFrame(const TradeGeometry& g, const Str& name) {
    SetColor(255, 255, 255);
    DrawImageFrame(ImgInventar2, g.X0, g.T2, 0);
    DrawImageFrame(ImgHaendlerInventar, g.X1, g.TH, 0);
    DrawImageFrame(ImgInventarButton3, g.bx, g.by, 0);
    SetFont(FontChancery30);
    DrawString(PlayerName, g.X0, g.T2 - FontHeight());
    DrawString(name, g.X1, g.TH - ImageHeightOf(ImgInventarButton1) - FontHeight());
    int sh = ScreenHeight();
    if (TradeFromDialogue == 1) {
        SetFont(FontChancery25);
        int shown = FloatToInt(TradeBalance);
        if (TradeBalance >= 0) {
            SetColor(0, 0, 150);
            DrawString(u"Verkaufspreis: " + IntToString(shown), g.X0, sh / 2 + g.H2 / 2 + 10);
        } else {
            SetColor(150, 0, 0);
            DrawString(u"Preis: " + IntToString(-shown), g.X0, sh / 2 + g.H2 / 2 + 10);
        }
    }
    const Str label = TradeFromDialogue == 1 ? Str(u"OK") : Str(u"Schliessen");
    SetFont(FontChancery20);
    SetColor(150, 150, 150);
    CentredLabel(label, g);
    if (MouseX >= g.bx && MouseX <= g.bx + g.Wb && MouseY >= g.by && MouseY <= g.by + g.Hb) {
        SetColor(255, 255, 255);
        CentredLabel(label, g);
        if (MouseClicked == 1) TradeButtonClicked();
    }
    DrawMessage(g);
    SetColor(255, 255, 255);
}
