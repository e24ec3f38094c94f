// The four italic fonts of a notebook page, created at the start of every
// drawing of the page and released at its end.
#pragma once

#include "platform/Framework.h"

struct NotebookFonts {
    NotebookFonts();
    ~NotebookFonts();
    NotebookFonts(const NotebookFonts&) = delete;
    NotebookFonts& operator=(const NotebookFonts&) = delete;

    CFont label; // page label and cover date
    CFont table; // measurement table, "Pràctica" and the cover's blocks
    CFont title; // the practical's title
    CFont graph; // the graph's titles and equation
};

namespace Notebook {
constexpr COLORREF kInk = RGB(51, 0, 153);
constexpr COLORREF kTitle = RGB(153, 51, 0);
constexpr COLORREF kChartPen = RGB(0, 0, 100);
constexpr COLORREF kPoint = RGB(200, 0, 55);
constexpr COLORREF kLinePen = RGB(0, 0, 128);
} // namespace Notebook
