// Builds the JSON picture of the game state after a frame.
#include "replay/state_dump.h"

#include "data/records.h"
#include "shell/shell.h"
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
    j.Set("Level", Json::Int(p.Level));
    return j;
}

Json InventoryJson() {
    Json inv = Json::Obj();
    for (int i = 0; i < kInvCols; ++i)
        for (int k = 0; k < kInvRows; ++k) {
            const TItem* it = InventoryGrid[i][k];
            if (!it || it->ID == 0) continue;
            Json c = Json::Obj();
            c.Set("ID", Json::Int(it->ID));
            c.Set("Anzahl", Json::Int(it->Anzahl));
            inv.Set(std::to_string(i) + "," + std::to_string(k), c);
        }
    return inv;
}
} // namespace

bool GameEnded = false;

Json DumpState() {
    Json s = Json::Obj();
    s.Set("frame", Json::Int(FrameCounter));
    s.Set("ended", Json::Int(GameEnded ? 1 : 0));
    s.Set("millis", Json::Int(Millis()));
    s.Set("map", Json::Text(ToUtf8(CurrentMapName)));
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
    s.Set("inventory", InventoryJson());
    return s;
}
