// The title dialog shown once at start-up: the title picture and "Entra".
#pragma once

#include "platform/Framework.h"

class CSplashDlg : public CDialog {
  public:
    enum { IDD = 168 };
    explicit CSplashDlg(CWnd* pParent = nullptr);
};
