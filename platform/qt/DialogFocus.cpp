// The parts of a dialog window's client area, its focus by the framework's
// rule, and the ring over the client area once keys are in use.
#include <QApplication>

#include "platform/ClassicLook.h"
#include "platform/ClientOverlay.h"
#include "platform/Dialog.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/OverlayWidget.h"
#include "platform/qt/PartWidget.h"

void DialogWindow::SyncParts()
{
    const std::vector<ClientPart>& parts = m_dlg.GetClientParts();
    bool added = false;
    for (auto it = m_parts.begin(); it != m_parts.end();) {
        const ClientPart* p = m_dlg.FindClientPart(it->first);
        if (p) {
            ++it;
            continue;
        }
        delete it->second;
        it = m_parts.erase(it);
    }
    for (const ClientPart& p : parts) {
        auto it = m_parts.find(p.id);
        if (it != m_parts.end()) {
            it->second->Update(p);
            continue;
        }
        auto* widget = new PartWidget(m_backend, m_dlg, p, m_pClient);
        widget->show();
        m_parts[p.id] = widget;
        added = true;
    }
    if (added)
        ApplyTabOrder();
    UpdateOverlay();
}

QWidget* DialogWindow::WidgetOf(const FocusStop& stop) const
{
    if (stop.kind == FocusStop::Control && stop.index >= 0 &&
        stop.index < static_cast<int>(m_items.size())) {
        QWidget* w = m_items[static_cast<std::size_t>(stop.index)].widget;
        return w->focusProxy() ? w->focusProxy() : w;
    }
    if (stop.kind == FocusStop::Part) {
        auto it = m_parts.find(stop.index);
        return it == m_parts.end() ? nullptr : it->second;
    }
    return nullptr;
}

void DialogWindow::ApplyTabOrder()
{
    // Qt's focus chain in the framework's order: each stop right after the
    // one before it.
    QWidget* previous = nullptr;
    for (const FocusStop& stop : TabOrder(Facts(), m_dlg.GetClientParts())) {
        QWidget* w = WidgetOf(stop);
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

FocusStop DialogWindow::FocusedStop() const
{
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        focus = focusWidget();
    if (!focus)
        return {};
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const QWidget* w = m_items[i].widget;
        if (w == focus || (w->focusProxy() && w->focusProxy() == focus))
            return FocusStop::OfControl(static_cast<int>(i));
    }
    for (const auto& [id, widget] : m_parts)
        if (widget == focus)
            return FocusStop::OfPart(id);
    return {};
}

void DialogWindow::FocusStopNow(const FocusStop& stop)
{
    if (QWidget* w = WidgetOf(stop))
        w->setFocus(Qt::TabFocusReason);
}

int DialogWindow::FocusedPart() const
{
    const FocusStop stop = FocusedStop();
    return stop.kind == FocusStop::Part ? stop.index : 0;
}

void DialogWindow::FocusMoved()
{
    UpdateOverlay();
}

void DialogWindow::NoteDisabling(int id)
{
    const FocusStop stop = FocusedStop();
    if (stop.kind == FocusStop::Control &&
        m_items[static_cast<std::size_t>(stop.index)].tpl->id == id)
        m_pendingSettle = stop;
}

void DialogWindow::SettleFocus()
{
    if (m_pendingSettle.IsNone())
        return;
    const FocusStop to = SettledFocus(Facts(), m_dlg.GetClientParts(), m_pendingSettle);
    m_pendingSettle = {};
    if (!to.IsNone())
        FocusStopNow(to);
}

void DialogWindow::UpdateOverlay()
{
    if (!m_pOverlay)
        return;
    const FocusStop stop = FocusedStop();
    Box around;
    if (stop.kind == FocusStop::Control) {
        const QRect g = m_items[static_cast<std::size_t>(stop.index)].widget->geometry();
        around = {g.x(), g.y(), g.width(), g.height()};
    } else if (const ClientPart* p = m_dlg.FindClientPart(stop.index);
               p && stop.kind == FocusStop::Part) {
        around = p->rect;
    }
    m_pOverlay->Show(OverlayFor(m_dlg.GetClientParts(), m_bCues, around));
}
