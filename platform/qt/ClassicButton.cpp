#include "platform/qt/ClassicButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/qt/QtLook.h"

ClassicButton::ClassicButton(const QString& text, bool flat, bool isDefault, QWidget* parent)
    : QPushButton(text, parent), m_bFlat(flat), m_bDefault(isDefault)
{
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClassicButton::keyPressEvent(QKeyEvent* event)
{
    // The window turns Return into the command of the focused button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ClassicButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, QtLook::Face());
    const bool pressed = isDown();
    if ((m_bDefault || hasFocus()) && !m_bFlat) {
        // The default button wears a black outline round its edges.
        p.setPen(QtLook::DarkShadow());
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    if (m_bFlat)
        PaintFlat(p, r);
    else if (pressed) {
        p.setPen(QtLook::Shadow());
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else
        QtLook::DrawEdge(p, r, QtLook::Edge::Button);
    PaintText(p, r, pressed);
    if (hasFocus()) {
        // The dotted focus rectangle inside the edges.
        QPen dots(QtLook::DarkShadow(), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void ClassicButton::PaintFlat(QPainter& p, QRect r)
{
    // Flat: one thin dark line round the face; pressed, it darkens inside.
    if (isDown())
        p.fillRect(r.adjusted(1, 1, -1, -1), QtLook::Light());
    p.setPen(isEnabled() ? QtLook::DarkShadow() : QtLook::Shadow());
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void ClassicButton::PaintText(QPainter& p, QRect r, bool pressed)
{
    if (pressed)
        r.translate(1, 1);
    p.setFont(font());
    // The caption's line centred on whole pixels, so that it never lands
    // between two rows and smears; not clipped to that line, so that the
    // accents above it and the cedillas below show whole.
    const QFontMetrics fm(font());
    const QRect line(r.left(), r.top() + (r.height() - fm.height()) / 2, r.width(), fm.height());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip;
    if (!isEnabled()) {
        // Disabled text is engraved: white below right, grey on top.
        p.setPen(QtLook::Highlight());
        p.drawText(line.translated(1, 1), flags, text());
        p.setPen(QtLook::Shadow());
    } else {
        p.setPen(QtLook::DarkShadow());
    }
    p.drawText(line, flags, text());
}
