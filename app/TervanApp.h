// The application object: shows the title dialog, then runs the lab bench
// as a modal dialog; when the bench closes, the program ends.
#pragma once

#include "platform/Framework.h"

class CTervanApp : public CWinApp {
  public:
    CTervanApp();
    BOOL InitInstance() override;

    // The application's command table: commands it handles itself rather
    // than leaving them to the windows. Returns FALSE for a command it lacks.
    BOOL OnCmdMsg(UINT nID);
};

extern CTervanApp theApp;
