#include "platform/DialogTemplate.h"

#include <cstring>

DialogUnits BaseUnitsFor(const DialogTemplate& t)
{
    // Base units are the font's average character width / 4 and its cell
    // height / 8. "MS Sans Serif" 8 at 96 dpi has 6 x 13 pixels; other faces
    // and sizes scale from it by point size.
    double width = 6.0;
    double height = 13.0;
    if (t.fontFace && std::strcmp(t.fontFace, "Comic Sans MS") == 0) {
        width = 7.0;
        height = 15.0;
    }
    const double scale = t.pointSize > 0 ? t.pointSize / 8.0 : 1.0;
    return {width * scale / 4.0, height * scale / 8.0};
}

int DluToPixelsX(const DialogTemplate& t, int units)
{
    return static_cast<int>(units * BaseUnitsFor(t).xPerUnit);
}

int DluToPixelsY(const DialogTemplate& t, int units)
{
    return static_cast<int>(units * BaseUnitsFor(t).yPerUnit);
}

Box ControlRect(const DialogTemplate& t, const ControlTemplate& c)
{
    // Both edges are converted, so that neighbours in dialog units stay
    // neighbours in pixels.
    const int left = DluToPixelsX(t, c.x);
    const int top = DluToPixelsY(t, c.y);
    return {left, top, DluToPixelsX(t, c.x + c.cx) - left, DluToPixelsY(t, c.y + c.cy) - top};
}

Box ClientBox(const DialogTemplate* t)
{
    if (!t)
        return {0, 0, 800, 500};
    return {0, 0, DluToPixelsX(*t, t->cx), DluToPixelsY(*t, t->cy)};
}

namespace {
// A modal frame: the raised double edge (2 px) and a line of the face.
constexpr int kModalFrame = 3;
// A caption bar of the dialog font's height and a few pixels round it.
constexpr int kCaptionBar = 18;
} // namespace

WindowFrame CaptionedFrame()
{
    WindowFrame f;
    f.border = kModalFrame;
    f.caption = kCaptionBar;
    return f;
}

WindowFrame FrameOf(const DialogTemplate* t, bool ownCaption)
{
    WindowFrame f;
    if (!t)
        return f;
    if (t->style & DS_CAPTION)
        return ownCaption ? CaptionedFrame() : f;
    if (t->style & DS_MODALFRAME) {
        f.border = kModalFrame;
    } else if (t->style & DS_THINBORDER) {
        f.border = 1;
        f.thin = true;
    }
    return f;
}

Box OuterBox(const Box& client, const WindowFrame& frame)
{
    return {0, 0, client.w + 2 * frame.border, client.h + 2 * frame.border + frame.caption};
}

Box ClientInOuter(const Box& client, const WindowFrame& frame)
{
    return {frame.border, frame.border + frame.caption, client.w, client.h};
}

bool TakesFocus(const ControlFacts& c)
{
    const bool button = c.cls == ControlClass::Button && !(c.style & CS_GROUPBOX);
    const bool edit = c.cls == ControlClass::Edit;
    return c.visible && c.enabled && (c.style & CS_TABSTOP) && (button || edit);
}

int FirstTabStop(const std::vector<ControlFacts>& controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (TakesFocus(controls[i]))
            return static_cast<int>(i);
    return -1;
}

int NextTabStop(const std::vector<ControlFacts>& controls, int from, bool backwards)
{
    const int n = static_cast<int>(controls.size());
    // From no control, forwards starts before the first and backwards at it,
    // so Shift+Tab reaches the last.
    const int start = from >= 0 ? from : (backwards ? 0 : -1);
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (backwards ? -step : step)) % n + n) % n;
        if (TakesFocus(controls[static_cast<std::size_t>(i)]))
            return i;
    }
    return -1;
}

int ReturnCommand(const std::vector<ControlFacts>& controls, int focus)
{
    int defaultId = IDOK;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlFacts& c = controls[i];
        const bool button = c.cls == ControlClass::Button && !(c.style & CS_GROUPBOX);
        const bool focused = static_cast<int>(i) == focus;
        if (button && focused)
            return c.id;
        if (c.cls == ControlClass::Edit && focused && (c.style & CS_WANTRETURN))
            return 0;
        if (button && (c.style & CS_DEFAULT))
            defaultId = c.enabled ? c.id : 0;
    }
    return defaultId;
}
