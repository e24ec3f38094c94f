#include "platform/TextRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/FontMatch.h"
#include "platform/FontSubstitutes.h"

namespace {

// A font asked for without a height gets the stock font's cell.
constexpr int kDefaultCellHeight = 16;
// Nothing the program draws comes near these; they keep FreeType's bitmaps
// and our arithmetic small whatever a caller asks for.
constexpr int kMaxCellHeight = 1000;
constexpr int kMaxCharWidth = 1000;
// The lean of an italic made up from an upright face (tan of about 11 deg).
constexpr FT_Fixed kSyntheticSlant = 0x3333;
// The program uses about half a dozen fonts; a caller asking for endless
// different ones makes the cache start afresh rather than grow.
constexpr std::size_t kMaxFonts = 64;
// From this weight on a font is drawn bold.
constexpr int kSemiBold = 600;
// Light hinting snaps horizontal stems and the baseline, x-height and cap
// height to whole pixels, which keeps 10 px text crisp, and leaves the
// shapes' widths alone so the horizontal scaling stays even.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

// Opens a face from its file, or from its bytes where the build embeds them.
bool OpenFace(FT_Library library, const FaceFile& file, FT_Face* face)
{
    if (file.data)
        return FT_New_Memory_Face(library, file.data, static_cast<FT_Long>(file.size), file.index,
                                  face) == 0;
    return FT_New_Face(library, file.path.c_str(), file.index, face) == 0;
}

// ---- sizing --------------------------------------------------------------

// The design cell the classic font mapper measures a height against: the
// Windows ascent and descent of the OS/2 table, else the face's own.
void DesignCell(FT_Face face, double* ascent, double* descent)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        *ascent = os2->usWinAscent;
        *descent = os2->usWinDescent;
    } else if (face->ascender - face->descender > 0) {
        *ascent = face->ascender;
        *descent = -face->descender;
    } else {
        *ascent = face->bbox.yMax;
        *descent = std::max<double>(-face->bbox.yMin, 1.0);
    }
}

void SetPixelSize(FT_Face face, double ppemX, double ppemY)
{
    const auto to26dot6 = [](double v) { return static_cast<FT_F26Dot6>(std::lround(v * 64)); };
    FT_Set_Char_Size(face, to26dot6(std::max(ppemX, 1.0)), to26dot6(std::max(ppemY, 1.0)), 72, 72);
}

// Average character width at the face's present size: the one its OS/2 table
// records (over all its glyphs, as the classic font mapper reads it), else the
// advances of the lowercase letters and the space, weighted by how often each
// occurs in text (per thousand).
double AverageAdvance(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->xAvgCharWidth > 0)
        return FT_MulFix(os2->xAvgCharWidth, face->size->metrics.x_scale) / 64.0;
    static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                     56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    int weights = 0;
    for (int i = 0; i < 27; ++i) {
        const FT_ULong c = i < 26 ? 'a' + i : ' ';
        const FT_UInt index = FT_Get_Char_Index(face, c);
        if (index == 0 || FT_Load_Glyph(face, index, kLoadFlags) != 0)
            continue;
        sum += kWeights[i] * static_cast<double>((face->glyph->advance.x + 32) >> 6);
        weights += kWeights[i];
    }
    return weights > 0 ? sum / weights : 0.0;
}

// ---- the cache -----------------------------------------------------------

struct FontKey {
    std::string face;
    int height;
    int width;
    int weight;
    bool italic;
    bool operator<(const FontKey& o) const
    {
        return std::tie(face, height, width, weight, italic) <
               std::tie(o.face, o.height, o.width, o.weight, o.italic);
    }
};

struct Glyph {
    int left = 0; // from the pen position to the bitmap's first column
    int top = 0;  // from the baseline up to the bitmap's first row
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<unsigned char> coverage; // rows × width, 0..255
};

struct SizedFont {
    FT_Face face = nullptr;
    bool embolden = false;
    FontMetrics metrics;
    std::unordered_map<char32_t, Glyph> glyphs;

    SizedFont() = default;
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;
    ~SizedFont()
    {
        if (face)
            FT_Done_Face(face);
    }
};

class Renderer {
  public:
    Renderer()
    {
        if (FT_Init_FreeType(&m_library) != 0) {
            m_library = nullptr;
            return;
        }
        // Thin strokes at 10 to 12 px come out pale grey; darkening the stems
        // of the small sizes keeps a thin hand-written face legible.
        FT_Bool darken = 0; // the property is "no-stem-darkening"
        FT_Property_Set(m_library, "cff", "no-stem-darkening", &darken);
        FT_Property_Set(m_library, "autofitter", "no-stem-darkening", &darken);
    }

    SizedFont* Font(const FontRequest& request);
    const Glyph& GlyphOf(SizedFont& font, char32_t c);
    long Rasterised() const { return m_rasterised; }

  private:
    std::unique_ptr<SizedFont> Open(const FontRequest& request);

    FT_Library m_library = nullptr;
    std::map<FontKey, std::unique_ptr<SizedFont>> m_fonts;
    long m_rasterised = 0;
};

// Built on first use and never destroyed, so text may be drawn from objects
// with static storage, in any order.
Renderer& TheRenderer()
{
    static auto* renderer = new Renderer;
    return *renderer;
}

SizedFont* Renderer::Font(const FontRequest& request)
{
    FontKey key{request.faceName, request.height, request.width, request.weight, request.italic};
    if (auto found = m_fonts.find(key); found != m_fonts.end())
        return found->second.get();
    std::unique_ptr<SizedFont> font = Open(request);
    if (!font)
        return nullptr;
    if (m_fonts.size() >= kMaxFonts)
        m_fonts.clear();
    return m_fonts.emplace(std::move(key), std::move(font)).first->second.get();
}

std::unique_ptr<SizedFont> Renderer::Open(const FontRequest& request)
{
    if (!m_library)
        return nullptr;
    const int weight = request.weight > 0 ? std::min(request.weight, 1000) : FW_NORMAL;
    auto font = std::make_unique<SizedFont>();
    FaceFile file;
    // The stand-in for the requested face first; should its file not open,
    // whatever the matcher offers as the plain sans face.
    for (const std::string& family : {SubstituteFontFace(request.faceName), std::string()}) {
        if (MatchFaceFile(family, weight, request.italic, &file) &&
            OpenFace(m_library, file, &font->face))
            break;
        font->face = nullptr;
    }
    FT_Face face = font->face;
    if (!face)
        return nullptr;
    font->metrics.family = face->family_name ? face->family_name : "";

    // A positive height is the cell (ascent + descent) and is kept exactly;
    // a negative one is the em square, the cell following from the design.
    double ascent = 0, descent = 0;
    DesignCell(face, &ascent, &descent);
    const double design = ascent + descent;
    const double unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : design;
    double ppem = 0;
    int cell = 0;
    if (request.height < 0) {
        ppem = std::min(-static_cast<double>(request.height), double{kMaxCellHeight});
        cell = std::max(1, static_cast<int>(std::lround(ppem * design / unitsPerEm)));
    } else {
        cell = request.height > 0 ? std::min(request.height, kMaxCellHeight) : kDefaultCellHeight;
        ppem = cell * unitsPerEm / design;
    }
    font->metrics.ascent = static_cast<int>(std::lround(cell * ascent / design));
    font->metrics.descent = cell - font->metrics.ascent;

    // A width stretches or squeezes the glyphs so that the average character
    // is that wide.
    SetPixelSize(face, ppem, ppem);
    if (request.width > 0) {
        const double natural = AverageAdvance(face);
        if (natural > 0)
            SetPixelSize(face, ppem * std::min(request.width, kMaxCharWidth) / natural, ppem);
    }
    font->metrics.aveCharWidth = static_cast<int>(std::lround(AverageAdvance(face)));

    // A family without the bold or italic face asked for gets one made up.
    font->embolden = weight >= kSemiBold && !file.bold;
    if (request.italic && !file.italic) {
        FT_Matrix slant = {0x10000, kSyntheticSlant, 0, 0x10000};
        FT_Set_Transform(face, &slant, nullptr);
    }
    return font;
}

const Glyph& Renderer::GlyphOf(SizedFont& font, char32_t c)
{
    if (auto found = font.glyphs.find(c); found != font.glyphs.end())
        return found->second;
    Glyph glyph;
    FT_GlyphSlot slot = font.face->glyph;
    if (FT_Load_Glyph(font.face, FT_Get_Char_Index(font.face, c), kLoadFlags) == 0) {
        if (font.embolden)
            FT_GlyphSlot_Embolden(slot);
        glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 &&
            slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const FT_Bitmap& bitmap = slot->bitmap;
            glyph.left = slot->bitmap_left;
            glyph.top = slot->bitmap_top;
            glyph.width = static_cast<int>(bitmap.width);
            glyph.rows = static_cast<int>(bitmap.rows);
            glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
            for (int row = 0; row < glyph.rows; ++row) {
                const unsigned char* source =
                    bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
                std::copy(source, source + glyph.width,
                          glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
            }
        }
    }
    ++m_rasterised;
    return font.glyphs.emplace(c, std::move(glyph)).first->second;
}

// ---- text ----------------------------------------------------------------

// The code points of UTF-8 `text`; a byte that starts no valid sequence
// stands for itself, as Latin-1.
std::vector<char32_t> DecodeUtf8(std::string_view text)
{
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80             ? 1
                           : (lead & 0xE0) == 0xC0 ? 2
                           : (lead & 0xF0) == 0xE0 ? 3
                           : (lead & 0xF8) == 0xF0 ? 4
                                                   : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        static const char32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && c >= kShortest[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        out.push_back(valid ? c : lead);
        i += valid ? length : 1;
    }
    return out;
}

// Blends one glyph's coverage into the surface at its bitmap's top-left.
void BlendGlyph(Surface& surface, const Glyph& glyph, std::int64_t x, std::int64_t y, Pixel color)
{
    const std::int64_t firstRow = std::max<std::int64_t>(0, -y);
    const std::int64_t lastRow = std::min<std::int64_t>(glyph.rows, surface.height - y);
    const std::int64_t firstCol = std::max<std::int64_t>(0, -x);
    const std::int64_t lastCol = std::min<std::int64_t>(glyph.width, surface.width - x);
    const unsigned r = (color >> 16) & 0xFF, g = (color >> 8) & 0xFF, b = color & 0xFF;
    for (std::int64_t row = firstRow; row < lastRow; ++row) {
        Pixel* target = surface.Row(static_cast<int>(y + row));
        const unsigned char* cover = glyph.coverage.data() + row * glyph.width;
        for (std::int64_t col = firstCol; col < lastCol; ++col) {
            const unsigned a = cover[col];
            if (a == 0)
                continue;
            Pixel& d = target[x + col];
            const auto mix = [a](unsigned fg, unsigned bg) {
                return (fg * a + bg * (255 - a) + 127) / 255;
            };
            d = (mix(r, (d >> 16) & 0xFF) << 16) | (mix(g, (d >> 8) & 0xFF) << 8) |
                mix(b, d & 0xFF);
        }
    }
}

} // namespace

namespace TextRenderer {

bool GetFontMetrics(const FontRequest& font, FontMetrics* metrics)
{
    const SizedFont* sized = TheRenderer().Font(font);
    if (!sized)
        return false;
    *metrics = sized->metrics;
    return true;
}

int MeasureText(const FontRequest& font, std::string_view text)
{
    Renderer& renderer = TheRenderer();
    SizedFont* sized = renderer.Font(font);
    if (!sized)
        return 0;
    std::int64_t width = 0;
    for (char32_t c : DecodeUtf8(text))
        width += renderer.GlyphOf(*sized, c).advance;
    return static_cast<int>(std::min<std::int64_t>(width, INT32_MAX));
}

int InkAbove(const FontRequest& font, std::string_view text)
{
    Renderer& renderer = TheRenderer();
    SizedFont* sized = renderer.Font(font);
    if (!sized)
        return 0;
    int top = 0;
    for (char32_t c : DecodeUtf8(text)) {
        const Glyph& glyph = renderer.GlyphOf(*sized, c);
        if (glyph.rows > 0)
            top = std::max(top, glyph.top);
    }
    return top;
}

bool DrawText(Surface& surface, const FontRequest& font, int x, int y, std::string_view text,
              const TextStyle& style)
{
    Renderer& renderer = TheRenderer();
    SizedFont* sized = renderer.Font(font);
    if (!sized)
        return false;
    std::vector<const Glyph*> glyphs;
    std::int64_t width = 0;
    for (char32_t c : DecodeUtf8(text)) {
        glyphs.push_back(&renderer.GlyphOf(*sized, c));
        width += glyphs.back()->advance;
    }

    const UINT horizontal = style.align & TA_CENTER;
    const UINT vertical = style.align & TA_BASELINE;
    constexpr UINT kBottom = 8; // the reference point is the bottom of the cell
    std::int64_t left = x;
    if (horizontal == TA_CENTER)
        left -= width / 2;
    else if (horizontal == TA_RIGHT)
        left -= width;
    const FontMetrics& m = sized->metrics;
    std::int64_t top = y;
    if (vertical == TA_BASELINE)
        top -= m.ascent;
    else if (vertical == kBottom)
        top -= m.Height();

    if (style.opaque && width > 0 && left < surface.width && left + width > 0 &&
        top < surface.height && top + m.Height() > 0) {
        const std::int64_t from = std::max<std::int64_t>(left, 0);
        const std::int64_t to = std::min<std::int64_t>(left + width, surface.width);
        surface.FillRect(static_cast<int>(from), static_cast<int>(top), static_cast<int>(to - from),
                         m.Height(), style.background);
    }
    std::int64_t pen = left;
    const std::int64_t baseline = top + m.ascent;
    for (const Glyph* glyph : glyphs) {
        if (pen >= surface.width)
            break;
        BlendGlyph(surface, *glyph, pen + glyph->left, baseline - glyph->top, style.color);
        pen += glyph->advance;
    }
    return true;
}

long GlyphsRasterised()
{
    return TheRenderer().Rasterised();
}

} // namespace TextRenderer
