// The clock globals and the daylight tint.
#include "data/clock_state.h"

#include "data/map_state.h"
#include "media/clock.h"
#include "media/draw.h"

uint16_t ClockMinutes;
uint8_t ClockHour;
uint16_t GameDay;
uint8_t DayPhase;
uint8_t DaylightLevel;
int32_t ClockTickTime;
int32_t DaylightTickTime;

void SetDaylightTint() {
    if (CurrentMapName == u"TestMap")
        SetColor(DaylightLevel, DaylightLevel, DaylightLevel);
    else
        SetColor(255, 255, 255);
}

void ResetClockState() {
    ClockMinutes = 960;
    ClockHour = (uint8_t)(ClockMinutes / 60);
    GameDay = 1;
    DayPhase = 0;
    DaylightLevel = 255;
    ClockTickTime = Millis();
    DaylightTickTime = Millis();
}
