// The scripted backend's keyboard: the focus by the framework's one rule,
// keys routed as every backend routes them, the ring and the painted parts
// over the client pixels, and what assistive technology would be told.
#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/headless/HeadlessBackend.h"

void HeadlessBackend::Key(CWnd& wnd, UINT vk, bool shift)
{
    Window* w = Find(wnd);
    if (!w)
        return;
    w->focus.ShowCues();
    const KeyAction action =
        RouteKey(vk, shift, w->controls.Facts(), wnd.GetClientParts(), w->focus.Current());
    switch (action.kind) {
    case KeyAction::MoveFocus:
        w->focus.Set(action.to);
        break;
    case KeyAction::Command:
        Deliver(wnd, MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(action.command), BN_CLICKED), 0});
        break;
    case KeyAction::KeyToWindow:
        m_shiftDown = shift;
        Deliver(wnd, MSG{WM_KEYDOWN, vk, MAKELPARAM(1, 0)});
        m_shiftDown = false;
        break;
    case KeyAction::None:
        break;
    }
}

void HeadlessBackend::SettleFocus()
{
    for (auto& [wnd, w] : m_windows)
        w->focus.Settle(w->controls.Facts(), wnd->GetClientParts());
}

void HeadlessBackend::ClientPartsChanged(CWnd&)
{
    ++m_partChanges;
}

int HeadlessBackend::FocusedPart(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? w->focus.FocusedPart() : 0;
}

void HeadlessBackend::Announce(CWnd&, const CString& text)
{
    m_announcements.push_back(text.str());
}

FocusStop HeadlessBackend::Focus(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w ? w->focus.Current() : FocusStop{};
}

bool HeadlessBackend::CuesShown(CWnd& wnd)
{
    Window* w = Find(wnd);
    return w && w->focus.CuesShown();
}

int HeadlessBackend::FocusedControl(CWnd& wnd)
{
    Window* w = Find(wnd);
    if (!w || w->focus.Current().kind != FocusStop::Control)
        return 0;
    return w->controls[static_cast<std::size_t>(w->focus.Current().index)].id;
}

ClientOverlay HeadlessBackend::Overlay(CWnd& wnd)
{
    Window* w = Find(wnd);
    if (!w)
        return {};
    return OverlayFor(wnd.GetClientParts(), w->focus.CuesShown(),
                      w->focus.FocusBox(w->controls.All(), wnd.GetClientParts()));
}

COLORREF HeadlessBackend::ShownPixel(CWnd& wnd, int x, int y)
{
    const ClientOverlay overlay = Overlay(wnd);
    if (!overlay.Extent().Contains(x, y))
        return ClientPixel(wnd, x, y);
    Surface pixel(1, 1, PixelFromColor(ClientPixel(wnd, x, y)));
    Painter p(pixel, {0, 0, 1, 1}, -x, -y);
    PaintClientOverlay(p, overlay);
    return ColorFromPixel(pixel.At(0, 0));
}

AccessibleWindow HeadlessBackend::Describe(CWnd& wnd)
{
    Window* w = Find(wnd);
    if (!w)
        return {};
    WindowFacts facts;
    facts.tpl = w->tpl;
    facts.controls = &w->controls.All();
    facts.parts = &wnd.GetClientParts();
    for (const DialogControl& c : w->controls.All())
        if (const std::string name = wnd.AccessibleName(c.id); !name.empty())
            facts.names.push_back({c.id, name});
    facts.focus = w->focus.Current();
    facts.alert = wnd.IsAlert();
    return DescribeWindow(facts);
}
