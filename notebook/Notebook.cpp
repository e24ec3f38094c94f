// The lab notebook drawn over the right part of the bench.
#include "app/TervanDlg.h"

void CTervanDlg::DrawNotebook()
{
    SelectBackBuffer("error 1001");
    CopyBackBufferToWindow();
}
