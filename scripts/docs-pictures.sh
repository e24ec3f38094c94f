#!/usr/bin/env bash
# Writes the README's pictures of the running program from the tests that
# draw them: the graph page and the side gauge from the headless whole
# practical, the main window from the offscreen Qt start-up test, the focus
# ring and the step buttons from the offscreen keyboard test, a printed
# sheet from the offscreen print to PDF. (The
# bench's artwork pictures come from `make artwork`.) Then the operating
# guide's pictures, docs/guia/guia-*.png, from the same tests and the
# dialogs drawn for a look.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
(cd "$build/tests" &&
  ./scenarios_tests --gtest_filter='PracticalTest.TheGraphEstimatesAbsoluteZeroWhereTheApparatusPutsIt' >/dev/null)
(cd "$build/tests/e2e" && QT_QPA_PLATFORM=offscreen \
  ./e2e_tests --gtest_filter='StartupTest.ProgramShowsTitleThenMainWindowAsTemplated:KeyboardPracticalTest.QtsTabOrder*:CaptionsTest.EveryDialogDrawnForALook:NotebookOutputTest.EachPagePrintsOnASheetOfItsOwnAsItsPicture:ProcedureTest.ProcedureByRealClicksDragsAndTypedLevels' >/dev/null)
squeeze() { python3 "$root/scripts/recompress-png.py" "$1" "$root/docs/$2"; echo "docs/$2"; }
squeeze "$build/tests/artefacts/practical-graph.png" bench-graph-page.png
squeeze "$build/tests/artefacts/practical-gauge.png" bench-side-gauge.png
squeeze "$build/tests/e2e/artefacts/main-window.png" main-window.png
squeeze "$build/tests/e2e/artefacts/keyboard-focus.png" keyboard-focus.png
# The second sheet the offscreen print wrote to PDF, read back at 45 dpi.
pdftoppm -r 45 -f 2 -l 2 -png -singlefile "$build/tests/e2e/artefacts/printed-notebook.pdf" \
  "$build/tests/e2e/artefacts/printed-page"
squeeze "$build/tests/e2e/artefacts/printed-page.png" printed-page.png

# The guide's pictures: what each shows is named in docs/guia/tervan-guia.html.
e2e=$build/tests/e2e/artefacts
squeeze "$e2e/main-window.png" guia/guia-inici.png
squeeze "$e2e/dialog-level.png" guia/guia-nivell.png
squeeze "$e2e/e2e-procedure.png" guia/guia-quadern.png
squeeze "$build/tests/artefacts/practical-gauge.png" guia/guia-banc.png
squeeze "$build/tests/artefacts/practical-graph.png" guia/guia-grafica.png
squeeze "$e2e/keyboard-focus.png" guia/guia-teclat.png
squeeze "$e2e/dialog-keep-work.png" guia/guia-pregunta.png
# The ruler and both branches from the practical by real clicks, twice as big.
python3 "$root/scripts/crop-png.py" "$e2e/e2e-procedure.png" "$root/docs/guia/guia-regle.png" \
  255 215 150 160 2
echo docs/guia/guia-regle.png
