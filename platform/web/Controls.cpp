#include "platform/web/Controls.h"

#include <algorithm>

#include "platform/web/ClassicLook.h"

using namespace ClassicLook;

namespace {

// Takes out the '&' markers of a caption: "&&" shows one ampersand.
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

void CentredText(Painter& p, const FontRequest& font, Box r, const std::string& text, Pixel color)
{
    const int top = r.y + (r.h - LineHeight(font)) / 2;
    p.Text(font, r.x + r.w / 2, top, text, color, TA_CENTER | TA_TOP);
}

void DrawButton(Painter& p, const WebControl& c, const FontRequest& font, bool focused,
                bool isDefault)
{
    Box r{0, 0, c.rect.w, c.rect.h};
    const bool flat = (c.style & CS_FLAT) != 0;
    p.Fill(r, kFace);
    if ((isDefault || focused) && !flat) {
        // The default button wears a black outline round its edges.
        p.Frame(r, kDarkShadow);
        r = r.Inset(1);
    }
    if (flat) {
        // One thin dark line round the face; pressed, it lightens inside.
        if (c.pressed)
            p.Fill(r.Inset(1), kLight);
        p.Frame(r, c.enabled ? kDarkShadow : kShadow);
    } else if (c.pressed) {
        p.Frame(r, kShadow);
    } else {
        const int x0 = r.x, y0 = r.y, x1 = r.Right() - 1, y1 = r.Bottom() - 1;
        p.HLine(x0, x1 - 1, y0, kHighlight);
        p.VLine(x0, y0, y1 - 1, kHighlight);
        p.HLine(x0, x1, y1, kDarkShadow);
        p.VLine(x1, y0, y1, kDarkShadow);
        p.HLine(x0 + 1, x1 - 1, y1 - 1, kShadow);
        p.VLine(x1 - 1, y0 + 1, y1 - 1, kShadow);
    }
    const std::string caption = WithoutPrefixes(c.Text());
    const Box text = c.pressed ? r.Offset(1, 1) : r;
    if (!c.enabled) {
        // Disabled text is engraved: white below right, grey on top.
        CentredText(p, font, text.Offset(1, 1), caption, kHighlight);
        CentredText(p, font, text, caption, kShadow);
    } else {
        CentredText(p, font, text, caption, kDarkShadow);
    }
    if (focused)
        p.FocusFrame({r.x + 3, r.y + 3, r.w - 6, r.h - 6}, kDarkShadow);
}

void DrawStaticText(Painter& p, const WebControl& c, const FontRequest& font)
{
    const std::string text = (c.style & CS_NOPREFIX) ? c.Text() : WithoutPrefixes(c.Text());
    const int lineHeight = LineHeight(font);
    int y = 0;
    for (const std::string& line : WrapText(font, text, c.rect.w)) {
        if (c.style & CS_CENTER)
            p.Text(font, c.rect.w / 2, y, line, kDarkShadow, TA_CENTER | TA_TOP);
        else
            p.Text(font, 0, y, line, kDarkShadow);
        y += lineHeight;
    }
}

void DrawBlackFrame(Painter& p, const WebControl& c)
{
    // Only the outline: the window's own pixels show through the middle.
    Box r{0, 0, c.rect.w, c.rect.h};
    if (c.style & CS_SUNKEN) {
        // Client edge outside, static edge inside it.
        p.Edge(r, kShadow, kHighlight);
        p.Edge(r.Inset(1), kDarkShadow, kLight);
        r = r.Inset(2);
        const int x1 = r.Right() - 1, y1 = r.Bottom() - 1;
        p.HLine(r.x, x1, r.y, kShadow);
        p.VLine(r.x, r.y, y1, kShadow);
        p.HLine(r.x, x1, y1, kHighlight);
        p.VLine(x1, r.y, y1, kHighlight);
        r = r.Inset(1);
    }
    p.Frame(r, kDarkShadow);
}

void DrawGroupBox(Painter& p, const WebControl& c, const FontRequest& font)
{
    // An etched frame whose top line runs through the middle of the caption.
    const int height = LineHeight(font);
    const int top = height / 2;
    const int w = c.rect.w, h = c.rect.h;
    p.Frame({0, top, w - 1, h - top - 1}, kShadow);
    p.HLine(1, w - 4, top + 1, kHighlight);
    p.VLine(1, top + 1, h - 4, kHighlight);
    p.HLine(0, w - 2, h - 2, kHighlight);
    p.VLine(w - 2, top, h - 2, kHighlight);
    if (c.Text().empty())
        return;
    const Box caption{8, 0, TextWidth(font, c.Text()) + 4, height};
    p.Fill(caption, kFace);
    CentredText(p, font, caption, c.Text(), kDarkShadow);
}

void DrawEdit(Painter& p, const WebControl& c, const FontRequest& font, bool focused)
{
    const Box r{0, 0, c.rect.w, c.rect.h};
    const bool readOnly = (c.style & CS_READONLY) != 0;
    const bool bare = !(c.style & (CS_SUNKEN | CS_BORDER));
    p.Fill(r, bare && readOnly ? kFace : kWhite);
    if (c.style & CS_SUNKEN) {
        p.Edge(r, kShadow, kHighlight);
    } else if (c.style & CS_BORDER) {
        p.Edge(r, kShadow, kHighlight);
        p.Edge(r.Inset(1), kDarkShadow, kLight);
    }
    const Box box = EditTextBox(c);
    Painter t = p.Clipped(box);
    if (c.style & CS_MULTILINE) {
        int y = box.y;
        for (const std::string& line : WrapText(font, c.Text(), box.w)) {
            t.Text(font, box.x, y, line, kDarkShadow);
            y += LineHeight(font);
        }
        return;
    }
    const int lineTop = box.y + (box.h - LineHeight(font)) / 2;
    int left = box.x - c.edit.scroll;
    if (c.style & CS_RIGHT)
        left = box.Right() - TextWidth(font, c.Text());
    const std::string& text = c.Text();
    if (focused && c.edit.HasSelection()) {
        const std::size_t s = c.edit.SelStart(), e = c.edit.SelEnd();
        const int xs = left + TextWidth(font, text.substr(0, s));
        const int xe = left + TextWidth(font, text.substr(0, e));
        t.Text(font, left, lineTop, text.substr(0, s), kDarkShadow);
        t.Fill({xs, lineTop, xe - xs, LineHeight(font)}, kSelection);
        t.Text(font, xs, lineTop, text.substr(s, e - s), kSelectedText);
        t.Text(font, xe, lineTop, text.substr(e), kDarkShadow);
    } else {
        t.Text(font, left, lineTop, text, kDarkShadow);
    }
    if (focused && !readOnly) {
        const int x = left + TextWidth(font, text.substr(0, c.edit.caret));
        t.VLine(x, lineTop, lineTop + LineHeight(font) - 1, kDarkShadow);
    }
}

} // namespace

Box EditTextBox(const WebControl& c)
{
    const int edge = (c.style & CS_BORDER) ? 2 : (c.style & CS_SUNKEN) ? 1 : 0;
    // A little room between the edge and the text, as a line edit leaves.
    const int pad = (c.style & CS_MULTILINE) ? 0 : 2;
    return {edge + pad, edge, c.rect.w - 2 * (edge + pad), c.rect.h - 2 * edge};
}

int PlaceCaret(WebControl& c, const FontRequest& font)
{
    const Box box = EditTextBox(c);
    const int x = TextWidth(font, c.Text().substr(0, c.edit.caret));
    if (x - c.edit.scroll > box.w - 1)
        c.edit.scroll = x - box.w + 1;
    if (x - c.edit.scroll < 0)
        c.edit.scroll = x;
    return x - c.edit.scroll;
}

void DrawControl(Painter& p, const WebControl& c, const FontRequest& font, bool focused,
                 bool isDefault)
{
    if (!c.visible)
        return;
    Painter at = p.Moved(c.rect.x, c.rect.y).Clipped({0, 0, c.rect.w, c.rect.h});
    if (c.IsButton())
        DrawButton(at, c, font, focused, isDefault);
    else if (c.IsEdit())
        DrawEdit(at, c, font, focused);
    else if (c.style & (CS_BITMAP | CS_ICON))
        at.Picture(0, 0, c.picture);
    else if (c.style & CS_BLACKRECT)
        at.Fill({0, 0, c.rect.w, c.rect.h}, kDarkShadow);
    else if (c.style & CS_WHITERECT)
        at.Fill({0, 0, c.rect.w, c.rect.h}, kHighlight);
    else if (c.style & CS_GRAYRECT)
        at.Fill({0, 0, c.rect.w, c.rect.h}, kShadow);
    else if (c.style & CS_GROUPBOX)
        DrawGroupBox(at, c, font);
    else if (c.style & CS_BLACKFRAME)
        DrawBlackFrame(at, c);
    else
        DrawStaticText(at, c, font);
}
