// The level dialog: the student types the mercury level read on the ruler.
#pragma once

#include "platform/Framework.h"

class CLevelDlg : public CDialog {
  public:
    enum { IDD = 173 };
    explicit CLevelDlg(CWnd* pParent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strLevel;
};
