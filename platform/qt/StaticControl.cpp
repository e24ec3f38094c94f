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
        for (QtLook::Edge edge : {QtLook::Edge::Client, QtLook::Edge::Static}) {
            QtLook::DrawEdge(p, r, edge);
            const int width = QtLook::EdgeWidth(edge);
            r.adjust(width, width, -width, -width);
        }
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
    QtLook::DrawEdge(p, rect().adjusted(0, top, -1, -1), QtLook::Edge::Etched);
    if (m_text.isEmpty())
        return;
    // The caption's line starts low enough for its accents to show.
    const int room = QtLook::AccentRoom(font());
    const QRect caption(8, 0, fm.horizontalAdvance(m_text) + 4, fm.height() + room);
    p.fillRect(caption, QtLook::Face());
    p.setPen(QtLook::DarkShadow());
    p.drawText(caption.left() + 2, room + fm.ascent(), m_text);
}
