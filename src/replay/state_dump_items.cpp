// The dump's view of what the player owns and has learnt: the item and
// spell grids, equipment, containers, blood and corpses, skills.
#include "replay/state_dump.h"

#include "data/collections.h"
#include "data/player_state.h"
#include "data/window_state.h"

#include <map>

namespace {
std::string Cell(int i, int k) {
    return std::to_string(i) + "," + std::to_string(k);
}

Json ItemJson(const TItem* it) {
    Json c = Json::Obj();
    c.Set("ID", Json::Int(it->ID));
    c.Set("Name", Json::Text(ToUtf8(it->Name)));
    c.Set("Anzahl", Json::Int(it->Anzahl));
    c.Set("Aktiv", Json::Int(it->Aktiv));
    return c;
}

Json SpellItemJson(const TZauberItem* z) {
    Json c = Json::Obj();
    c.Set("ID", Json::Int(z->ID));
    c.Set("Name", Json::Text(ToUtf8(z->Name)));
    c.Set("Aktiv", Json::Int(z->Aktiv));
    return c;
}

Json MarksJson(const TList<TBlut*>& list) {
    std::map<std::string, int> perMap;
    for (TBlut* b : list) ++perMap[ToUtf8(b->MapName)];
    Json j = Json::Obj();
    Json counts = Json::Obj();
    for (auto& [m, n] : perMap) counts.Set(m, Json::Int(n));
    j.Set("count", Json::Int(list.Count()));
    j.Set("perMap", counts);
    j.Set("firstAlpha", Json::Num(list.Empty() ? 0.0 : list.First()->Alpha));
    return j;
}
} // namespace

void DumpItems(Json& s) {
    Json inv = Json::Obj();
    Json book = Json::Obj();
    for (int i = 0; i < kInvCols; ++i)
        for (int k = 0; k < kInvRows; ++k) {
            if (InventoryGrid[i][k]->ID != 0) inv.Set(Cell(i, k), ItemJson(InventoryGrid[i][k]));
            if (SpellBookGrid[i][k]->ID != 0)
                book.Set(Cell(i, k), SpellItemJson(SpellBookGrid[i][k]));
        }
    s.Set("inventory", inv);
    s.Set("spellbook", book);

    Json eq = Json::Obj();
    eq.Set("body", ItemJson(EquipBody));
    eq.Set("head", ItemJson(EquipHead));
    eq.Set("weapon", ItemJson(EquipWeapon));
    eq.Set("offhand", ItemJson(EquipOffHand));
    eq.Set("ring1", ItemJson(EquipRing1));
    eq.Set("ring2", ItemJson(EquipRing2));
    s.Set("equipment", eq);

    Json conts = Json::Arr();
    for (TBehaelter* c : *ContainerList) {
        Json j = Json::Obj();
        j.Set("ID", Json::Int(c->ID));
        j.Set("Name", Json::Text(ToUtf8(c->Name)));
        j.Set("kind", Json::Int(c->NPC));
        j.Set("x", Json::Int(c->x));
        j.Set("y", Json::Int(c->y));
        j.Set("map", Json::Text(ToUtf8(c->MapName)));
        j.Set("count", Json::Int(c->Inhalt->Count()));
        conts.Push(j);
    }
    s.Set("containers", conts);
    s.Set("stains", MarksJson(*BloodStainList));
    s.Set("corpses", MarksJson(*CorpseList));

    Json skills = Json::Obj();
    for (int k = 1; k < 16; ++k) {
        const TFertigkeit* f = Player->Fertigkeiten[k];
        Json j = Json::Obj();
        j.Set("Name", Json::Text(ToUtf8(f->Name)));
        j.Set("Level", Json::Int(f->Level));
        j.Set("ActExp", Json::Num(f->ActExp));
        j.Set("NextExp", Json::Int(f->NextExp));
        skills.Set(std::to_string(k), j);
    }
    s.Set("skills", skills);
    Json slots = Json::Obj();
    slots.Set("ActiveSkill", Json::Int(ActiveSkill));
    slots.Set("ArmourSkill", Json::Int(ArmourSkill));
    slots.Set("ShieldSkill", Json::Int(ShieldSkill));
    slots.Set("HelmetSkill", Json::Int(HelmetSkill));
    slots.Set("SelectedHotkey", Json::Int(SelectedHotkey));
    s.Set("slots", slots);
    Json spell = Json::Obj();
    if (CurrentSpell) {
        spell.Set("Name", Json::Text(ToUtf8(CurrentSpell->Name)));
        spell.Set("Ladung", Json::Num(CurrentSpell->Ladung));
        spell.Set("LadungMax", Json::Int(CurrentSpell->LadungMax));
        spell.Set("Aufgeladen", Json::Int(CurrentSpell->Aufgeladen));
    }
    s.Set("readiedSpell", spell);
}
