#include "view/DrawBitmap.h"

void DrawBitmap(CDC* pDC, int x, int y, int cx, int cy, UINT id)
{
    CBitmap bitmap;
    bitmap.LoadBitmap(id);
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap* previous = memory.SelectObject(&bitmap);
    pDC->BitBlt(x, y, cx, cy, &memory, 0, 0, SRCCOPY);
    if (previous)
        memory.SelectObject(previous);
    memory.DeleteDC();
    bitmap.DeleteObject();
}
