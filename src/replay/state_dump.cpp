// Builds the JSON picture of the game state after a frame.
#include "replay/state_dump.h"

#include "combat/combat.h"
#include "data/collections.h"
#include "shell/shell.h"
#include "story/story.h"
#include "ui/ui.h"
#include "world/world.h"

namespace {
Json PlayerJson() {
    const TCharakter& p = *Player;
    Json j = Json::Obj();
    j.Set("px", Json::Num(p.px));
    j.Set("py", Json::Num(p.py));
    j.Set("ppx", Json::Int(p.ppx));
    j.Set("ppy", Json::Int(p.ppy));
    j.Set("SFrame", Json::Int(p.SFrame));
    j.Set("Frame", Json::Int(p.Frame));
    j.Set("Laufen", Json::Int(p.Laufen));
    j.Set("Richtung", Json::Int(p.Richtung));
    j.Set("Move", Json::Int(p.Move));
    j.Set("aa", Json::Int(p.aa));
    j.Set("HP", Json::Num(p.HP));
    j.Set("HPMax", Json::Int(p.HPMax));
    j.Set("MP", Json::Num(p.MP));
    j.Set("MPMax", Json::Int(p.MPMax));
    // The bounds of his magic roll, which every spell hit adds.
    j.Set("MagieSchaden1", Json::Num(p.MagieSchaden1));
    j.Set("MagieSchaden2", Json::Num(p.MagieSchaden2));
    j.Set("Level", Json::Int(p.Level));
    j.Set("Angegriffen", Json::Int(p.Angegriffen));
    j.Set("EffektVar", Json::Int(p.EffektVar));
    return j;
}

Json NpcsJson() {
    Json list = Json::Arr();
    for (TCharakter* n : *NpcList) {
        Json j = Json::Obj();
        j.Set("ID", Json::Int(n->ID));
        j.Set("Name", Json::Text(ToUtf8(n->Name)));
        j.Set("map", Json::Text(ToUtf8(n->MapName)));
        j.Set("px", Json::Num(n->px));
        j.Set("py", Json::Num(n->py));
        j.Set("ppx", Json::Int(n->ppx));
        j.Set("ppy", Json::Int(n->ppy));
        j.Set("SFrame", Json::Int(n->SFrame));
        j.Set("aa", Json::Int(n->aa));
        j.Set("Ereignis", Json::Int(n->Ereignis));
        j.Set("EreignisAlt", Json::Int(n->EreignisAlt));
        j.Set("EreignisAnhang", Json::Text(ToUtf8(n->EreignisAnhang)));
        j.Set("Geredet", Json::Int(n->Geredet));
        j.Set("AnzahlZeilen", Json::Int(n->AnzahlZeilen));
        j.Set("Feindlich", Json::Int(n->Feindlich));
        Json lines = Json::Arr();
        for (int i = 1; i <= 20; ++i) lines.Push(Json::Text(ToUtf8(n->Sprech[i])));
        j.Set("Sprech", lines);
        list.Push(j);
    }
    return list;
}

Json EnemiesJson() {
    Json list = Json::Arr();
    for (TGegner* e : *EnemyList) {
        Json j = Json::Obj();
        j.Set("ID", Json::Int(e->ID));
        j.Set("Name", Json::Text(ToUtf8(e->Name)));
        j.Set("Typ", Json::Int(e->Typ));
        j.Set("map", Json::Text(ToUtf8(e->MapName)));
        j.Set("px", Json::Int(e->px));
        j.Set("py", Json::Int(e->py));
        j.Set("ppx", Json::Int(e->ppx));
        j.Set("ppy", Json::Int(e->ppy));
        j.Set("HP", Json::Num(e->HP));
        j.Set("HPMax", Json::Int(e->HPMax));
        j.Set("Exist", Json::Int(e->Exist));
        j.Set("NPC", Json::Int(e->NPC));
        j.Set("Aggro", Json::Int(e->Aggro));
        j.Set("Angriff", Json::Int(e->Angriff));
        j.Set("Zufall", Json::Int(e->Zufall));
        j.Set("KITyp", Json::Int(e->KITyp));
        j.Set("FernkampfAngriff", Json::Int(e->FernkampfAngriff));
        j.Set("Angegriffen", Json::Int(e->Angegriffen));
        j.Set("EffektVar", Json::Int(e->EffektVar));
        list.Push(j);
    }
    return list;
}

Json CombatJson() {
    Json c = Json::Obj();
    c.Set("LastHitEnemyId", Json::Int(LastHitEnemyId));
    c.Set("AlertedGroup", Json::Int(AlertedGroup));
    c.Set("weapon", Json::Text(CurrentWeapon ? ToUtf8(CurrentWeapon->Name) : ""));
    c.Set("spell", Json::Text(CurrentSpell ? ToUtf8(CurrentSpell->Name) : ""));
    c.Set("SelectedHotkey", Json::Int(SelectedHotkey));
    c.Set("bloodStains", Json::Int(BloodStainList->Count()));
    c.Set("corpses", Json::Int(CorpseList->Count()));
    c.Set("arrows", Json::Int(EquipOffHand->Anzahl));
    if (CurrentWeapon) {
        c.Set("arrowFlying", Json::Int(CurrentWeapon->Zeichnen));
        c.Set("arrowX", Json::Int(CurrentWeapon->x));
        c.Set("arrowY", Json::Int(CurrentWeapon->y));
        c.Set("impact", Json::Int(CurrentWeapon->ZeichnenExplosion));
    }
    return c;
}

Json DialogueJson() {
    Json d = Json::Obj();
    d.Set("DialogueOpen", Json::Int(DialogueOpen));
    d.Set("DialoguePageDone", Json::Int(DialoguePageDone));
    d.Set("DialogueChoice", Json::Int(DialogueChoice));
    Json typed = Json::Arr();
    for (uint16_t t : DialogueTyped) typed.Push(Json::Int(t));
    d.Set("DialogueTyped", typed);
    d.Set("TradeFromDialogue", Json::Int(TradeFromDialogue));
    d.Set("MerchantName", Json::Text(ToUtf8(MerchantName)));
    d.Set("MerchantItems", Json::Int(MerchantItems ? MerchantItems->Count() : -1));
    d.Set("MerchantSpells", Json::Int(MerchantSpells ? MerchantSpells->Count() : -1));
    return d;
}
} // namespace

bool GameEnded = false;

Json DumpState() {
    Json s = Json::Obj();
    s.Set("frame", Json::Int(FrameCounter));
    s.Set("ended", Json::Int(GameEnded ? 1 : 0));
    s.Set("millis", Json::Int(Millis()));
    s.Set("map", Json::Text(ToUtf8(CurrentMapName)));
    s.Set("connections", Json::Int(ConnectionList->Count()));
    s.Set("player", PlayerJson());
    s.Set("gold", Json::Int(Gold));
    Json cam = Json::Obj();
    cam.Set("x", Json::Int(CameraX));
    cam.Set("y", Json::Int(CameraY));
    s.Set("camera", cam);
    Json clock = Json::Obj();
    clock.Set("day", Json::Int(GameDay));
    clock.Set("minutes", Json::Int(ClockMinutes));
    clock.Set("hour", Json::Int(ClockHour));
    clock.Set("phase", Json::Int(DayPhase));
    clock.Set("daylight", Json::Int(DaylightLevel));
    s.Set("clock", clock);
    s.Set("DaylightLevel", Json::Int(DaylightLevel));
    Json win = Json::Obj();
    win.Set("DialogueOpen", Json::Int(DialogueOpen));
    win.Set("InventoryOpen", Json::Int(InventoryOpen));
    win.Set("SheetOpen", Json::Int(SheetOpen));
    win.Set("JournalOpen", Json::Int(JournalOpen));
    win.Set("TradeOpen", Json::Int(TradeOpen));
    s.Set("windows", win);
    s.Set("PointerShown", Json::Int(PointerShown));
    s.Set("ScreenshotCounter", Json::Int(ScreenshotCounter));
    // The character sheet's skill box (its size and lines are in
    // "description").
    Json sheet = Json::Obj();
    sheet.Set("group", Json::Int(SheetTooltipGroup));
    sheet.Set("entry", Json::Int(SheetTooltipEntry));
    sheet.Set("boxX", Json::Int(TooltipX));
    sheet.Set("boxY", Json::Int(TooltipY));
    s.Set("sheet", sheet);
    s.Set("npcs", NpcsJson());
    s.Set("dialogue", DialogueJson());
    s.Set("enemies", EnemiesJson());
    s.Set("combat", CombatJson());
    DumpItems(s);
    DumpTrade(s);
    DumpInventoryWindow(s);
    DumpQuests(s);

    DumpSpells(s);
    return s;
}
