#include "platform/qt/StaticControl.h"

#include <QPaintEvent>

StaticControl::StaticControl(const ControlTemplate& t, Surface picture, QWidget* parent)
    : QWidget(parent), m_cls(t.cls), m_style(t.style), m_picture(std::move(picture))
{
    if (!(m_style & (CS_BITMAP | CS_ICON)))
        m_text = t.caption ? t.caption : "";
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

DialogControl StaticControl::Look() const
{
    DialogControl c;
    c.cls = m_cls;
    c.style = m_style;
    c.rect = {x(), y(), width(), height()};
    c.enabled = isEnabled();
    c.visible = !isHidden();
    c.edit.text = m_text;
    c.picture = m_picture;
    return c;
}

void StaticControl::paintEvent(QPaintEvent* event)
{
    PaintClassic(*this, *event);
}
