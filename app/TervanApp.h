// The application object: shows the title dialog, then runs the lab bench
// as a modal dialog; when the bench closes, the program ends.
#pragma once

#include "platform/Framework.h"

class CTervanApp : public CWinApp {
  public:
    CTervanApp();
    BOOL InitInstance() override;
};

extern CTervanApp theApp;
