// How a dialog window and its controls are painted: each with the classic
// look, onto a surface of the part Qt asks for, shown as an image. A control
// whose glyphs blend with what lies beneath it (a static text) first gets
// that part of the window composed as every backend composes it: the
// client's pixels, then every control painted before it.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "platform/ClassicLook.h"
#include "platform/Painter.h"
#include "platform/qt/ClassicButton.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtLook.h"

void PaintClassic(QWidget& widget, const QPaintEvent& event)
{
    auto* window = dynamic_cast<DialogWindow*>(widget.window());
    const auto* control = dynamic_cast<const ClassicWidget*>(&widget);
    if (window && control)
        window->PaintControl(widget, *control, event.rect());
}

bool DialogWindow::ButtonHasFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == this && dynamic_cast<const ClassicButton*>(focus);
}

void DialogWindow::UpdateDefaultButtons()
{
    for (const Item& item : m_items)
        if (item.tpl->style & CS_DEFAULT)
            item.widget->update();
}

void DialogWindow::ComposeBeneath(const QWidget& widget, const Box& part, Surface& out) const
{
    out.CopyFrom(0, 0, part.w, part.h, m_pClient->Pixels(), part.x, part.y);
    Painter p(out, {0, 0, part.w, part.h}, -part.x, -part.y);
    std::vector<DialogControl> looks;
    for (const Item& item : m_items)
        looks.push_back(item.look->Look());
    const bool buttonFocus = ButtonHasFocus();
    for (int i : PaintOrder(looks)) {
        const Item& item = m_items[static_cast<std::size_t>(i)];
        if (item.widget == &widget)
            break;
        const DialogControl& below = looks[static_cast<std::size_t>(i)];
        if (!below.visible || below.rect.Intersect(part).Empty())
            continue;
        const bool focused = item.widget->hasFocus();
        if (item.look->ShowsOnlyItsFrame())
            ClassicLook::DrawEditFrame(p, below);
        else
            ClassicLook::DrawControl(p, below, m_font, focused,
                                     ClassicLook::ShowsAsDefault(below, focused, buttonFocus));
    }
}

void DialogWindow::PaintControl(QWidget& widget, const ClassicWidget& control, const QRect& region)
{
    const DialogControl c = control.Look();
    const Box part{c.rect.x + region.x(), c.rect.y + region.y(), region.width(), region.height()};
    Surface pixels(part.w, part.h, QtLook::kUnpainted);
    if (ClassicLook::BlendsWithBackground(c))
        ComposeBeneath(widget, part, pixels);
    Painter p(pixels, {0, 0, part.w, part.h}, -part.x, -part.y);
    const bool focused = widget.hasFocus();
    if (control.ShowsOnlyItsFrame())
        ClassicLook::DrawEditFrame(p, c);
    else
        ClassicLook::DrawControl(p, c, m_font, focused,
                                 ClassicLook::ShowsAsDefault(c, focused, ButtonHasFocus()));
    QPainter(&widget).drawImage(region.topLeft(), QtLook::ImageOf(pixels));
}

void DialogWindow::paintEvent(QPaintEvent* event)
{
    if (m_frame.border == 0)
        return;
    const QRect region = event->rect();
    Surface pixels(region.width(), region.height(), QtLook::kUnpainted);
    Painter p(pixels, {0, 0, region.width(), region.height()}, -region.x(), -region.y());
    ClassicLook::DrawWindowFrame(p, {0, 0, width(), height()}, m_frame);
    QPainter(this).drawImage(region.topLeft(), QtLook::ImageOf(pixels));
}
