// The game clock and the daylight it sets.
//
// Lifetime: per run. The clock advances only while no window is open.
#pragma once

#include <cstdint>

extern uint16_t ClockMinutes; // minutes since midnight
extern uint8_t ClockHour;
extern uint16_t GameDay;
// 0 night or day (no change), 1 dusk (darkening), 2 dawn (brightening).
extern uint8_t DayPhase;
// 50 (night) to 255 (day): the tint of the home map.
extern uint8_t DaylightLevel;
extern int32_t ClockTickTime;
extern int32_t DaylightTickTime;

// The tint of the map and its figures for the time of day: the daylight on
// the home map, none elsewhere.
void SetDaylightTint();
// 16:00 of day 1 in full daylight, the ticks starting now.
void ResetClockState();
