#include "platform/Painter.h"

#include <algorithm>

Painter::Painter(Surface& surface, Box clip, int dx, int dy)
    : m_surface(surface), m_clip(clip.Intersect({0, 0, surface.width, surface.height})), m_dx(dx),
      m_dy(dy)
{
}

Painter Painter::Moved(int dx, int dy) const
{
    return Painter(m_surface, m_clip, m_dx + dx, m_dy + dy);
}

Painter Painter::Clipped(Box b) const
{
    return Painter(m_surface, m_clip.Intersect(b.Offset(m_dx, m_dy)), m_dx, m_dy);
}

void Painter::Fill(Box b, Pixel color)
{
    const Box r = b.Offset(m_dx, m_dy).Intersect(m_clip);
    if (!r.Empty())
        m_surface.FillRect(r.x, r.y, r.w, r.h, color);
}

void Painter::HLine(int x0, int x1, int y, Pixel color)
{
    Fill({std::min(x0, x1), y, std::abs(x1 - x0) + 1, 1}, color);
}

void Painter::VLine(int x, int y0, int y1, Pixel color)
{
    Fill({x, std::min(y0, y1), 1, std::abs(y1 - y0) + 1}, color);
}

void Painter::Frame(Box b, Pixel color)
{
    if (b.Empty())
        return;
    HLine(b.x, b.Right() - 1, b.y, color);
    HLine(b.x, b.Right() - 1, b.Bottom() - 1, color);
    VLine(b.x, b.y, b.Bottom() - 1, color);
    VLine(b.Right() - 1, b.y, b.Bottom() - 1, color);
}

void Painter::Picture(int x, int y, const Surface& picture)
{
    const Box r = Box{x + m_dx, y + m_dy, picture.width, picture.height}.Intersect(m_clip);
    if (!r.Empty())
        m_surface.CopyFrom(r.x, r.y, r.w, r.h, picture, r.x - x - m_dx, r.y - y - m_dy);
}

void Painter::Text(const FontRequest& font, int x, int y, const std::string& text, Pixel color,
                   UINT align)
{
    if (text.empty())
        return;
    // The glyphs are blended onto a copy of the clipped part of their box,
    // which then goes back: the renderer itself clips only to a surface.
    const int width = TextWidth(font, text);
    const int height = LineHeight(font);
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left -= width / 2;
    else if ((align & TA_CENTER) == TA_RIGHT)
        left -= width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top -= Ascent(font);
    // Glyphs may reach a little past their advances and cell.
    const int margin = std::max(2, height / 3);
    const Box box =
        Box{left - margin + m_dx, top - margin + m_dy, width + 2 * margin, height + 2 * margin}
            .Intersect(m_clip);
    if (box.Empty())
        return;
    m_scratch.Reset(box.w, box.h);
    m_scratch.CopyFrom(0, 0, box.w, box.h, m_surface, box.x, box.y);
    TextStyle style;
    style.color = color;
    style.align = TA_LEFT | TA_TOP;
    TextRenderer::DrawText(m_scratch, font, left + m_dx - box.x, top + m_dy - box.y, text, style);
    m_surface.CopyFrom(box.x, box.y, box.w, box.h, m_scratch, 0, 0);
}

int TextWidth(const FontRequest& font, const std::string& text)
{
    return TextRenderer::MeasureText(font, text);
}

int LineHeight(const FontRequest& font)
{
    FontMetrics m;
    return TextRenderer::GetFontMetrics(font, &m) ? m.Height() : 0;
}

int Ascent(const FontRequest& font)
{
    FontMetrics m;
    return TextRenderer::GetFontMetrics(font, &m) ? m.ascent : 0;
}
