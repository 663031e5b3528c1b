// The description box next to the pointer: its size, its side of the
// pointer, its frame and its lines for items and spell items.
#include "ui/ui.h"

#include "data/assets.h"
#include "data/window_state.h"

#include <algorithm>

uint8_t TooltipShown;
int TooltipCellX, TooltipCellY;
uint16_t TooltipWidth, TooltipHeight;
uint8_t TooltipSide;
uint16_t TooltipX, TooltipY;
TItem TooltipItem;
TZauberItem TooltipSpellItem;
uint8_t TooltipKind;

namespace {
// Whether the box describes the trade window's gold or the merchant's
// stock (shown at the selling price).
bool TooltipTrade, TooltipMerchant;

Str Num(int v) {
    return IntToString(v);
}

bool IsGold(const TItem& it, bool trade) {
    return trade && it.Name == u"Gold";
}

// The line that sets an item box's width; a line wins only when strictly
// wider than the one before it.
Str WidestItemLine(const TItem& it, bool trade) {
    auto wider = [](const Str& a, const Str& b) { return StringWidth(a) > StringWidth(b); };
    if (it.Art == u"Waffe" && it.Typ != u"Pfeil") {
        Str twoHanded = u"Typ: " + it.Typ + u", zweihaendig";
        if (wider(it.Name, twoHanded)) return it.Name;
        return it.Zweihaendig == 1 ? twoHanded : u"Typ: " + it.Typ + u", einhaendig";
    }
    if (IsGold(it, trade)) return u"Wert: " + Num(it.Wert);
    if (it.Art != u"Ring" && it.Typ != u"Pfeil") {
        Str type = u"Typ: " + it.Typ;
        return wider(type, it.Name) ? type : it.Name;
    }
    if (it.Typ == u"Pfeil") {
        Str damage = u"Schaden: " + Num(it.Schaden1) + u" - " + Num(it.Schaden2);
        return wider(damage, it.Name) ? damage : it.Name;
    }
    Str art = u"Typ: " + it.Art;
    if (wider(it.Name, art) && wider(it.Name, it.Typ)) return it.Name;
    return wider(it.Typ, art) ? it.Typ : art;
}

Str WidestSpellLine(const TZauberItem& z) {
    Str other = z.Wirkungsdauer > 0 ? u"Wirkungsdauer: " + Num(z.Wirkungsdauer) + u" Sekunden"
                                    : u"Typ: " + z.Art + u", " + z.Typ;
    return StringWidth(other) > StringWidth(z.Name) ? other : z.Name;
}

// The box is at least as wide as every line it shows, so that no text
// runs over its frame.
uint16_t BoxWidth(const Str& rule, const std::vector<Str>& lines) {
    int w = StringWidth(rule);
    for (const Str& l : lines) w = std::max(w, StringWidth(l));
    return (uint16_t)(12 + w);
}

void PickSide() {
    int limit = ScreenWidth() - TooltipWidth - ImageWidthOf(ImgMaus);
    TooltipSide = MouseX <= limit ? 1 : 2;
}

void DrawLines(const std::vector<Str>& lines) {
    TooltipX =
        (uint16_t)(TooltipSide == 1 ? MouseX + ImageWidthOf(ImgMaus) : MouseX - TooltipWidth);
    TooltipY = MouseY;
    DrawTooltipFrame(TooltipX, TooltipY, TooltipWidth, TooltipHeight);
    SetColor(255, 255, 255);
    for (size_t i = 0; i < lines.size(); ++i)
        DrawString(lines[i], TooltipX + 6, TooltipY + 6 + 20 * (int)i);
}
} // namespace

std::vector<Str> ItemDescriptionLines(const TItem& it, bool trade, bool merchant) {
    std::vector<Str> l{it.Name};
    if (IsGold(it, trade)) {
        l.push_back(u"Wert: " + Num(it.Wert));
        return l;
    }
    if (it.Art == u"Ruestung" || it.Art == u"Helm" || it.Art == u"Schild") {
        l.push_back(u"Typ: " + it.Typ);
        l.push_back(u"Ruestung: " + Num(it.Ruestung));
    } else if (it.Art == u"Waffe") {
        if (it.Typ == u"Pfeil")
            l.push_back(u"Typ: " + it.Typ);
        else
            l.push_back(u"Typ: " + it.Typ +
                        (it.Zweihaendig == 1 ? u", zweihaendig" : u", einhaendig"));
        l.push_back(u"Schaden: " + Num(it.Schaden1) + u" - " + Num(it.Schaden2));
    } else if (it.Art == u"Trank") {
        l.push_back(u"Typ: " + it.Typ);
        l.push_back(u"Wirkung: " + Num(it.Schaden1));
    } else if (it.Art == u"Ring") {
        l.push_back(u"Typ: " + it.Art);
        l.push_back(it.Typ);
    } else {
        // Other classes leave the two middle lines empty.
        l.push_back(u"");
        l.push_back(u"");
    }
    int value = merchant ? FloatToInt(it.Wert * 1.5) : it.Wert;
    l.push_back(u"Wert: " + Num(value));
    return l;
}

std::vector<Str> SpellDescriptionLines(const TZauberItem& z) {
    std::vector<Str> l{z.Name, u"Typ: " + z.Art + u", " + z.Typ};
    Str range = Num(z.Wirkung1) + u" - " + Num(z.Wirkung2);
    if (z.Art == u"Kampfmagie")
        l.push_back(u"Schaden: " + range);
    else if (z.Art == u"Wiederherstellung" || z.Art == u"Verzaubern")
        l.push_back(u"Wirkung: " + range);
    if (z.Wirkungsdauer > 0) l.push_back(u"Wirkungsdauer: " + Num(z.Wirkungsdauer) + u" Sekunden");
    if (z.FlaechenBreite + z.FlaechenLaenge > 2)
        l.push_back(u"Zauberflaeche: " + Num(z.FlaechenBreite) + u"x" + Num(z.FlaechenLaenge));
    l.push_back(u"Benoetigtes Mana: " + Num(z.BenoetigteMP));
    l.push_back(u"Wert: " + Num(z.Wert));
    return l;
}

void DescribeItem(const TItem* it, bool trade, bool merchant) {
    TooltipItem = TItem();
    TooltipItem.Name = it->Name;
    TooltipItem.Art = it->Art;
    TooltipItem.Typ = it->Typ;
    TooltipItem.Schaden1 = it->Schaden1;
    TooltipItem.Schaden2 = it->Schaden2;
    TooltipItem.Ruestung = it->Ruestung;
    TooltipItem.Zweihaendig = it->Zweihaendig;
    TooltipItem.Wert = it->Wert;
    if (trade) TooltipItem.Anzahl = it->Anzahl;
    TooltipTrade = trade;
    TooltipMerchant = merchant;
    TooltipKind = 1;
    TooltipWidth = BoxWidth(WidestItemLine(TooltipItem, trade),
                            ItemDescriptionLines(TooltipItem, trade, merchant));
    TooltipHeight = IsGold(TooltipItem, trade) ? 52 : 92;
    PickSide();
    TooltipShown = 1;
}

void DescribeSpell(const TZauberItem* z) {
    TooltipSpellItem = TZauberItem();
    TooltipSpellItem.Name = z->Name;
    TooltipSpellItem.Typ = z->Typ;
    TooltipSpellItem.Art = z->Art;
    TooltipSpellItem.BenoetigteMP = z->BenoetigteMP;
    TooltipSpellItem.Wirkung1 = z->Wirkung1;
    TooltipSpellItem.Wirkung2 = z->Wirkung2;
    TooltipSpellItem.Wirkungsdauer = z->Wirkungsdauer;
    TooltipSpellItem.FlaechenBreite = z->FlaechenBreite;
    TooltipSpellItem.FlaechenLaenge = z->FlaechenLaenge;
    TooltipSpellItem.Wert = z->Wert;
    TooltipKind = 2;
    std::vector<Str> lines = SpellDescriptionLines(TooltipSpellItem);
    TooltipWidth = BoxWidth(WidestSpellLine(TooltipSpellItem), lines);
    TooltipHeight = (uint16_t)(20 * lines.size() + 12);
    PickSide();
    TooltipShown = 1;
}

void HoverItemCell(const TItem* it, int col, int row, bool trade, bool merchant) {
    if (!it || it->ID == 0) {
        TooltipShown = 0;
        return;
    }
    bool same = TooltipShown == 1 && TooltipKind == 1 && col == TooltipCellX && row == TooltipCellY;
    if (same) return;
    DescribeItem(it, trade, merchant);
    TooltipCellX = col;
    TooltipCellY = row;
}

void HoverSpellCell(const TZauberItem* z, int col, int row) {
    if (!z || z->ID == 0) {
        TooltipShown = 0;
        return;
    }
    bool same = TooltipShown == 1 && TooltipKind == 2 && col == TooltipCellX && row == TooltipCellY;
    if (same) return;
    DescribeSpell(z);
    TooltipCellX = col;
    TooltipCellY = row;
}

void DrawItemDescription(const TItem* it) {
    DrawLines(ItemDescriptionLines(*it, TooltipTrade, TooltipMerchant));
}

void DrawSpellDescription(const TZauberItem* z) {
    DrawLines(SpellDescriptionLines(*z));
}

void DrawDescription() {
    if (TooltipShown != 1) return;
    if (TooltipKind == 1) DrawItemDescription(&TooltipItem);
    if (TooltipKind == 2) DrawSpellDescription(&TooltipSpellItem);
}

std::vector<Str> DescriptionLines() {
    if (TooltipShown != 1) return {};
    if (TooltipKind == 1) return ItemDescriptionLines(TooltipItem, TooltipTrade, TooltipMerchant);
    if (TooltipKind == 2) return SpellDescriptionLines(TooltipSpellItem);
    if (TooltipKind == kTooltipSkill) return SkillTooltipLines();
    return {};
}

void DrawTooltipFrame(uint16_t x, uint16_t y, float w, float h) {
    int cw = ImageWidthOf(ImgEcke), ch = ImageHeightOf(ImgEcke);
    double sx = (w - 2 * cw) / ImageWidthOf(ImgBalkenOben);
    double sy = (h - 2 * ch) / ImageHeightOf(ImgBalkenLinks);
    SetColor(0, 0, 0);
    DrawRect(x, y, w, h);
    SetColor(255, 255, 255);
    DrawImageFrame(ImgEcke, x, y, 0);
    SetScale(sx, 1);
    DrawImageFrame(ImgBalkenOben, x + cw, y, 0);
    SetScale(1, 1);
    DrawImageFrame(ImgEcke, x + w - cw, y, 0);
    SetScale(1, sy);
    DrawImageFrame(ImgBalkenLinks, x, y + ch, 0);
    SetScale(1, 1);
    DrawImageFrame(ImgEcke, x, y + h - ch, 0);
    SetScale(1, sy);
    DrawImageFrame(ImgBalkenRechts, x + w - ImageWidthOf(ImgBalkenRechts), y + ch, 0);
    SetScale(1, 1);
    DrawImageFrame(ImgEcke, x + w - cw, y + h - ch, 0);
    SetScale(sx, 1);
    DrawImageFrame(ImgBalkenUnten, x + cw, y + h - ImageHeightOf(ImgBalkenUnten), 0);
    SetScale(1, 1);
}
