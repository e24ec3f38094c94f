// The contents of the notebook's pages, drawn into the back buffer over the
// empty page picture with the label font selected and the ink colour set.
#pragma once

#include "model/ExperimentState.h"
#include "notebook/NotebookFonts.h"

namespace Notebook {
void DrawCover(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);
void DrawMeasurements(CDC& dc, const ExperimentState& s, NotebookFonts& fonts, int page);
void DrawGraph(CDC& dc, const ExperimentState& s, NotebookFonts& fonts);

// The absolute pressure of each noted row, mmHg: the atmosphere plus the
// mercury column between the row's level and the initial one.
void RowPressures(const ExperimentState& s, double pressures[ExperimentState::kMaxRows]);
} // namespace Notebook
