// What the inventory and trade windows share: the gold count and the two
// page tabs on the window's top edge.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/player_state.h"
#include "data/window_state.h"

void DrawGold() {
    SetFont(FontChancery30);
    int gx = ScreenWidth() - ImageWidthOf(ImgGold) - 20;
    int gy = ScreenHeight() - ImageHeightOf(ImgGold) - ImageHeightOf(ImgHotkeyleiste) - 25;
    Str g = IntToString(Gold);
    DrawString(g, gx - StringWidth(g), gy + ImageHeightOf(ImgGold) / 2 - FontHeight() / 2);
    DrawImageFrame(ImgGold, gx, gy, 0);
}

void DrawWindowTabs(bool trade) {
    int sw = ScreenWidth(), sh = ScreenHeight();
    int L, T;
    if (trade) {
        int w2 = ImageWidthOf(ImgInventar2), wh = ImageWidthOf(ImgHaendlerInventar);
        L = sw / 2 + w2 - (w2 + wh) / 2 + 10;
        T = sh / 2 - ImageHeightOf(ImgHaendlerInventar) / 2;
    } else {
        L = sw / 2 - ImageWidthOf(ImgInventar1) / 2;
        T = sh / 2 - ImageHeightOf(ImgInventar1) / 2;
    }
    int bw = ImageWidthOf(ImgInventarButton1), bh = ImageHeightOf(ImgInventarButton1);
    DrawImageFrame(ImgInventarButton1, L, T - bh, 0);
    DrawImageFrame(ImgInventarButton2, L + bw, T - bh, 0);
    SetFont(FontChancery20);
    const Str labels[2] = {u"Inventar", u"Zauber"};
    auto label = [&](int tab, int grey) {
        SetColor(grey, grey, grey);
        double cx = tab == 0 ? L + bw / 2.0 : L + 1.5 * bw;
        DrawString(labels[tab], FloatToInt(cx) - StringWidth(labels[tab]) / 2,
                   T - bh / 2 - FontHeight() / 2);
    };
    label(0, InventoryTab == 0 ? 255 : 150);
    label(1, InventoryTab == 1 ? 255 : 150);
    int other = InventoryTab == 0 ? 1 : 0;
    int bx = L + other * bw;
    if (MouseX >= bx && MouseX <= bx + bw && MouseY >= T - bh && MouseY <= T) {
        bool allowed = !trade || other == 0 || MerchantSpells != nullptr;
        if (allowed) {
            label(other, 200);
            if (MouseClicked == 1) {
                InventoryTab = (uint8_t)other;
                if (trade) TradeOpen = 1;
            }
        }
    }
    SetColor(255, 255, 255);
}
