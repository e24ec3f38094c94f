#include "platform/web/WebWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/ClassicLook.h"
#include "platform/Gdi.h"
#include "platform/web/IconImage.h"

using namespace ClassicLook;

namespace {
int NextSerial()
{
    static int serial = 0;
    return ++serial;
}
} // namespace

WebWindow::WebWindow(CWnd& wnd, const DialogTemplate* tpl, bool fillsPage)
    : m_wnd(wnd), m_tpl(tpl), m_font(TemplateFont(tpl)), m_frame(FrameOf(tpl, !fillsPage)),
      m_serial(NextSerial())
{
    // A captioned window that is not the page's own shows its caption.
    if (m_frame.caption > 0)
        m_caption = tpl->caption ? tpl->caption : "";
    Place(ClientBox(tpl));
    BuildControls();
}

WebWindow::WebWindow(CWnd& wnd, const std::string& caption, int clientW, int clientH)
    : m_wnd(wnd), m_tpl(nullptr), m_font(TemplateFont(nullptr)), m_frame(CaptionedFrame()),
      m_caption(caption), m_serial(NextSerial())
{
    Place({0, 0, clientW, clientH});
}

void WebWindow::Place(const Box& client)
{
    m_clientBox = ClientInOuter(client, m_frame);
    // The window's pixels start as the dialog's face, as a classic dialog
    // erases its background before anything is drawn.
    m_client.Reset(client.w, client.h, kFace);
    m_clientShown = m_client;
    const Box outer = OuterBox(client, m_frame);
    m_width = outer.w;
    m_height = outer.h;
    InvalidateAll();
}

Box WebWindow::OuterSize(const DialogTemplate* tpl, bool fillsPage)
{
    return OuterBox(ClientBox(tpl), FrameOf(tpl, !fillsPage));
}

void WebWindow::MoveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void WebWindow::BuildControls()
{
    if (!m_tpl)
        return;
    m_controls.Build(*m_tpl);
    for (std::size_t i = 0; i < m_controls.Size(); ++i) {
        DialogControl& c = m_controls[i];
        const ControlTemplate& t = m_tpl->controls[i];
        if (t.style & CS_ICON) {
            LoadAppIcon(c.picture, kFace);
        } else if (t.style & CS_BITMAP) {
            CBitmap bitmap;
            if (bitmap.LoadBitmap(static_cast<UINT>(std::atoi(t.caption))))
                c.picture = *bitmap.GetSurface();
        }
        if (c.IsPicture()) {
            // A picture control takes the size of its picture.
            c.rect.w = c.picture.width;
            c.rect.h = c.picture.height;
        }
    }
}

void WebWindow::AddControl(DialogControl c)
{
    ControlChanged(m_controls.Add(std::move(c)));
}

void WebWindow::ControlChanged(const DialogControl& c)
{
    Invalidate(c.rect.Offset(m_clientBox.x, m_clientBox.y));
}

int WebWindow::TypedEdit() const
{
    for (std::size_t i = 0; i < m_controls.Size(); ++i)
        if (m_controls[i].IsTypedInto() && m_controls[i].visible)
            return static_cast<int>(i);
    return -1;
}

// --- The picture -----------------------------------------------------------------

void WebWindow::ClientChanged()
{
    // Only what changed is drawn again: most timer ticks change a few pixels,
    // or none.
    const Surface::Change c = m_clientShown.CatchUpWith(m_client);
    if (c.w > 0)
        Invalidate(Box{c.x, c.y, c.w, c.h}.Offset(m_clientBox.x, m_clientBox.y));
}

Box WebWindow::Update()
{
    const Box region = m_dirty.Intersect({0, 0, m_width, m_height});
    m_dirty = Box{};
    return region.Empty() ? Box{} : region.Offset(m_x, m_y);
}

void WebWindow::DrawInto(Surface& target, Box pageRegion, int originX, int originY) const
{
    // The window's own coordinates, clipped to the part of the page asked for.
    const Box region = pageRegion.Offset(-m_x, -m_y).Intersect({0, 0, m_width, m_height});
    if (region.Empty())
        return;
    // Where the window's (0, 0) falls on the target.
    const int dx = m_x - originX, dy = m_y - originY;
    Painter p(target, region.Offset(dx, dy), dx, dy);
    DrawWindowFrame(p, {0, 0, m_width, m_height}, m_frame);
    if (m_frame.caption > 0)
        DrawCaptionBar(p, {m_frame.border, m_frame.border, m_client.width, m_frame.caption},
                       m_caption);
    const Box client = m_clientBox.Intersect(region);
    if (!client.Empty())
        target.CopyFrom(client.x + dx, client.y + dy, client.w, client.h, m_client,
                        client.x - m_clientBox.x, client.y - m_clientBox.y);
    Painter inside = p.Moved(m_clientBox.x, m_clientBox.y);
    // The default button shows as such while no other button has the focus.
    const int focus = Focus();
    const bool focusOnButton = focus >= 0 && m_controls[static_cast<std::size_t>(focus)].IsButton();
    for (int i : m_controls.PaintOrder()) {
        const DialogControl& c = m_controls[static_cast<std::size_t>(i)];
        if (!c.visible || c.rect.Offset(m_clientBox.x, m_clientBox.y).Intersect(region).Empty())
            continue;
        const bool focused = i == focus;
        DrawControl(inside, c, m_font, focused, ShowsAsDefault(c, focused, focusOnButton));
    }
    // The buttons the window has its backend paint go over everything.
    PaintClientOverlay(inside, m_buttons);
}
