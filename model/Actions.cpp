// The procedure buttons: note the initial values, close the bottle, note the
// initial level, submerge the bottle, note a row.
#include "app/TervanDlg.h"

void CTervanDlg::OnAnotaValorsInicials() {}
void CTervanDlg::OnTancaBotella() {}
void CTervanDlg::OnAnotaNivellInicial() {}
void CTervanDlg::OnSubmergirBotella() {}
void CTervanDlg::OnAnotacio() {}
