// The contents of the notebook's pages, drawn into the back buffer over the
// empty page picture with the label font selected and the ink colour set.
#pragma once

#include "model/ExperimentState.h"
#include "notebook/NotebookFonts.h"

namespace Notebook {
void DrawCover(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
void DrawMeasurements(CDC& dc, const ExperimentState& s, NotebookFonts& fonts, int page);
void DrawGraph(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
// The graph page's equation as it is written there, "T(ºC) = 0.041 P  -261";
// empty while the rows have no spread to fit.
CString FittedEquation(const ExperimentState& s);
} // namespace Notebook
