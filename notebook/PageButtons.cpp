// The notebook's page buttons "1", "<" and ">".
#include "app/TervanDlg.h"

void CTervanDlg::OnPageFirst() {}
void CTervanDlg::OnPagePrev() {}
void CTervanDlg::OnPageNext() {}
