// A drawing surface on a window's client area: what is drawn on it goes
// straight to the window's pixels and is shown when the DC is released.
#pragma once

#include "platform/Dc.h"

class CWnd;

class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

  private:
    CWnd* m_pWnd;
};
