#include "platform/qt/ClientArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/ClassicLook.h"
#include "platform/Messages.h"
#include "platform/qt/QtBackend.h"

ClientArea::ClientArea(QtBackend& backend, CWnd& wnd, QSize size, QWidget* parent)
    : QWidget(parent), m_backend(backend), m_wnd(wnd)
{
    // The window's pixels start as the dialog's face, as the classic dialog
    // erases its background before anything is drawn.
    m_pixels.Reset(size.width(), size.height(), ClassicLook::kFace);
    m_shown = m_pixels;
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QRect ClientArea::ChangedSinceShown()
{
    const Surface::Change c = m_shown.CatchUpWith(m_pixels);
    return c.w > 0 ? QRect(c.x, c.y, c.w, c.h) : QRect();
}

void ClientArea::ShowChanges(bool now)
{
    // Only what changed goes to the screen: most timer ticks change a few
    // pixels, or none.
    const QRect changed = ChangedSinceShown();
    if (changed.isEmpty())
        return;
    if (now && isVisible())
        repaint(changed);
    else
        update(changed);
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    const QImage image(reinterpret_cast<const uchar*>(m_pixels.pixels.data()), m_pixels.width,
                       m_pixels.height, m_pixels.width * static_cast<int>(sizeof(Pixel)),
                       QImage::Format_RGB32);
    QPainter p(this);
    for (const QRect& r : event->region())
        p.drawImage(r.topLeft(), image, r);
    ++m_nPaints;
    m_backend.ClientPainted(m_wnd);
}

void ClientArea::SendMouse(unsigned message, QMouseEvent* event, bool leftDown)
{
    const QPoint at = event->position().toPoint();
    m_backend.Input(m_wnd, MSG{message, static_cast<WPARAM>(leftDown ? MK_LBUTTON : 0),
                               MAKELPARAM(at.x(), at.y())});
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDOWN, event, true);
}

void ClientArea::mouseMoveEvent(QMouseEvent* event)
{
    SendMouse(WM_MOUSEMOVE, event, (event->buttons() & Qt::LeftButton) != 0);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONUP, event, false);
}
