// The question before a practical with noted rows ends: save the rows
// first, end without them, or stay. Staying is the default, and Escape's.
#pragma once

#include "platform/Framework.h"
#include "res/ResourceIds.h"

class CKeepWorkDlg : public CDialog {
  public:
    enum { IDD = IDD_KEEP_WORK };
    explicit CKeepWorkDlg(CWnd* pParent = nullptr);

    // Each answer ends the dialog with its button's ID: IDC_KEEP_SAVE,
    // IDC_KEEP_DISCARD, or IDCANCEL to stay.
    void OnKeepSave();
    void OnKeepDiscard();

    DECLARE_MESSAGE_MAP()
};
