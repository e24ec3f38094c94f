#include "app/SplashDlg.h"

CSplashDlg::CSplashDlg(CWnd* pParent) : CDialog(IDD, pParent) {}
