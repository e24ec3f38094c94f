// The contents of the notebook's pages, drawn into the back buffer over the
// empty page picture with the label font selected and the ink colour set.
#pragma once

#include "model/ExperimentState.h"
#include "notebook/NotebookFonts.h"

namespace Notebook {
void DrawCover(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
void DrawMeasurements(CDC& dc, const ExperimentState& s, NotebookFonts& fonts, int page);
void DrawGraph(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
} // namespace Notebook
