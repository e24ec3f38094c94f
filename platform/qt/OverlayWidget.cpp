#include "platform/qt/OverlayWidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/QtLook.h"

OverlayWidget::OverlayWidget(QWidget* client) : QWidget(client)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, client->width(), client->height());
    raise();
}

void OverlayWidget::Show(const ClientOverlay& overlay)
{
    if (overlay == m_overlay)
        return;
    const Box dirty = m_overlay.Extent().Union(overlay.Extent());
    m_overlay = overlay;
    raise();
    if (!dirty.Empty())
        update(dirty.x, dirty.y, dirty.w, dirty.h);
}

void OverlayWidget::paintEvent(QPaintEvent* event)
{
    const QRect r = event->rect();
    if (m_overlay.Empty() || r.isEmpty())
        return;
    // Unpainted pixels stay transparent: the window shows through.
    Surface pixels(r.width(), r.height(), QtLook::kUnpainted);
    Painter p(pixels, {0, 0, r.width(), r.height()}, -r.x(), -r.y());
    PaintClientOverlay(p, m_overlay);
    QPainter(this).drawImage(r.topLeft(), QtLook::ImageOf(pixels));
}
