#!/usr/bin/env bash
# Writes the README's pictures of the running program from the tests that
# draw them: the graph page and the side gauge from the headless whole
# practical, the main window from the offscreen Qt start-up test, the focus
# ring and the step buttons from the offscreen keyboard test. (The
# bench's artwork pictures come from `make artwork`.)
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
(cd "$build/tests" &&
  ./scenarios_tests --gtest_filter='PracticalTest.TheGraphEstimatesAbsoluteZeroWhereTheApparatusPutsIt' >/dev/null)
(cd "$build/tests/e2e" && QT_QPA_PLATFORM=offscreen \
  ./e2e_tests --gtest_filter='StartupTest.ProgramShowsTitleThenMainWindowAsTemplated:KeyboardPracticalTest.QtsTabOrder*' >/dev/null)
squeeze() { python3 "$root/scripts/recompress-png.py" "$1" "$root/docs/$2"; echo "docs/$2"; }
squeeze "$build/tests/artefacts/practical-graph.png" bench-graph-page.png
squeeze "$build/tests/artefacts/practical-gauge.png" bench-side-gauge.png
squeeze "$build/tests/e2e/artefacts/main-window.png" main-window.png
squeeze "$build/tests/e2e/artefacts/keyboard-focus.png" keyboard-focus.png
