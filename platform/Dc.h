// A drawing surface with its selected objects and drawing state: a memory DC
// drawing on the bitmap selected into it, or a DC attached to a window's
// client pixels. Coordinates are pixels, x right, y down; everything is
// clipped to the surface silently.
#pragma once

#include "platform/CString.h"
#include "platform/Gdi.h"
#include "platform/Surface.h"
#include "platform/Types.h"

// What GetPixel gives for a point off the surface or a DC with none.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

class CDC {
  public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this a memory DC with the stock bitmap, pen and font selected and
    // the default state. `pDC` may be null: every DC here is 32-bit RGB.
    // Fails when this DC already draws somewhere.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Lets go of the selected bitmap and forgets the state. FALSE when this is
    // not a memory DC.
    BOOL DeleteDC();

    // Each returns the object selected before, or null (leaving the selection
    // as it was) for a null pointer, an object never created, released or
    // destroyed, a DC that draws nowhere, or an injected failure. Bitmaps go
    // only into memory DCs, and into one DC at a time. The DC keeps a copy of
    // a pen's or font's attributes, so they may be destroyed while selected;
    // a selected bitmap that is destroyed or released leaves the DC with its
    // stock bitmap.
    CBitmap* SelectObject(CBitmap* bitmap);
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);

    // Fills x..x+cx-1, y..y+cy-1; a CRect leaves out its right column and
    // bottom row.
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillSolidRect(const CRect& rect, COLORREF color);

    // Copies a cx x cy block opaquely from (xSrc, ySrc) of pSrcDC; only
    // SRCCOPY is known. Pixels whose source or destination is off its surface
    // are left alone.
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc, int ySrc, DWORD rop);

    // Moves the current point, returning the previous one; a dotted pen
    // starts its pattern afresh here.
    CPoint MoveTo(int x, int y);
    // Draws from the current point to (x, y) with the selected pen and moves
    // the current point there. A 1-px line leaves out its end point. A wider
    // one, w pixels, has round ends reaching w / 2 beyond each end point and
    // covers exactly w pixels across: a line along a row or column at c
    // paints c - w / 2 .. c - w / 2 + w - 1 across (7 px at x 259: 256..262;
    // 34 px at y 77: 60..93). A dotted 1-px line carries its pattern on from
    // the previous LineTo and, in OPAQUE mode, paints its gaps in the
    // background colour. A dotted pen wider than 1 draws solid.
    BOOL LineTo(int x, int y);
    CPoint GetCurrentPosition() const { return m_current; }

    int SetBkMode(int mode); // TRANSPARENT or OPAQUE (the default)
    int GetBkMode() const { return m_bkMode; }
    COLORREF SetBkColor(COLORREF color); // white by default
    COLORREF GetBkColor() const { return m_bkColor; }
    COLORREF SetTextColor(COLORREF color); // black by default
    COLORREF GetTextColor() const { return m_textColor; }
    UINT SetTextAlign(UINT align); // TA_LEFT | TA_TOP by default
    UINT GetTextAlign() const { return m_textAlign; }

    // Text at (x, y) with the selected font, text colour, background mode and
    // alignment; `len` bytes of UTF-8 `text`. The reference point is the
    // top-left of the text's cell unless the alignment says otherwise; in
    // OPAQUE mode the cell box is filled with the background colour first.
    // FALSE for a DC that draws nowhere, bad arguments, or a machine with no
    // font to draw with.
    BOOL TextOut(int x, int y, const char* text, int len);
    BOOL TextOut(int x, int y, const CString& text);

    // The attributes of the selected pen and font, as copied at selection.
    const PenAttributes& GetPenAttributes() const { return m_pen; }
    const FontRequest& GetFontRequest() const { return m_font; }

    // The colour at (x, y), or CLR_INVALID off the surface.
    COLORREF GetPixel(int x, int y) const;
    // What this DC draws on, or null.
    Surface* GetSurface();
    const Surface* GetSurface() const;
    bool IsMemoryDC() const { return m_bMemory; }

    // Makes this DC draw straight on `surface` (a window's client pixels),
    // with the stock pen and font and the default state; a memory DC lets go
    // of its bitmap first. The surface must outlive the attachment.
    void AttachSurface(Surface* surface);
    void DetachSurface();

  private:
    friend class CBitmap;
    // The selected bitmap is being destroyed or released.
    void BitmapGone(const CBitmap* bitmap);
    bool DrawsSomewhere() const { return m_bMemory || m_pAttached; }
    void ResetState();
    void LetGoOfBitmap();

    bool m_bMemory = false;
    Surface* m_pAttached = nullptr;
    CBitmap* m_pBitmap = nullptr;
    Surface m_stockSurface; // the pixel this DC's stock bitmap gives it

    CPen* m_pPen = nullptr;
    PenAttributes m_pen;
    CFont* m_pFont = nullptr;
    FontRequest m_font;

    CPoint m_current;
    int m_dotPhase = 0;
    int m_bkMode = OPAQUE;
    COLORREF m_bkColor = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);
    UINT m_textAlign = TA_LEFT | TA_TOP;
};
