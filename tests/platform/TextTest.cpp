// Text output: where the ink lands for each alignment, what the background
// modes leave, the colour, the font mapping (cell height, average width,
// weight, italic, substitutes) and the characters of the notebook's Catalan.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "platform/ApplicationResources.h"
#include "platform/Dc.h"
#include "platform/FontSubstitutes.h"
#include "platform/TextRenderer.h"

namespace {

constexpr COLORREF kPaper = RGB(215, 255, 215);
constexpr COLORREF kInk = RGB(51, 0, 153);
constexpr COLORREF kWhite = RGB(255, 255, 255);

FontRequest Request(const char* face, int height, int width, int weight = 0, bool italic = false)
{
    FontRequest r;
    r.faceName = face;
    r.height = height;
    r.width = width;
    r.weight = weight;
    r.italic = italic;
    return r;
}

FontMetrics MetricsOf(const FontRequest& request)
{
    FontMetrics metrics;
    EXPECT_TRUE(TextRenderer::GetFontMetrics(request, &metrics));
    return metrics;
}

// The box of the pixels that differ from `paper` by more than `threshold` in
// some channel.
struct Ink {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
};

Ink InkOf(const CDC& dc, int threshold = 0)
{
    Ink ink;
    const Surface& s = *dc.GetSurface();
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const COLORREF c = ColorFromPixel(s.At(x, y));
            if (std::abs(GetRValue(c) - GetRValue(kPaper)) <= threshold &&
                std::abs(GetGValue(c) - GetGValue(kPaper)) <= threshold &&
                std::abs(GetBValue(c) - GetBValue(kPaper)) <= threshold)
                continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                   std::max(ink.bottom, y), ink.count + 1};
        }
    }
    return ink;
}

// A memory DC on paper-coloured pixels, writing in the ink colour on a
// transparent background with a font of its own.
class Page {
  public:
    Page(int width, int height, const FontRequest& font)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, width, height);
        m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, kPaper);
        m_dc.SetTextColor(kInk);
        m_dc.SetBkMode(TRANSPARENT);
        m_font.CreateFont(font.height, font.width, 0, 0, font.weight, font.italic, 0, 0,
                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, font.faceName.c_str());
        m_dc.SelectObject(&m_font);
    }

    BOOL Write(int x, int y, const char* text, UINT align = TA_LEFT | TA_TOP)
    {
        m_dc.SetTextAlign(align);
        return m_dc.TextOut(x, y, CString(text));
    }

    CDC& dc() { return m_dc; }
    const std::vector<Pixel>& pixels() const { return m_dc.GetSurface()->pixels; }

  private:
    CDC m_dc;
    CBitmap m_bitmap;
    CFont m_font;
};

const FontRequest kLabel = Request("Times New Roman", 12, 6);
const FontRequest kTable = Request("Comic Sans MS", 17, 8);

} // namespace

TEST(TextTest, AxisLabelsLandInsideTheirCells)
{
    Page right(480, 320, kLabel);
    ASSERT_TRUE(right.Write(440, 272, "19.6", TA_RIGHT | TA_BASELINE));
    const Ink r = InkOf(right.dc());
    EXPECT_LE(r.right, 440); // antialiasing may touch the reference column
    EXPECT_GE(r.right, 437);
    EXPECT_EQ(InkOf(right.dc(), 128).bottom, 271); // the digits stand on the baseline
    EXPECT_GE(r.top, 272 - MetricsOf(kLabel).ascent);

    Page centre(520, 320, kLabel);
    ASSERT_TRUE(centre.Write(475, 297, "762.2", TA_CENTER | TA_TOP));
    const Ink c = InkOf(centre.dc());
    EXPECT_GE(c.top, 297);
    EXPECT_LE(c.bottom, 297 + 11);
    EXPECT_NEAR((c.left + c.right) / 2.0, 475, 2.0);
    EXPECT_NEAR(c.right - c.left, 5 * 5, 6);
}

TEST(TextTest, EveryAlignmentPlacesTheSameCellBox)
{
    const int width = TextRenderer::MeasureText(kTable, "h (cm)");
    const int ascent = MetricsOf(kTable).ascent;
    Page reference(120, 50, kTable);
    reference.Write(10, 10, "h (cm)");
    const Ink ink = InkOf(reference.dc());
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 10);
    EXPECT_LT(ink.bottom, 10 + 17);
    EXPECT_NEAR(ink.right + 1 - 10, width, 2);

    // The reference point of that same box, for each alignment, draws the
    // same pixels.
    const struct {
        UINT align;
        int x, y;
    } cases[] = {{TA_CENTER | TA_TOP, 10 + width / 2, 10},
                 {TA_RIGHT | TA_TOP, 10 + width, 10},
                 {TA_LEFT | TA_BASELINE, 10, 10 + ascent},
                 {TA_CENTER | TA_BASELINE, 10 + width / 2, 10 + ascent},
                 {TA_RIGHT | TA_BASELINE, 10 + width, 10 + ascent}};
    for (const auto& c : cases) {
        Page page(120, 50, kTable);
        page.Write(c.x, c.y, "h (cm)", c.align);
        EXPECT_EQ(page.pixels(), reference.pixels()) << "alignment " << c.align;
    }
}

TEST(TextTest, BackgroundModesAndColour)
{
    // Transparent: paper round the strokes, the strokes in the text colour.
    Page transparent(100, 40, kTable);
    transparent.Write(5, 5, "T(ºC)");
    const std::vector<Pixel>& ink = transparent.pixels();
    EXPECT_GT(std::count(ink.begin(), ink.end(), PixelFromColor(kInk)), 5);
    EXPECT_EQ(transparent.dc().GetPixel(5, 5), kPaper);

    // Opaque: the cell box in the background colour under the strokes.
    Page opaque(100, 40, kTable);
    opaque.dc().SetBkMode(OPAQUE);
    opaque.dc().SetBkColor(kWhite);
    opaque.Write(5, 5, "T(ºC)");
    const int width = TextRenderer::MeasureText(kTable, "T(ºC)");
    int white = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (opaque.dc().GetPixel(x, y) != kWhite)
                continue;
            EXPECT_TRUE(x >= 5 && x < 5 + width && y >= 5 && y < 5 + 17) << x << "," << y;
            ++white;
        }
    }
    EXPECT_GT(white, width * 17 / 2);
    EXPECT_EQ(opaque.dc().GetPixel(5 + width - 1, 5 + 16), kWhite);
    EXPECT_EQ(opaque.dc().GetPixel(5 + width, 5), kPaper);
}

TEST(TextTest, RulerNumbersFitTheirTenPixelRows)
{
    Page page(60, 40, Request("Comic Sans Serif", 10, 5));
    for (int number = 50; number <= 62; ++number) {
        page.dc().FillSolidRect(0, 0, 60, 40, kPaper);
        CString text;
        text.Format("%2d", number);
        page.Write(21, 15, text);
        const Ink ink = InkOf(page.dc(), 40);
        EXPECT_TRUE(ink.top >= 15 && ink.bottom <= 24 && ink.left >= 21 && ink.right <= 33)
            << number;
        // Centred on the tick five rows down.
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20, 1.5) << number;
    }
}

TEST(TextTest, FontMappingHonoursCellHeightWidthWeightAndSlant)
{
    for (const auto& [height, width] : {std::pair{10, 5}, {11, 6}, {17, 8}}) {
        const FontMetrics m = MetricsOf(Request("Comic Sans Serif", height, width, 0, true));
        EXPECT_EQ(m.Height(), height);
        EXPECT_NEAR(m.aveCharWidth, width, 1);
    }
    const FontMetrics title = MetricsOf(Request("Bookman Old Style", 22, 7, FW_BOLD, true));
    EXPECT_EQ(title.Height(), 22);
    EXPECT_NEAR(title.aveCharWidth, 7, 1);
    EXPECT_EQ(MetricsOf(kLabel).ascent, 10);
    EXPECT_LT(MetricsOf(Request("Comic Sans Serif", 10, 0)).aveCharWidth, 5); // own proportions

    Page regular(140, 40, Request("Bookman Old Style", 22, 7));
    Page bold(140, 40, Request("Bookman Old Style", 22, 7, FW_BOLD));
    Page italic(140, 40, Request("Bookman Old Style", 22, 7, 0, true));
    for (Page* page : {&regular, &bold, &italic})
        page->Write(4, 4, "Ombrina");
    EXPECT_NE(regular.pixels(), italic.pixels());
    EXPECT_GT(InkOf(bold.dc(), 128).count, InkOf(regular.dc(), 128).count * 5 / 4);
}

TEST(TextTest, CatalanAccentsAndOrdinalHaveTheirMarks)
{
    const auto inkOf = [](const char* text) {
        Page page(40, 40, Request("Comic Sans MS", 17, 8, 0, true));
        page.Write(10, 10, text);
        return InkOf(page.dc(), 40);
    };
    for (const auto& [accented, plain] : {std::pair{"à", "a"},
                                          {"è", "e"},
                                          {"é", "e"},
                                          {"í", "ı"},
                                          {"ò", "o"},
                                          {"ó", "o"},
                                          {"ú", "u"}})
        EXPECT_LT(inkOf(accented).top, inkOf(plain).top - 1) << accented;
    EXPECT_GT(inkOf("ç").bottom, inkOf("c").bottom + 1);
    EXPECT_LT(inkOf("º").bottom, inkOf("o").bottom - 3); // a raised small o
    EXPECT_GT(inkOf("l·l").right, inkOf("ll").right);
    EXPECT_GT(inkOf("l·l").count, inkOf("ll").count);

    // A byte that is no part of UTF-8 reads as Latin-1: 0xE0 is à.
    Page latin1(40, 40, kTable), utf8(40, 40, kTable);
    latin1.Write(10, 10, "\xE0");
    utf8.Write(10, 10, "à");
    EXPECT_EQ(latin1.pixels(), utf8.pixels());
}

TEST(TextTest, InkAboveTheBaselineIsTheTallestGlyphsTop)
{
    // The dialogs' 10 px face: its accented capitals reach above the ascent.
    const FontRequest dialog = Request("MS Sans Serif", -10, 0);
    const FontMetrics m = MetricsOf(dialog);
    for (const char* text : {"O", "Ó", "ATENCIÓ", "a", "·"}) {
        Page page(80, 40, dialog);
        page.Write(10, 20, text, TA_LEFT | TA_BASELINE);
        EXPECT_EQ(TextRenderer::InkAbove(dialog, text), 20 - InkOf(page.dc()).top) << text;
    }
    EXPECT_EQ(TextRenderer::InkAbove(dialog, "ATENCIÓ"), TextRenderer::InkAbove(dialog, "Ó"));
    EXPECT_GT(TextRenderer::InkAbove(dialog, "Ó"), m.ascent);
    EXPECT_LE(TextRenderer::InkAbove(dialog, "ATENCIO"), m.ascent);
    EXPECT_EQ(TextRenderer::InkAbove(dialog, ""), 0);
    EXPECT_EQ(TextRenderer::InkAbove(dialog, "   "), 0);
}

TEST(TextTest, FacesAreSubstitutedOrMatched)
{
    for (const auto& [requested, installed] : {std::pair{"Comic Sans Serif", "Comic Neue"},
                                               {"comic sans ms", "Comic Neue"},
                                               {"Bookman Old Style", "URW Bookman"},
                                               {"Times New Roman", "Liberation Serif"},
                                               {"MS Sans Serif", "Liberation Sans"}}) {
        EXPECT_STREQ(FindFontSubstitute(requested), installed);
        EXPECT_EQ(SubstituteFontFace(requested), installed);
    }
    EXPECT_EQ(FindFontSubstitute("DejaVu Serif"), nullptr);
    EXPECT_EQ(SubstituteFontFace("DejaVu Serif"), "DejaVu Serif");
    EXPECT_EQ(MetricsOf(Request("Bookman Old Style", 22, 7, FW_BOLD, true)).family, "URW Bookman");
    EXPECT_EQ(MetricsOf(kTable).family, "Comic Neue");

    // A face nobody has still draws, in whatever the matcher offers.
    EXPECT_FALSE(SubstituteFontFace("No Such Face Anywhere").empty());
    Page page(80, 30, Request("No Such Face Anywhere", 12, 0));
    EXPECT_TRUE(page.Write(2, 2, "Tervan"));
    EXPECT_GT(InkOf(page.dc()).count, 0);
}

TEST(TextTest, StockFontAndEdgesOfTheSurface)
{
    Page page(120, 40, kTable);
    page.dc().SelectObject(CFont::Stock()); // a 16-px sans
    ASSERT_TRUE(page.Write(4, 4, "Tervan"));
    const Ink ink = InkOf(page.dc());
    EXPECT_TRUE(ink.count > 0 && ink.top >= 4 && ink.bottom <= 4 + 15);

    // Half over an edge or far off: clipped, never a crash.
    EXPECT_TRUE(page.Write(-30, -8, "Tervan"));
    EXPECT_TRUE(page.Write(INT_MAX, INT_MIN, "Tervan", TA_RIGHT | TA_BASELINE));
    page.dc().SetBkMode(OPAQUE);
    EXPECT_TRUE(page.Write(INT_MIN, INT_MAX, "Tervan", TA_CENTER));
    EXPECT_TRUE(page.dc().TextOut(0, 0, nullptr, 0));
    EXPECT_FALSE(page.dc().TextOut(0, 0, nullptr, 3));
    EXPECT_FALSE(page.dc().TextOut(0, 0, "abc", -1));
    CDC nowhere;
    EXPECT_FALSE(nowhere.TextOut(0, 0, "abc", 3));
}

TEST(TextTest, RepeatedDrawsReuseTheGlyphsAndMatchExactly)
{
    const FontRequest graph = Request("Comic Sans Serif", 11, 6, 0, true);
    Page first(260, 30, graph), second(260, 30, graph);
    first.Write(3, 3, "Gràfica de la temperatura en graus");
    const long rasterised = TextRenderer::GlyphsRasterised();
    second.Write(3, 3, "Gràfica de la temperatura en graus");
    EXPECT_EQ(TextRenderer::GlyphsRasterised(), rasterised);
    EXPECT_EQ(first.pixels(), second.pixels());
}
