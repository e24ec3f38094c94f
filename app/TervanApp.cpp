#include "app/TervanApp.h"

#include "app/SplashDlg.h"
#include "app/TervanDlg.h"
#include "res/Resources.h"

CTervanApp theApp;

CTervanApp::CTervanApp()
{
    // Everything the framework looks up (templates, strings, faces,
    // pictures) is the program's own from here on.
    SetApplicationResources(&TervanResources());
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
