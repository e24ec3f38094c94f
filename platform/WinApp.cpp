#include "platform/WinApp.h"

#include "platform/ApplicationResources.h"
#include "platform/Backend.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CString AfxGetAppName()
{
    if (g_app && g_app->m_pszAppName)
        return g_app->m_pszAppName;
    return GetApplicationResources().name;
}

void AfxNoteUnsavedWork(BOOL unsaved)
{
    if (IBackend* backend = GetBackend())
        backend->NoteUnsavedWork(unsaved != FALSE);
}

int AfxWinMain()
{
    if (!g_app)
        return 1;
    g_app->InitInstance();
    return 0;
}
