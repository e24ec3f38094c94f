// Each classic control painted onto a surface: push buttons (raised, flat,
// default, pressed, disabled, focused), static texts, black, white and grey
// rectangles, black frames, group boxes, pictures, and edits with their
// caret and selection.
#include "platform/ClassicLook.h"

namespace ClassicLook {

namespace {
// The focus rectangle stands this far inside a button's edges.
constexpr int kFocusInset = 3;
// A group box's caption starts this far in, on a face-coloured gap in the
// frame two pixels wider on either side.
constexpr int kGroupCaptionGap = 8;
constexpr int kGroupCaptionMargin = 2;
// A single-line edit leaves this much room between its edge and its text.
constexpr int kEditPadding = 2;

void CentredText(Painter& p, const FontRequest& font, Box r, const std::string& text, Pixel color)
{
    const int top = r.y + (r.h - LineHeight(font)) / 2;
    p.Text(font, r.x + r.w / 2, top, text, color, TA_CENTER | TA_TOP);
}

void DrawButton(Painter& p, const DialogControl& c, const FontRequest& font, bool focused,
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
        DrawEdge(p, r, Edge::Button);
    }
    // The caption's line centred on whole pixels, moved a pixel down and
    // right while the button is held; not clipped to that line, so that
    // accents and cedillas show whole.
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
        DrawFocusRect(p, r.Inset(kFocusInset));
}

void DrawStaticText(Painter& p, const DialogControl& c, const FontRequest& font)
{
    const std::string text = (c.style & CS_NOPREFIX) ? c.Text() : WithoutPrefixes(c.Text());
    const int lineHeight = LineHeight(font);
    int y = AccentRoom(font, text);
    for (const std::string& line : WrapText(font, text, c.rect.w)) {
        if (c.style & CS_CENTER)
            p.Text(font, c.rect.w / 2, y, line, kDarkShadow, TA_CENTER | TA_TOP);
        else
            p.Text(font, 0, y, line, kDarkShadow);
        y += lineHeight;
    }
}

void DrawBlackFrame(Painter& p, const DialogControl& c)
{
    // Only the outline: the window's own pixels show through the middle.
    Box r{0, 0, c.rect.w, c.rect.h};
    if (c.style & CS_SUNKEN) {
        // A client edge outside, a static edge inside it.
        for (Edge edge : {Edge::Client, Edge::Static}) {
            DrawEdge(p, r, edge);
            r = r.Inset(EdgeWidth(edge));
        }
    }
    p.Frame(r, kDarkShadow);
}

void DrawGroupBox(Painter& p, const DialogControl& c, const FontRequest& font)
{
    // An etched frame whose top line runs through the middle of the caption.
    const int height = LineHeight(font);
    const int top = height / 2;
    DrawEdge(p, {0, top, c.rect.w - 1, c.rect.h - top - 1}, Edge::Etched);
    const std::string text = WithoutPrefixes(c.Text());
    if (text.empty())
        return;
    // The caption's line starts low enough for its accents to show.
    const int room = AccentRoom(font, text);
    const int width = TextWidth(font, text);
    const Box caption{kGroupCaptionGap, 0, width + 2 * kGroupCaptionMargin, height + room};
    p.Fill(caption, kFace);
    p.Text(font, caption.x + caption.w / 2, room, text, kDarkShadow, TA_CENTER | TA_TOP);
}

void DrawEditFrameAtOrigin(Painter& p, const DialogControl& c)
{
    const Box r{0, 0, c.rect.w, c.rect.h};
    // A read-only field without an edge lies on the dialog's face; the
    // others are white.
    const bool readOnly = (c.style & CS_READONLY) != 0;
    const bool bare = !(c.style & (CS_SUNKEN | CS_BORDER));
    p.Fill(r, bare && readOnly ? kFace : kField);
    if (c.style & CS_SUNKEN)
        DrawEdge(p, r, Edge::Static);
    else if (c.style & CS_BORDER)
        DrawEdge(p, r, Edge::Client);
}

void DrawEdit(Painter& p, const DialogControl& c, const FontRequest& font, bool focused)
{
    DrawEditFrameAtOrigin(p, c);
    const Box box = EditTextBox(c);
    Painter t = p.Clipped(box);
    const std::string& text = c.Text();
    const int lineHeight = LineHeight(font);
    if (c.style & CS_MULTILINE) {
        int y = box.y;
        for (const std::string& line : WrapText(font, text, box.w)) {
            t.Text(font, box.x, y, line, kDarkShadow);
            y += lineHeight;
        }
        return;
    }
    // One line, centred in the field's height.
    const int lineTop = box.y + (box.h - lineHeight) / 2;
    int left = box.x - c.edit.scroll;
    if (c.style & CS_RIGHT)
        left = box.Right() - TextWidth(font, text);
    if (focused && c.edit.HasSelection()) {
        const std::size_t s = c.edit.SelStart(), e = c.edit.SelEnd();
        const int xs = left + TextWidth(font, text.substr(0, s));
        const int xe = left + TextWidth(font, text.substr(0, e));
        t.Text(font, left, lineTop, text.substr(0, s), kDarkShadow);
        t.Fill({xs, lineTop, xe - xs, lineHeight}, kSelection);
        t.Text(font, xs, lineTop, text.substr(s, e - s), kSelectedText);
        t.Text(font, xe, lineTop, text.substr(e), kDarkShadow);
    } else {
        t.Text(font, left, lineTop, text, kDarkShadow);
    }
    // Only an edit that takes typing shows its caret.
    if (focused && !(c.style & CS_READONLY)) {
        const int x = left + TextWidth(font, text.substr(0, c.edit.caret));
        t.VLine(x, lineTop, lineTop + lineHeight - 1, kDarkShadow);
    }
}

} // namespace

bool ShowsAsDefault(const DialogControl& c, bool focused, bool focusOnAButton)
{
    return c.IsButton() && (c.style & CS_DEFAULT) && (!focusOnAButton || focused);
}

bool BlendsWithBackground(const DialogControl& c)
{
    return c.cls == ControlClass::Static &&
           !(c.style & (CS_BITMAP | CS_ICON | CS_BLACKRECT | CS_WHITERECT | CS_GRAYRECT |
                        CS_GROUPBOX | CS_BLACKFRAME));
}

void DrawControl(Painter& p, const DialogControl& c, const FontRequest& font, bool focused,
                 bool isDefault)
{
    if (!c.visible)
        return;
    const Box own{0, 0, c.rect.w, c.rect.h};
    Painter at = p.Moved(c.rect.x, c.rect.y).Clipped(own);
    if (c.IsButton())
        DrawButton(at, c, font, focused, isDefault);
    else if (c.IsEdit())
        DrawEdit(at, c, font, focused);
    else if (c.IsPicture())
        at.Picture(0, 0, c.picture);
    else if (c.style & CS_BLACKRECT)
        at.Fill(own, kDarkShadow);
    else if (c.style & CS_WHITERECT)
        at.Fill(own, kHighlight);
    else if (c.style & CS_GRAYRECT)
        at.Fill(own, kShadow);
    else if (c.style & CS_GROUPBOX)
        DrawGroupBox(at, c, font);
    else if (c.style & CS_BLACKFRAME)
        DrawBlackFrame(at, c);
    else
        DrawStaticText(at, c, font);
}

void DrawEditFrame(Painter& p, const DialogControl& c)
{
    Painter at = p.Moved(c.rect.x, c.rect.y).Clipped({0, 0, c.rect.w, c.rect.h});
    DrawEditFrameAtOrigin(at, c);
}

Box EditTextBox(const DialogControl& c)
{
    const int edge = (c.style & CS_BORDER)   ? EdgeWidth(Edge::Client)
                     : (c.style & CS_SUNKEN) ? EdgeWidth(Edge::Static)
                                             : 0;
    const int pad = (c.style & CS_MULTILINE) ? 0 : kEditPadding;
    return {edge + pad, edge, c.rect.w - 2 * (edge + pad), c.rect.h - 2 * edge};
}

int PlaceCaret(DialogControl& c, const FontRequest& font)
{
    const Box box = EditTextBox(c);
    const int x = TextWidth(font, c.Text().substr(0, c.edit.caret));
    if (x - c.edit.scroll > box.w - 1)
        c.edit.scroll = x - box.w + 1;
    if (x - c.edit.scroll < 0)
        c.edit.scroll = x;
    return x - c.edit.scroll;
}

} // namespace ClassicLook
