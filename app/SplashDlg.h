// The title dialog shown once at start-up: the title picture and "Entra".
#pragma once

#include "platform/Framework.h"
#include "res/ResourceIds.h"

class CSplashDlg : public CDialog {
  public:
    enum { IDD = IDD_SPLASH };
    explicit CSplashDlg(CWnd* pParent = nullptr);
};
