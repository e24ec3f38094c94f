#include "notebook/NotebookFonts.h"

namespace {
void CreateItalic(CFont& font, int height, int width, int weight, const char* face)
{
    font.CreateFont(height, width, 0, 0, weight, TRUE, FALSE, FALSE, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, face);
}
} // namespace

NotebookFonts::NotebookFonts()
{
    CreateItalic(label, 10, 5, FW_DONTCARE, "Comic Sans Serif");
    CreateItalic(table, 17, 8, FW_DONTCARE, "Comic Sans MS");
    CreateItalic(title, 22, 7, FW_BOLD, "Bookman Old Style");
    CreateItalic(graph, 11, 6, FW_DONTCARE, "Comic Sans Serif");
}

NotebookFonts::~NotebookFonts()
{
    label.DeleteObject();
    table.DeleteObject();
    title.DeleteObject();
    graph.DeleteObject();
}
