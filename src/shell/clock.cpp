// The game clock and the daylight of the home map.
#include "shell/shell.h"

#include "data/assets.h"

void AdvanceClock() {
    int32_t now = Millis();
    if (now - ClockTickTime >= 1600) {
        ClockMinutes = (uint16_t)(ClockMinutes + 1);
        ClockTickTime = now;
    }
    // The hour is taken after the day change, so that the clock never shows
    // an hour 24 for a frame.
    if (ClockMinutes > 1439) {
        ClockMinutes = 0;
        GameDay = (uint16_t)(GameDay + 1);
    }
    ClockHour = (uint8_t)(ClockMinutes / 60);
    if (ClockMinutes >= 1320 || ClockMinutes <= 230) DayPhase = 0;
    if (ClockMinutes >= 1010 && ClockMinutes <= 1320) DayPhase = 1;
    if (ClockMinutes >= 230 && ClockMinutes <= 540) DayPhase = 2;
    if (now - DaylightTickTime >= 1600) {
        int level = DaylightLevel;
        if (DayPhase == 1) level -= 1;
        if (DayPhase == 2) level += 1;
        if (level < 50) level = 50;
        if (level > 255) level = 255;
        DaylightLevel = (uint8_t)level;
        DaylightTickTime = now;
    }
}

void DrawClock() {
    SetFont(FontChancery25);
    int m = ClockMinutes - ClockHour * 60;
    Str text = IntToString(ClockHour) + (m >= 10 ? u" : " : u" : 0") + IntToString(m);
    DrawString(text, 0, 100);
    DrawString(u"Uhr", 90, 100);
}
