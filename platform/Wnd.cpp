#include "platform/Wnd.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Surface.h"
#include "platform/WinApp.h"

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd* item = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate)
        item->GetWindowText(value);
    else
        item->SetWindowText(value);
}

BOOL CMenu::AppendMenu(UINT flags, UINT id, const char* text)
{
    IBackend* backend = GetBackend();
    if (!backend || !m_pOwner)
        return FALSE;
    backend->AppendSystemMenu(*m_pOwner, flags, id, text ? text : "");
    return TRUE;
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

CWnd::~CWnd()
{
    if (m_bCreated && !m_pParent)
        if (IBackend* backend = GetBackend())
            backend->WindowDestroyed(*this);
}

namespace {
bool Matches(const MessageMapEntry& e, const MSG& msg)
{
    if (e.message != msg.message)
        return false;
    if (msg.message != WM_COMMAND)
        return true;
    return e.id == static_cast<int>(LOWORD(msg.wParam)) && e.code == HIWORD(msg.wParam);
}
} // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = m_currentMsg;
    m_currentMsg = MSG{message, wParam, lParam};
    bool handled = false;
    for (const MessageMap* map = GetMessageMap(); map && !handled; map = map->base) {
        for (const MessageMapEntry* e = map->entries; e->message != 0; ++e) {
            if (Matches(*e, m_currentMsg)) {
                e->handler(this, m_currentMsg);
                handled = true;
                break;
            }
        }
    }
    if (!handled)
        DefWindowProc(m_currentMsg);
    m_currentMsg = saved;
    return 0;
}

void CWnd::DefWindowProc(const MSG&) {}

LRESULT CWnd::Default()
{
    DefWindowProc(m_currentMsg);
    return 0;
}

CWnd* CWnd::GetDlgItem(int id)
{
    std::unique_ptr<CWnd>& item = m_controls[id];
    if (!item) {
        item = std::make_unique<CWnd>();
        item->m_pParent = this;
        item->m_nID = id;
    }
    return item.get();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    IBackend* backend = GetBackend();
    CWnd* top = TopLevel();
    if (!backend || !m_pParent || !top->m_bCreated)
        return FALSE;
    const bool wasDisabled = !backend->IsControlEnabled(*top, m_nID);
    backend->EnableControl(*top, m_nID, enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled()
{
    IBackend* backend = GetBackend();
    CWnd* top = TopLevel();
    if (!backend || !m_pParent || !top->m_bCreated)
        return FALSE;
    return backend->IsControlEnabled(*top, m_nID);
}

void CWnd::SetWindowText(const char* text)
{
    IBackend* backend = GetBackend();
    CWnd* top = TopLevel();
    if (backend && m_pParent && top->m_bCreated)
        backend->SetControlText(*top, m_nID, text ? text : "");
}

void CWnd::GetWindowText(CString& text)
{
    IBackend* backend = GetBackend();
    CWnd* top = TopLevel();
    if (backend && m_pParent && top->m_bCreated)
        text = backend->GetControlText(*top, m_nID);
    else
        text.Empty();
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    IBackend* backend = GetBackend();
    if (!backend)
        return IDOK;
    const CString title = caption ? CString(caption) : CString(AfxGetAppName());
    return backend->MessageBox(TopLevel(), text ? text : "", title, type);
}

UINT CWnd::SetTimer(UINT id, UINT elapseMs, void*)
{
    IBackend* backend = GetBackend();
    if (!backend || !m_bCreated)
        return 0;
    backend->SetTimer(*this, id, elapseMs);
    return id;
}

BOOL CWnd::KillTimer(UINT id)
{
    IBackend* backend = GetBackend();
    if (!backend || !m_bCreated)
        return FALSE;
    backend->KillTimer(*this, id);
    return TRUE;
}

CWnd* CWnd::SetCapture()
{
    if (IBackend* backend = GetBackend(); backend && m_bCreated)
        backend->SetCapture(*this);
    return nullptr;
}

BOOL ReleaseCapture()
{
    if (IBackend* backend = GetBackend())
        backend->ReleaseCapture();
    return TRUE;
}

BOOL CWnd::IsIconic()
{
    IBackend* backend = GetBackend();
    return backend && m_bCreated && backend->IsIconic(*this);
}

void CWnd::GetClientRect(CRect* rect)
{
    *rect = CRect();
    IBackend* backend = GetBackend();
    if (!backend || !m_bCreated)
        return;
    if (const Surface* client = backend->ClientSurface(*this))
        *rect = CRect(0, 0, client->width, client->height);
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    if (IBackend* backend = GetBackend(); backend && m_bCreated)
        backend->SetIcon(*this, icon, big != FALSE);
    return 0;
}

CMenu* CWnd::GetSystemMenu(BOOL)
{
    if (!GetBackend() || !m_bCreated)
        return nullptr;
    m_systemMenu.m_pOwner = this;
    return &m_systemMenu;
}

// --- Client parts, focus, announcements -------------------------------------------

void CWnd::SetClientPart(const ClientPart& part)
{
    CWnd* top = TopLevel();
    auto it = std::find_if(top->m_parts.begin(), top->m_parts.end(),
                           [&](const ClientPart& p) { return p.id == part.id; });
    if (it != top->m_parts.end()) {
        if (SameClientPart(*it, part))
            return;
        *it = part;
    } else {
        top->m_parts.push_back(part);
    }
    if (IBackend* backend = GetBackend(); backend && top->m_bCreated)
        backend->ClientPartsChanged(*top);
}

void CWnd::RemoveClientPart(int id)
{
    CWnd* top = TopLevel();
    auto it = std::find_if(top->m_parts.begin(), top->m_parts.end(),
                           [&](const ClientPart& p) { return p.id == id; });
    if (it == top->m_parts.end())
        return;
    top->m_parts.erase(it);
    if (IBackend* backend = GetBackend(); backend && top->m_bCreated)
        backend->ClientPartsChanged(*top);
}

const ClientPart* CWnd::FindClientPart(int id) const
{
    for (const ClientPart& p : m_parts)
        if (p.id == id)
            return &p;
    return nullptr;
}

int CWnd::GetFocusedPart()
{
    IBackend* backend = GetBackend();
    CWnd* top = TopLevel();
    return backend && top->m_bCreated ? backend->FocusedPart(*top) : 0;
}

void CWnd::Announce(const char* text)
{
    if (IBackend* backend = GetBackend(); backend && TopLevel()->m_bCreated)
        backend->Announce(*TopLevel(), text ? text : "");
}

void CWnd::SetAccessibleName(int id, const char* name)
{
    m_accessibleNames[id] = name ? name : "";
}

std::string CWnd::AccessibleName(int id) const
{
    auto it = m_accessibleNames.find(id);
    return it == m_accessibleNames.end() ? std::string() : it->second;
}

short GetKeyState(int nVirtKey)
{
    IBackend* backend = GetBackend();
    return backend && backend->IsKeyDown(static_cast<UINT>(nVirtKey)) ? short(-128) : short(0);
}
