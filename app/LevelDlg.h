// The level dialog: the student types the mercury level read on the ruler.
#pragma once

#include "platform/Framework.h"
#include "res/ResourceIds.h"

class CLevelDlg : public CDialog {
  public:
    enum { IDD = IDD_LEVEL };
    explicit CLevelDlg(CWnd* pParent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strLevel;
};
