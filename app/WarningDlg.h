// The warning dialog: a stop sign beside a message that explains why a step
// of the procedure is wrong or risky.
#pragma once

#include "platform/Framework.h"
#include "res/ResourceIds.h"

class CWarningDlg : public CDialog {
  public:
    enum { IDD = IDD_WARNING };
    explicit CWarningDlg(CWnd* pParent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strMessage;
};
