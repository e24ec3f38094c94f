// Copies a bitmap resource opaquely into a drawing surface.
#pragma once

#include "platform/Framework.h"

// Copies the top-left cx x cy pixels of bitmap resource `id` into `pDC` at
// (x, y). Reports nothing: a missing resource simply draws nothing.
void DrawBitmap(CDC* pDC, int x, int y, int cx, int cy, UINT id);
