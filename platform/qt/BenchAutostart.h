// For the window benchmark only (scripts/bench-window.sh): with the
// environment variable TERVAN_BENCH_AUTOSTART set, the title dialog is entered
// at once, the time from its closing to the main window's first painted bench
// is printed, and the first two steps of the procedure are clicked so that
// the bottle is closed and the gas timer runs. Nothing of this reaches the
// program's own code.
#pragma once

class QtBackend;

// Installs the hooks when the variable is set; does nothing otherwise.
void InstallBenchAutostart(QtBackend& backend);
