// The notebook's pages, drawn onto a surface at the back buffer's
// coordinates: the whole page, or its contents over the empty page picture
// with the label font selected and the ink colour set.
#pragma once

#include "model/ExperimentState.h"
#include "notebook/NotebookFonts.h"

namespace Notebook {
// The whole page `label` ("-2-") onto `dc`, at its place in the back
// buffer's coordinates: the empty page, its label, then what it shows. The
// fonts are created and released here; the ink colour and the transparent
// background stay set on `dc`.
void DrawPage(CDC& dc, const ExperimentState& s, const CString& label);
void DrawCover(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
void DrawMeasurements(CDC& dc, const ExperimentState& s, NotebookFonts& fonts, int page);
void DrawGraph(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
// The graph page's equation as it is written there, "T(ºC) = 0.041 P  -261";
// empty while the rows have no spread to fit.
CString FittedEquation(const ExperimentState& s);
} // namespace Notebook
