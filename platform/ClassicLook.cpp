// The palette's edges, the template fonts, captions, the focus rectangle
// and a window's own frame and caption bar. The controls themselves are
// painted in ClassicControls.cpp.
#include "platform/ClassicLook.h"

#include <algorithm>

#include "platform/TextRenderer.h"

namespace ClassicLook {

namespace {
// A caption bar's text starts this far in from its left end.
constexpr int kCaptionIndent = 4;
} // namespace

const EdgeLines& LinesOf(Edge edge)
{
    static const EdgeLines kButton{{kHighlight, kDarkShadow}, {kNoLine, kShadow}, 2};
    static const EdgeLines kWindow{{kLight, kDarkShadow}, {kHighlight, kShadow}, 2};
    static const EdgeLines kClient{{kShadow, kHighlight}, {kDarkShadow, kLight}, 2};
    static const EdgeLines kStatic{{kShadow, kHighlight}, {kNoLine, kNoLine}, 1};
    static const EdgeLines kEtched{{kShadow, kHighlight}, {kHighlight, kNoLine}, 2};
    switch (edge) {
    case Edge::Button:
        return kButton;
    case Edge::Window:
        return kWindow;
    case Edge::Client:
        return kClient;
    case Edge::Static:
        return kStatic;
    case Edge::Etched:
        break;
    }
    return kEtched;
}

void DrawLinePair(Painter& p, Box b, const LinePair& lines)
{
    if (b.Empty())
        return;
    const int x1 = b.Right() - 1, y1 = b.Bottom() - 1;
    if (lines.topLeft != kNoLine) {
        p.HLine(b.x, x1 - 1, b.y, lines.topLeft);
        p.VLine(b.x, b.y, y1 - 1, lines.topLeft);
    }
    if (lines.bottomRight != kNoLine) {
        p.HLine(b.x, x1, y1, lines.bottomRight);
        p.VLine(x1, b.y, y1, lines.bottomRight);
    }
}

void DrawEdge(Painter& p, Box b, Edge edge)
{
    const EdgeLines& lines = LinesOf(edge);
    DrawLinePair(p, b, lines.outer);
    DrawLinePair(p, b.Inset(1), lines.inner);
}

int EdgeWidth(Edge edge)
{
    return LinesOf(edge).depth;
}

FontRequest TemplateFont(const DialogTemplate* t)
{
    FontRequest f;
    const int points = t && t->pointSize > 0 ? t->pointSize : 8;
    f.height = -(points * 96 / 72);
    f.weight = FW_NORMAL;
    f.faceName = t && t->fontFace ? t->fontFace : "MS Sans Serif";
    return f;
}

FontRequest CaptionFont()
{
    return TemplateFont(nullptr);
}

std::string WithoutPrefixes(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

int AccentRoom(const FontRequest& font, const std::string& text)
{
    FontMetrics m;
    if (!TextRenderer::GetFontMetrics(font, &m))
        return 0;
    return std::max(TextRenderer::InkAbove(font, text) - m.ascent, 0);
}

void DrawFocusRect(Painter& p, Box b)
{
    if (b.Empty())
        return;
    const int x1 = b.Right() - 1, y1 = b.Bottom() - 1;
    for (int x = b.x; x <= x1; x += 2) {
        p.Fill({x, b.y, 1, 1}, kDarkShadow);
        p.Fill({x, y1, 1, 1}, kDarkShadow);
    }
    for (int y = b.y; y <= y1; y += 2) {
        p.Fill({b.x, y, 1, 1}, kDarkShadow);
        p.Fill({x1, y, 1, 1}, kDarkShadow);
    }
}

void DrawFocusRing(Painter& p, Box around)
{
    for (int i = 1; i <= kFocusRingWidth; ++i)
        p.Frame(around.Inset(-i), kFocusRing);
    p.Frame(around.Inset(-kFocusRingWidth - 1), kFocusRingHalo);
}

Box FocusRingExtent(Box around)
{
    return around.Inset(-kFocusRingWidth - 1);
}

void DrawGlyphButton(Painter& p, Box b, PartGlyph glyph, bool pressed)
{
    p.Fill(b, kFace);
    p.Frame(b, kDarkShadow);
    if (pressed)
        p.Frame(b.Inset(1), kShadow);
    else
        DrawEdge(p, b.Inset(1), Edge::Button);
    if (glyph == PartGlyph::None)
        return;
    // A solid triangle, its rows one pixel shorter at each end from its
    // base to its point, centred, a pixel down and right while pressed.
    const int half = std::max(1, b.w / 4);
    const int cx = b.x + b.w / 2 + (pressed ? 1 : 0);
    const int top = b.y + (b.h - half) / 2 + (pressed ? 1 : 0);
    for (int row = 0; row < half; ++row) {
        const int reach = glyph == PartGlyph::ArrowUp ? row : half - 1 - row;
        p.HLine(cx - reach, cx + reach, top + row, kDarkShadow);
    }
}

void DrawWindowFrame(Painter& p, Box outer, const WindowFrame& frame)
{
    if (frame.thin) {
        p.Frame(outer, kDarkShadow);
        return;
    }
    if (frame.border <= 0)
        return;
    // The raised double edge of a dialog frame; the face fills the rest.
    DrawEdge(p, outer, Edge::Window);
    const int edge = EdgeWidth(Edge::Window);
    for (int i = edge; i < frame.border; ++i)
        p.Frame(outer.Inset(i), kFace);
}

void DrawCaptionBar(Painter& p, Box bar, const std::string& caption)
{
    p.Fill(bar, kSelection);
    const FontRequest font = CaptionFont();
    p.Text(font, bar.x + kCaptionIndent, bar.y + (bar.h - LineHeight(font)) / 2, caption,
           kSelectedText);
}

} // namespace ClassicLook
