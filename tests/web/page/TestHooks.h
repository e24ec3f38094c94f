// The test page's hooks (built only into the test page; the shipped page has
// none and reads nothing from its address): a date and a clock scale
// from the address, a journal of every message the windows receive (from
// which the headless build replays the same run), a count of each timer's
// ticks, snapshots of the canvas at checkpoints, and the top window's
// controls for the tests to find.
#pragma once

class WebBackend;

void InstallTestHooks(WebBackend& backend);
