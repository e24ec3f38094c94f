// The random start values of a run, as pure functions of single draws
// (r in 0..32767, scaled as r / 32767).
#pragma once

// Throws away a run of draws so that runs started close together in time
// drift apart: ten draws, then, if the tenth says so, one to ten more.
// Returns how many draws it took.
int DiscardDraws();

// Top of the right branch: 80..159 about equally often, 160 only for 32767.
int TubeYFromDraw(int r);

// Room temperature of calendar month 1..12, 0 to 2 degrees above the month's
// lowest (January 17.13, July 27.96).
double RoomTempFor(int month, int r);

// Atmospheric pressure, 750 to 770 mmHg.
double AtmPressureFromDraw(int r);

// Number at the top of the ruler, 50..62 (62 only for 32767).
int RulerTopFromDraw(int r);
