#include "view/DrawBitmap.h"

void DrawBitmap(CDC* pDC, int x, int y, int cx, int cy, UINT id)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(id))
        return;
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    // Without the picture selected, the memory DC would still hold its
    // stock one-pixel bitmap, and the copy would paint that pixel.
    if (CBitmap* previous = memory.SelectObject(&bitmap)) {
        pDC->BitBlt(x, y, cx, cy, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }
    memory.DeleteDC();
    bitmap.DeleteObject();
}
