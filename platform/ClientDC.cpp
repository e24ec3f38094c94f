#include "platform/ClientDC.h"

#include "platform/Backend.h"
#include "platform/Wnd.h"

CClientDC::CClientDC(CWnd* wnd) : m_pWnd(wnd)
{
    IBackend* backend = GetBackend();
    if (backend && m_pWnd && m_pWnd->IsWindow())
        AttachSurface(backend->ClientSurface(*m_pWnd));
}

CClientDC::~CClientDC()
{
    IBackend* backend = GetBackend();
    if (backend && m_pWnd && m_pWnd->IsWindow() && GetSurface())
        backend->ClientUpdated(*m_pWnd);
    DetachSurface();
}
