// The warning dialog: a stop sign beside a message that explains why a step
// of the procedure is wrong or risky.
#pragma once

#include "platform/Framework.h"

class CWarningDlg : public CDialog {
  public:
    enum { IDD = 170 };
    explicit CWarningDlg(CWnd* pParent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strMessage;
};
