#include "platform/qt/StaticControl.h"

#include <QPainter>

#include "platform/qt/QtLook.h"

namespace {
// Takes out the '&' markers of a caption: "&&" shows one ampersand.
QString WithoutPrefixes(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}
} // namespace

StaticControl::StaticControl(const ControlTemplate& t, const QImage& picture, QWidget* parent)
    : QWidget(parent), m_style(t.style), m_text(QString::fromUtf8(t.caption)), m_picture(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (!(m_style & CS_NOPREFIX))
        m_text = WithoutPrefixes(m_text);
}

void StaticControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_style & (CS_BITMAP | CS_ICON))
        p.drawImage(0, 0, m_picture);
    else if (m_style & CS_BLACKRECT)
        p.fillRect(r, QtLook::DarkShadow());
    else if (m_style & CS_WHITERECT)
        p.fillRect(r, QtLook::Highlight());
    else if (m_style & CS_GRAYRECT)
        p.fillRect(r, QtLook::Shadow());
    else if (m_style & CS_GROUPBOX)
        PaintGroupBox(p);
    else if (m_style & CS_BLACKFRAME)
        PaintBlackFrame(p);
    else
        PaintText(p);
}

void StaticControl::PaintText(QPainter& p)
{
    const int align = (m_style & CS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    p.setFont(font());
    p.setPen(QtLook::DarkShadow());
    // Lowered by the accents' room and not clipped to the lines' own boxes:
    // "À" or "Ç" shows whole.
    p.drawText(rect().adjusted(0, QtLook::AccentRoom(font()), 0, 0),
               align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, m_text);
}

void StaticControl::PaintBlackFrame(QPainter& p)
{
    // Only the outline: the window's own pixels show through the middle.
    QRect r = rect();
    if (m_style & CS_SUNKEN) {
        // Client edge outside, static edge inside it.
        const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
        p.setPen(QtLook::Shadow());
        p.drawLine(x0, y0, x1 - 1, y0);
        p.drawLine(x0, y0, x0, y1 - 1);
        p.setPen(QtLook::Highlight());
        p.drawLine(x0, y1, x1, y1);
        p.drawLine(x1, y0, x1, y1);
        p.setPen(QtLook::DarkShadow());
        p.drawLine(x0 + 1, y0 + 1, x1 - 2, y0 + 1);
        p.drawLine(x0 + 1, y0 + 1, x0 + 1, y1 - 2);
        p.setPen(QtLook::Light());
        p.drawLine(x0 + 1, y1 - 1, x1 - 1, y1 - 1);
        p.drawLine(x1 - 1, y0 + 1, x1 - 1, y1 - 1);
        r.adjust(2, 2, -2, -2);
        p.setPen(QtLook::Shadow());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(QtLook::Highlight());
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
    p.setPen(QtLook::DarkShadow());
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void StaticControl::PaintGroupBox(QPainter& p)
{
    // An etched frame whose top line runs through the middle of the caption.
    p.setFont(font());
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    p.setPen(QtLook::Shadow());
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(QtLook::Highlight());
    p.drawLine(frame.left() + 1, frame.top() + 1, frame.right() - 2, frame.top() + 1);
    p.drawLine(frame.left() + 1, frame.top() + 1, frame.left() + 1, frame.bottom() - 2);
    p.drawLine(frame.left(), frame.bottom(), frame.right(), frame.bottom());
    p.drawLine(frame.right(), frame.top(), frame.right(), frame.bottom());
    if (m_text.isEmpty())
        return;
    // The caption's line starts low enough for its accents to show.
    const int room = QtLook::AccentRoom(font());
    const QRect caption(8, 0, fm.horizontalAdvance(m_text) + 4, fm.height() + room);
    p.fillRect(caption, QtLook::Face());
    p.setPen(QtLook::DarkShadow());
    p.drawText(caption.left() + 2, room + fm.ascent(), m_text);
}
