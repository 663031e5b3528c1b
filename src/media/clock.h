// The millisecond clock and the random generator.
#pragma once

#include <cstdint>

int32_t Millis();
void Delay(int ms);
// Headless: sets the virtual clock.
void SetVirtualMillis(int64_t ms);
// A seed that differs between runs of the program (wall clock and process
// id); headless, the virtual clock, so that runs repeat.
int64_t FreshSeed();

void SeedRandom(int64_t seed);
double RandomUnit();
int RandomRange(int a, int b);
int32_t RandomState();
