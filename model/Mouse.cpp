// The mouse on the bench: the valve and the right branch of the manometer.
#include "app/TervanDlg.h"

void CTervanDlg::OnLButtonDown(UINT, CPoint) {}
void CTervanDlg::OnMouseMove(UINT, CPoint) {}
void CTervanDlg::OnLButtonUp(UINT, CPoint) {}
