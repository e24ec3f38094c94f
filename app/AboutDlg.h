// The About box: what the program is for, where its operating guide is, and
// who made it.
#pragma once

#include "platform/Framework.h"
#include "res/ResourceIds.h"

class CAboutDlg : public CDialog {
  public:
    enum { IDD = IDD_ABOUTBOX };
    explicit CAboutDlg(CWnd* pParent = nullptr);
};
