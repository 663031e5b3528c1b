// Rules the game state must keep in every frame, checked by the soak.
#include "replay/invariants.h"

#include "data/collections.h"
#include "data/map_format.h"
#include "data/map_state.h"
#include "data/player_state.h"
#include "data/window_state.h"
#include "ui/trade.h"

#include <cmath>

namespace {
std::string Num(double v) {
    char b[64];
    snprintf(b, sizeof b, "%g", v);
    return b;
}

std::string Utf8(const Str& s) {
    return ToUtf8(s);
}

// The player stands on a cell of the map, his position agrees with it.
std::string PlayerOnMap() {
    const TCharakter& p = *Player;
    if (!Map.Inside(p.px_alt, p.py_alt))
        return "player inside the map: cell (" + Num(p.px_alt) + ", " + Num(p.py_alt) +
               ") on a map of " + Num(Map.w) + " x " + Num(Map.h);
    if (!std::isfinite(p.px) || !std::isfinite(p.py) || p.px < 0 || p.py < 0 ||
        p.px > Map.w - 1 || p.py > Map.h - 1)
        return "player inside the map: position (" + Num(p.px) + ", " + Num(p.py) + ")";
    if (p.ppx < 0 || p.ppy < 0 || p.ppx > (Map.w - 1) * kCell || p.ppy > (Map.h - 1) * kCell)
        return "player inside the map: pixel position (" + Num(p.ppx) + ", " + Num(p.ppy) + ")";
    return "";
}

// The life and mana bars cut both values to their maximum every frame in
// which no window is open; mana is never spent below zero.
std::string PlayerValues() {
    const TCharakter& p = *Player;
    if (!std::isfinite(p.HP) || !std::isfinite(p.MP)) return "player values finite";
    if (!NoWindowOpen()) return "";
    if (p.HP > p.HPMax + 1e-3f) return "HP within HPMax: " + Num(p.HP) + " > " + Num(p.HPMax);
    if (p.MP > p.MPMax + 1e-3f) return "MP within MPMax: " + Num(p.MP) + " > " + Num(p.MPMax);
    if (p.MP < 0) return "MP not negative: " + Num(p.MP);
    return "";
}

// A trade may leave a cell with 0 units of an item until it is settled.
std::string ItemCell(const TItem* it, const std::string& where) {
    if (!it) return "no dangling entries: " + where + " is missing";
    if (TradeOpen == 0 && it->ID != 0 && it->Anzahl == 0) return "item counts: " + where + " holds item " +
                                                Num(it->ID) + " with 0 units";
    return "";
}

// Grids, slots and lists hold records, and nothing counts zero units.
std::string Records() {
    for (int i = 0; i < kInvCols; ++i)
        for (int j = 0; j < kInvRows; ++j) {
            std::string why = ItemCell(InventoryGrid[i][j], "inventory cell (" + Num(i) + ", " +
                                                               Num(j) + ")");
            if (!why.empty()) return why;
            if (!SpellBookGrid[i][j]) return "no dangling entries: spell book cell missing";
        }
    const TItem* slots[] = {EquipBody, EquipHead, EquipWeapon, EquipOffHand, EquipRing1, EquipRing2};
    for (const TItem* s : slots)
        if (!s) return "no dangling entries: an equipment slot is missing";
    for (int k = 0; k < kHotkeys; ++k)
        if (!Hotkeys[k]) return "no dangling entries: hotkey " + Num(k) + " missing";
    for (TCharakter* n : *NpcList)
        if (!n) return "no dangling entries: an empty NPC entry";
    for (TGegner* e : *EnemyList)
        if (!e) return "no dangling entries: an empty enemy entry";
    for (TBehaelter* c : *ContainerList)
        if (!c || !c->Inhalt) return "no dangling entries: an empty container entry";
    if (Gold < 0) return "gold not negative: " + Num(Gold);
    return "";
}

// Every living enemy stands on a cell of its own map.
std::string EnemiesOnTheirMaps(InvariantMemory& m) {
    for (TGegner* e : *EnemyList) {
        if (e->Exist != 1) continue;
        auto it = m.mapSizes.find(e->MapName);
        if (it == m.mapSizes.end()) {
            int w = 0, h = 0;
            MapFileSize(e->MapName, "the soak", w, h);
            it = m.mapSizes.emplace(e->MapName, std::make_pair(w, h)).first;
        }
        auto [w, h] = it->second;
        if (e->px < 0 || e->py < 0 || e->px >= w || e->py >= h)
            return "enemy on its map: " + Utf8(e->Name) + " (ID " + Num(e->ID) + ") at (" +
                   Num(e->px) + ", " + Num(e->py) + ") on " + Utf8(e->MapName) + " of " + Num(w) +
                   " x " + Num(h);
    }
    return "";
}

// While a trade stays open its clicks only move units between the two
// grids: the units of every item in both grids together stay the same.
std::string TradeKeepsUnits(InvariantMemory& m) {
    bool open = TradeOpen != 0 && TradeItemsLaidOut != 0;
    std::map<int, int> units;
    if (open) {
        for (int i = 0; i < kInvCols; ++i)
            for (int j = 0; j < kInvRows; ++j)
                if (InventoryGrid[i][j]->ID) units[InventoryGrid[i][j]->ID] += InventoryGrid[i][j]->Anzahl;
        for (int i = 0; i < kShopCols; ++i)
            for (int j = 0; j < kShopRows; ++j)
                if (ShopItems[i][j] && ShopItems[i][j]->ID)
                    units[ShopItems[i][j]->ID] += ShopItems[i][j]->Anzahl;
    }
    std::string why;
    if (open && m.tradeWasOpen && units != m.tradeUnits) {
        for (auto& [id, n] : units)
            if (m.tradeUnits[id] != n) {
                why = "no units lost in trade: item " + Num(id) + " went from " +
                      Num(m.tradeUnits[id]) + " to " + Num(n) + " units";
                break;
            }
        if (why.empty()) why = "no units lost in trade: an item vanished from both grids";
    }
    m.tradeWasOpen = open;
    m.tradeUnits = units;
    return why;
}
} // namespace

std::string CheckInvariants(InvariantMemory& memory) {
    for (auto check : {PlayerOnMap, PlayerValues, Records}) {
        std::string why = check();
        if (!why.empty()) return why;
    }
    std::string why = EnemiesOnTheirMaps(memory);
    if (why.empty()) why = TradeKeepsUnits(memory);
    return why;
}
