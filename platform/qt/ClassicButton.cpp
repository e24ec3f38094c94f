#include "platform/qt/ClassicButton.h"

#include <QKeyEvent>

#include "platform/qt/DialogWindow.h"

ClassicButton::ClassicButton(const ControlTemplate& t, QWidget* parent)
    : QPushButton(QString::fromUtf8(t.caption), parent), m_id(t.id), m_style(t.style)
{
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DialogControl ClassicButton::Look() const
{
    DialogControl c;
    c.id = m_id;
    c.cls = ControlClass::Button;
    c.style = m_style;
    c.rect = {x(), y(), width(), height()};
    c.enabled = isEnabled();
    c.visible = !isHidden();
    c.pressed = isDown();
    c.edit.text = text().toStdString();
    return c;
}

void ClassicButton::paintEvent(QPaintEvent* event)
{
    PaintClassic(*this, *event);
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

void ClassicButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    // The default button's outline follows the focus between buttons.
    if (auto* window = dynamic_cast<DialogWindow*>(this->window()))
        window->UpdateDefaultButtons();
}

void ClassicButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    if (auto* window = dynamic_cast<DialogWindow*>(this->window()))
        window->UpdateDefaultButtons();
}
