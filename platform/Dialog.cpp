#include "platform/Dialog.h"

#include "platform/Backend.h"
#include "platform/WinApp.h"

const MessageMap* CDialog::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {CWnd::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}

INT_PTR CDialog::DoModal()
{
    IBackend* backend = GetBackend();
    if (!backend)
        return IDCANCEL;
    return backend->RunModal(*this);
}

void CDialog::EndDialog(int result)
{
    if (IBackend* backend = GetBackend())
        backend->EndModal(*this, result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

CWnd* CDialog::GetOwner() const
{
    if (m_pParentWnd)
        return m_pParentWnd;
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    return main == this ? nullptr : main;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DefWindowProc(const MSG& msg)
{
    if (msg.message == WM_COMMAND) {
        const int id = static_cast<int>(LOWORD(msg.wParam));
        if (id == IDOK)
            OnOK();
        else if (id == IDCANCEL)
            OnCancel();
    } else if (msg.message == WM_CLOSE ||
               (msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_CLOSE)) {
        OnCancel();
    }
}
