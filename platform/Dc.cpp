#include "platform/Dc.h"

#include "platform/Faults.h"
#include "platform/TextRenderer.h"

CDC::CDC()
{
    ResetState();
}

CDC::~CDC()
{
    LetGoOfBitmap();
}

void CDC::ResetState()
{
    m_pBitmap = CBitmap::Stock();
    m_stockSurface.Reset(1, 1);
    m_pPen = CPen::Stock();
    m_pen = m_pPen->GetAttributes();
    m_pFont = CFont::Stock();
    m_font = m_pFont->GetRequest();
    m_current = CPoint();
    m_dotPhase = 0;
    m_bkMode = OPAQUE;
    m_bkColor = RGB(255, 255, 255);
    m_textColor = RGB(0, 0, 0);
    m_textAlign = TA_LEFT | TA_TOP;
}

void CDC::LetGoOfBitmap()
{
    if (m_pBitmap && !m_pBitmap->IsStock())
        m_pBitmap->m_pDC = nullptr;
    m_pBitmap = CBitmap::Stock();
}

void CDC::BitmapGone(const CBitmap* bitmap)
{
    if (m_pBitmap == bitmap)
        m_pBitmap = CBitmap::Stock();
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (DrawsSomewhere())
        return FALSE;
    ResetState();
    m_bMemory = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_bMemory)
        return FALSE;
    LetGoOfBitmap();
    m_bMemory = false;
    ResetState();
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (Faults::ShouldFail(GdiOp::SelectBitmap) || !m_bMemory ||
        !CGdiObject::IsLive(bitmap, GdiKind::Bitmap) || !bitmap->IsCreated())
        return nullptr;
    // On the classic platform a bitmap lives in one DC at a time.
    if (!bitmap->IsStock() && bitmap->m_pDC && bitmap->m_pDC != this)
        return nullptr;
    CBitmap* previous = m_pBitmap;
    if (previous == bitmap)
        return previous;
    LetGoOfBitmap();
    m_pBitmap = bitmap;
    if (!bitmap->IsStock())
        bitmap->m_pDC = this;
    return previous;
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (Faults::ShouldFail(GdiOp::SelectPen) || !DrawsSomewhere() ||
        !CGdiObject::IsLive(pen, GdiKind::Pen) || !pen->IsCreated())
        return nullptr;
    CPen* previous = m_pPen;
    m_pPen = pen;
    m_pen = pen->GetAttributes();
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    if (Faults::ShouldFail(GdiOp::SelectFont) || !DrawsSomewhere() ||
        !CGdiObject::IsLive(font, GdiKind::Font) || !font->IsCreated())
        return nullptr;
    CFont* previous = m_pFont;
    m_pFont = font;
    m_font = font->GetRequest();
    return previous;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    if (Surface* surface = GetSurface())
        surface->FillRect(x, y, cx, cy, PixelFromColor(color));
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height(), color);
}

BOOL CDC::BitBlt(int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop)
{
    Surface* target = GetSurface();
    const Surface* source = pSrcDC ? pSrcDC->GetSurface() : nullptr;
    if (rop != SRCCOPY || !target || !source)
        return FALSE;
    target->CopyFrom(x, y, cx, cy, *source, xSrc, ySrc);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint previous = m_current;
    m_current = CPoint(x, y);
    m_dotPhase = 0;
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    Surface* surface = GetSurface();
    if (!surface)
        return FALSE;
    const Pixel color = PixelFromColor(m_pen.color);
    if (m_pen.width > 1) {
        surface->DrawWideLine(m_current.x, m_current.y, x, y, m_pen.width, color);
    } else if (m_pen.style == PS_DOT) {
        const Pixel gap = PixelFromColor(m_bkColor);
        m_dotPhase = surface->DrawDottedLine(m_current.x, m_current.y, x, y, color,
                                             m_bkMode == OPAQUE ? &gap : nullptr, m_dotPhase);
    } else {
        surface->DrawLine(m_current.x, m_current.y, x, y, color);
    }
    m_current = CPoint(x, y);
    return TRUE;
}

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    const int previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF previous = m_bkColor;
    m_bkColor = color;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_textColor;
    m_textColor = color;
    return previous;
}

UINT CDC::SetTextAlign(UINT align)
{
    const UINT previous = m_textAlign;
    m_textAlign = align;
    return previous;
}

BOOL CDC::TextOut(int x, int y, const char* text, int len)
{
    Surface* surface = GetSurface();
    if (!surface || len < 0 || (!text && len > 0))
        return FALSE;
    TextStyle style;
    style.color = PixelFromColor(m_textColor);
    style.opaque = m_bkMode == OPAQUE;
    style.background = PixelFromColor(m_bkColor);
    style.align = m_textAlign;
    const std::string_view utf8(text ? text : "", static_cast<std::size_t>(len));
    return TextRenderer::DrawText(*surface, m_font, x, y, utf8, style) ? TRUE : FALSE;
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.GetString(), text.GetLength());
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const Surface* surface = GetSurface();
    if (!surface || !surface->Contains(x, y))
        return CLR_INVALID;
    return ColorFromPixel(surface->At(x, y));
}

Surface* CDC::GetSurface()
{
    if (m_pAttached)
        return m_pAttached;
    if (!m_bMemory)
        return nullptr;
    return m_pBitmap->IsStock() ? &m_stockSurface : m_pBitmap->GetSurface();
}

const Surface* CDC::GetSurface() const
{
    return const_cast<CDC*>(this)->GetSurface();
}

void CDC::AttachSurface(Surface* surface)
{
    if (m_bMemory)
        DeleteDC();
    ResetState();
    m_pAttached = surface;
}

void CDC::DetachSurface()
{
    if (m_pAttached)
        ResetState();
    m_pAttached = nullptr;
}
