// The application object: one global instance whose InitInstance runs the
// program's dialogs.
#pragma once

#include "platform/Wnd.h"

class CWinApp {
  public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();

    // The icon resource `id`.
    HICON LoadIcon(UINT id) const { return static_cast<HICON>(id); }

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName;
};

CWinApp* AfxGetApp();
// The application's name: the one given to CWinApp, else the one in the
// application's resources.
CString AfxGetAppName();
// The program now holds work that ends with it, or no longer does.
void AfxNoteUnsavedWork(BOOL unsaved);
// Runs the application object: InitInstance, and the program ends after it.
int AfxWinMain();
