#include "platform/qt/PartWidget.h"

#include <QAccessible>
#include <QKeyEvent>

#include "platform/Messages.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/PartAccessible.h"
#include "platform/qt/QtBackend.h"

namespace {
// The window's key code for a key Qt names; 0 for a key the parts leave to
// the window (F1, Escape).
UINT VirtualKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    default:
        return 0;
    }
}
} // namespace

PartWidget::PartWidget(QtBackend& backend, CWnd& wnd, const ClientPart& part, QWidget* parent)
    : QWidget(parent), m_backend(backend), m_wnd(wnd), m_part(part)
{
    // Nothing of its own on the screen, and the mouse goes to the client
    // area beneath, as before the part existed.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(part.focusable ? Qt::TabFocus : Qt::NoFocus);
    setGeometry(part.rect.x, part.rect.y, part.rect.w, part.rect.h);
}

void PartWidget::Update(const ClientPart& part)
{
    const ClientPart was = m_part;
    m_part = part;
    setFocusPolicy(part.focusable ? Qt::TabFocus : Qt::NoFocus);
    if (part.rect != was.rect)
        setGeometry(part.rect.x, part.rect.y, part.rect.w, part.rect.h);
    PartAccessible::Changed(*this, was);
}

void PartWidget::paintEvent(QPaintEvent*) {}

void PartWidget::keyPressEvent(QKeyEvent* event)
{
    const UINT vk = VirtualKey(event->key());
    if (vk == 0) {
        event->ignore(); // F1 and Escape are the window's
        return;
    }
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    m_backend.InputKey(m_wnd, vk, shift);
}

void PartWidget::PressSpace()
{
    m_backend.InputKey(m_wnd, VK_SPACE, false);
}

void PartWidget::Activate()
{
    m_backend.Input(m_wnd,
                    MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(m_part.id), BN_CLICKED), 0});
}

void PartWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (auto* window = dynamic_cast<DialogWindow*>(this->window()))
        window->FocusMoved();
}

void PartWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (auto* window = dynamic_cast<DialogWindow*>(this->window()))
        window->FocusMoved();
}

void PartWidget::ShowToAssistiveTechnology()
{
    QAccessible::installFactory(PartAccessible::Factory);
}
