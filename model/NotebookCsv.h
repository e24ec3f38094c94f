// The notebook's rows as a table that the spreadsheets schools use open as
// numbers with a Catalan locale: UTF-8 with a byte-order mark, a header row,
// fields parted by semicolons, decimal commas, lines ended by CR LF. Below
// the rows, once there are two with a spread to fit, a blank line and the
// fitted line's slope and intercept, as the graph page computes them.
#pragma once

#include <string>

#include "model/ExperimentState.h"

// The table's own words, which the program keeps with its other texts.
struct NotebookCsvTexts {
    std::string header;    // the whole header row, fields already parted
    std::string slope;     // the slope's label
    std::string intercept; // the intercept's label
};

// One row a line: its number from 1, the water temperature in degrees to
// one decimal as the notebook writes it, the level in centimetres as noted,
// and the absolute pressure in mmHg the graph page plots, to two decimals.
// The slope goes to six decimals and the intercept to three.
std::string NotebookCsv(const ExperimentState& s, const NotebookCsvTexts& texts);

// `value` with `decimals` decimals after a comma: 23.45 -> "23,5" for one.
std::string WithDecimalComma(double value, int decimals);

// The file name a practical's work is offered under: "tervan-2026-12-08"
// and the extension given (".csv").
std::string PracticalFileName(int year, int month, int day, const char* extension);
