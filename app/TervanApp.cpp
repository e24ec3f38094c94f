#include "app/TervanApp.h"

#include "app/SplashDlg.h"
#include "app/TervanDlg.h"

namespace {
struct AppCommand {
    UINT id;
    void (CWinApp::*handler)();
};

// Help is the framework's own.
const AppCommand kCommands[] = {
    {ID_HELP, &CWinApp::OnHelp},
};
} // namespace

CTervanApp theApp;

CTervanApp::CTervanApp() = default;

BOOL CTervanApp::OnCmdMsg(UINT nID)
{
    for (const AppCommand& command : kCommands) {
        if (command.id == nID) {
            (this->*command.handler)();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CTervanApp::InitInstance()
{
    // However the title dialog is closed, the bench comes next.
    CSplashDlg splash;
    splash.DoModal();

    CTervanDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // No message loop of the application's own: returning FALSE ends it.
    return FALSE;
}
