#include "platform/Gdi.h"

#include <unordered_map>

#include "platform/ApplicationResources.h"
#include "platform/Bmp.h"
#include "platform/Dc.h"
#include "platform/Faults.h"

namespace {

// Built on first use and never destroyed, so objects with static storage may
// come and go in any order.
std::unordered_map<const void*, GdiKind>& LiveObjects()
{
    static auto* live = new std::unordered_map<const void*, GdiKind>;
    return *live;
}

// Decoded resource bitmaps by ID: an animation's frames may be loaded
// afresh many times a second.
const DecodedBitmap* DecodedResource(UINT id)
{
    static auto* cache = new std::unordered_map<UINT, DecodedBitmap>;
    if (auto found = cache->find(id); found != cache->end())
        return &found->second;
    const EmbeddedResource* resource = FindBitmapResource(id);
    DecodedBitmap decoded;
    if (!resource || !DecodeBmp(resource->data, resource->size, decoded))
        return nullptr;
    return &cache->emplace(id, std::move(decoded)).first->second;
}

constexpr std::size_t kMaxFaceName = 31;

} // namespace

BOOL CGdiObject::DeleteObject()
{
    if (ReleaseFails() || !m_bCreated)
        return FALSE;
    if (m_bStock)
        return TRUE;
    Release();
    m_bCreated = false;
    return TRUE;
}

bool CGdiObject::IsLive(const void* object, GdiKind kind)
{
    const auto found = LiveObjects().find(object);
    return found != LiveObjects().end() && found->second == kind;
}

void CGdiObject::Register(const void* object, GdiKind kind)
{
    LiveObjects()[object] = kind;
}

void CGdiObject::Unregister(const void* object)
{
    LiveObjects().erase(object);
}

CPen::CPen()
{
    Register(this, GdiKind::Pen);
}

CPen::CPen(int style, int width, COLORREF color) : CPen()
{
    CreatePen(style, width, color);
}

CPen::~CPen()
{
    Unregister(this);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (Faults::ShouldFail(GdiOp::CreatePen))
        return FALSE;
    if (m_bCreated || (style != PS_SOLID && style != PS_DOT) || width < 0)
        return FALSE;
    m_attributes = PenAttributes{style, width == 0 ? 1 : width, color};
    m_bCreated = true;
    return TRUE;
}

bool CPen::ReleaseFails()
{
    return Faults::ShouldFail(GdiOp::DeletePen);
}

CPen* CPen::Stock()
{
    static CPen* stock = [] {
        auto* pen = new CPen;
        pen->m_bCreated = true;
        pen->m_bStock = true;
        return pen;
    }();
    return stock;
}

CBitmap::CBitmap()
{
    Register(this, GdiKind::Bitmap);
}

CBitmap::~CBitmap()
{
    LeaveDC();
    Unregister(this);
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    if (m_bCreated)
        return FALSE;
    const DecodedBitmap* decoded = DecodedResource(id);
    if (!decoded)
        return FALSE;
    m_surface.width = decoded->width;
    m_surface.height = decoded->height;
    m_surface.pixels = decoded->pixels;
    m_bCreated = true;
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int cx, int cy)
{
    if (m_bCreated || cx < 1 || cy < 1 || cx > kMaxBmpDimension || cy > kMaxBmpDimension)
        return FALSE;
    m_surface.Reset(cx, cy);
    m_bCreated = true;
    return TRUE;
}

void CBitmap::Release()
{
    LeaveDC();
    m_surface = Surface();
}

void CBitmap::LeaveDC()
{
    if (m_pDC)
        m_pDC->BitmapGone(this);
    m_pDC = nullptr;
}

CBitmap* CBitmap::Stock()
{
    static CBitmap* stock = [] {
        auto* bitmap = new CBitmap;
        bitmap->m_surface.Reset(1, 1);
        bitmap->m_bCreated = true;
        bitmap->m_bStock = true;
        return bitmap;
    }();
    return stock;
}

CFont::CFont()
{
    Register(this, GdiKind::Font);
}

CFont::~CFont()
{
    Unregister(this);
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       unsigned char bItalic, unsigned char bUnderline, unsigned char cStrikeOut,
                       unsigned char nCharSet, unsigned char nOutPrecision,
                       unsigned char nClipPrecision, unsigned char nQuality,
                       unsigned char nPitchAndFamily, const char* lpszFacename)
{
    if (Faults::ShouldFail(GdiOp::CreateFont) || m_bCreated)
        return FALSE;
    FontRequest r;
    r.height = nHeight;
    r.width = nWidth;
    r.escapement = nEscapement;
    r.orientation = nOrientation;
    r.weight = nWeight;
    r.italic = bItalic != 0;
    r.underline = bUnderline != 0;
    r.strikeOut = cStrikeOut != 0;
    r.charSet = nCharSet;
    r.outPrecision = nOutPrecision;
    r.clipPrecision = nClipPrecision;
    r.quality = nQuality;
    r.pitchAndFamily = nPitchAndFamily;
    r.faceName = std::string(lpszFacename ? lpszFacename : "").substr(0, kMaxFaceName);
    m_request = std::move(r);
    m_bCreated = true;
    return TRUE;
}

bool CFont::ReleaseFails()
{
    return Faults::ShouldFail(GdiOp::DeleteFont);
}

CFont* CFont::Stock()
{
    static CFont* stock = [] {
        auto* font = new CFont;
        font->m_request.height = 16;
        font->m_request.weight = FW_BOLD;
        font->m_request.faceName = "System";
        font->m_bCreated = true;
        font->m_bStock = true;
        return font;
    }();
    return stock;
}
