// Drawing objects: pens, bitmaps and fonts, created by the drawing routines
// and selected into a CDC. Every live object is known to a registry, so a DC
// asked to select a pointer to an object that no longer exists refuses it
// instead of reading freed memory.
#pragma once

#include <string>

#include "platform/Surface.h"
#include "platform/Types.h"

class CDC;

enum class GdiKind { Pen, Bitmap, Font };

class CGdiObject {
  public:
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Releases what the object holds; it can then be created again. FALSE when
    // it was never created, or when a test makes the release fail (then it
    // stays as it was). Releasing a stock object does nothing and succeeds.
    BOOL DeleteObject();

    bool IsCreated() const { return m_bCreated; }
    bool IsStock() const { return m_bStock; }

    // Whether `object` is a live object of that kind. The pointer is only
    // compared, never followed, so it may be left over from a destroyed one.
    static bool IsLive(const void* object, GdiKind kind);

  protected:
    CGdiObject() = default;
    static void Register(const void* object, GdiKind kind);
    static void Unregister(const void* object);

    // Asked first by DeleteObject: whether a test makes this release fail.
    virtual bool ReleaseFails() { return false; }
    virtual void Release() {}

    bool m_bCreated = false;
    bool m_bStock = false;
};

struct PenAttributes {
    int style = PS_SOLID; // PS_SOLID or PS_DOT
    int width = 1;        // at least 1
    COLORREF color = RGB(0, 0, 0);
};

class CPen : public CGdiObject {
  public:
    CPen();
    // Creates the pen at once; check IsCreated, as a creation can fail.
    CPen(int style, int width, COLORREF color);
    ~CPen() override;

    // Fails for a style other than PS_SOLID or PS_DOT, a negative width, a
    // pen already created, or an injected failure. Width 0 means 1.
    BOOL CreatePen(int style, int width, COLORREF color);
    const PenAttributes& GetAttributes() const { return m_attributes; }

    // The 1-px black solid pen every DC starts with; never destroyed.
    static CPen* Stock();

  private:
    bool ReleaseFails() override;
    PenAttributes m_attributes;
};

class CBitmap : public CGdiObject {
  public:
    CBitmap();
    ~CBitmap() override;

    // Decodes the bitmap resource `id` compiled into the program (the decoded
    // pixels are kept per ID, so loading it again costs only a copy).
    BOOL LoadBitmap(UINT id);
    // A cx x cy bitmap in the DC's colour format, which is always 32-bit RGB
    // here, so `pDC` may be null; starts black. Fails for sizes below 1 or
    // beyond kMaxBmpDimension.
    BOOL CreateCompatibleBitmap(CDC* pDC, int cx, int cy);

    int GetWidth() const { return m_surface.width; }
    int GetHeight() const { return m_surface.height; }
    // The pixels; an empty surface while not created.
    Surface* GetSurface() { return &m_surface; }
    const Surface* GetSurface() const { return &m_surface; }
    // The DC it is selected into, or null.
    CDC* GetSelectingDC() const { return m_pDC; }

    // The 1x1 bitmap every memory DC starts with; never destroyed. It may be
    // selected into many DCs at once, each drawing on a pixel of its own.
    static CBitmap* Stock();

  private:
    friend class CDC;
    void Release() override;
    void LeaveDC();

    Surface m_surface;
    CDC* m_pDC = nullptr;
};

// What a font was asked for with; turning it into glyphs is the text
// renderer's job.
struct FontRequest {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    unsigned char charSet = 0;
    unsigned char outPrecision = 0;
    unsigned char clipPrecision = 0;
    unsigned char quality = 0;
    unsigned char pitchAndFamily = 0;
    std::string faceName; // at most 31 characters, as the classic platform keeps
};

class CFont : public CGdiObject {
  public:
    CFont();
    ~CFont() override;

    // Records the request. Fails for a font already created or an injected
    // failure; a null face name asks for any face.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    unsigned char bItalic, unsigned char bUnderline, unsigned char cStrikeOut,
                    unsigned char nCharSet, unsigned char nOutPrecision,
                    unsigned char nClipPrecision, unsigned char nQuality,
                    unsigned char nPitchAndFamily, const char* lpszFacename);
    const FontRequest& GetRequest() const { return m_request; }

    // The font every DC starts with ("System", 16 px, bold); never destroyed.
    static CFont* Stock();

  private:
    bool ReleaseFails() override;
    FontRequest m_request;
};
