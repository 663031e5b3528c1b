// The dump's view of the inventory window: the hotkey slots, the drag in
// progress and the lines of the description box while one is shown.
#include "replay/state_dump.h"

#include "data/collections.h"
#include "data/window_state.h"
#include "ui/ui.h"

void DumpInventoryWindow(Json& s) {
    Json keys = Json::Arr();
    for (int i = 0; i < kHotkeys; ++i) {
        Json k = Json::Obj();
        k.Set("Typ", Json::Int(Hotkeys[i]->Typ));
        k.Set("ID", Json::Int(Hotkeys[i]->ID));
        keys.Push(k);
    }
    s.Set("hotkeys", keys);
    Json d = Json::Obj();
    d.Set("Dragging", Json::Int(Dragging));
    d.Set("DragFromX", Json::Int(DragFromX));
    d.Set("DragFromY", Json::Int(DragFromY));
    d.Set("DragDrawX", Json::Int(DragDrawX));
    d.Set("DragDrawY", Json::Int(DragDrawY));
    d.Set("DragID", Json::Int(DragID));
    d.Set("DragAktiv", Json::Int(DragAktiv));
    d.Set("DragAnzahl", Json::Int(DragAnzahl));
    s.Set("drag", d);
    Json t = Json::Obj();
    t.Set("shown", Json::Int(TooltipShown));
    t.Set("side", Json::Int(TooltipSide));
    t.Set("width", Json::Int(TooltipWidth));
    t.Set("height", Json::Int(TooltipHeight));
    Json lines = Json::Arr();
    for (const Str& l : DescriptionLines()) lines.Push(Json::Text(ToUtf8(l)));
    t.Set("lines", lines);
    s.Set("description", t);
    s.Set("InventoryTab", Json::Int(InventoryTab));
    s.Set("DollFrame", Json::Int(DollFrame));
    // The armour the defence counts.
    Json armour = Json::Obj();
    armour.Set("body", Json::Int(EquipBody->Ruestung));
    armour.Set("head", Json::Int(EquipHead->Ruestung));
    s.Set("armour", armour);
}
