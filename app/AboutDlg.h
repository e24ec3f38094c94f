// The About box: what the program is for, where its operating guide is, and
// who made it.
#pragma once

#include "platform/Framework.h"

class CAboutDlg : public CDialog {
  public:
    enum { IDD = 100 };
    explicit CAboutDlg(CWnd* pParent = nullptr);
};
