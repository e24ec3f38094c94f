// The window registry of the Qt backend and the calls that reach a window's
// controls, pixels, icon and menu.
#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QStyleFactory>
#include <algorithm>

#include "platform/Dialog.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/EditControl.h"
#include "platform/qt/PartWidget.h"
#include "platform/qt/QtLook.h"
#include "platform/qt/WindowAccessible.h"

QtBackend::QtBackend()
    : m_timers([this](CWnd& wnd, UINT id) { Tick(wnd, id); }, [this] { return IsHeld(); })
{
    // The classic grey dialogs, whatever the desktop's theme.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    QApplication::setPalette(QtLook::ClassicPalette());
    QApplication::setFont(QtLook::DialogFont());
    EditControl::ShowToAssistiveTechnology();
    PartWidget::ShowToAssistiveTechnology();
    WindowAccessible::Install();
    // The program ends when its application object returns, never because a
    // window closed: each dialog runs its own loop.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::~QtBackend()
{
    if (GetBackend() == this)
        SetBackend(nullptr);
}

time_seconds QtBackend::NowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

DialogWindow* QtBackend::WindowOf(CWnd& wnd) const
{
    auto it = m_windows.find(&wnd);
    return it == m_windows.end() ? nullptr : it->second->window;
}

void QtBackend::WindowDestroyed(CWnd& wnd)
{
    m_timers.KillAll(wnd);
    m_held.erase(
        std::remove_if(m_held.begin(), m_held.end(), [&](const Held& h) { return h.wnd == &wnd; }),
        m_held.end());
    m_paintsPosted.erase(&wnd);
    m_paintsHeld.erase(&wnd);
    if (m_pCapture == &wnd)
        ReleaseCapture();
    m_windows.erase(&wnd);
    wnd.SetCreated(false);
}

// --- Controls ------------------------------------------------------------

bool QtBackend::HasControl(CWnd& wnd, int id)
{
    DialogWindow* w = WindowOf(wnd);
    return w && w->Control(id);
}

void QtBackend::EnableControl(CWnd& wnd, int id, bool enable)
{
    if (DialogWindow* w = WindowOf(wnd))
        if (QWidget* control = w->Control(id)) {
            if (!enable)
                w->NoteDisabling(id);
            control->setEnabled(enable);
        }
}

void QtBackend::ClientPartsChanged(CWnd& wnd)
{
    if (DialogWindow* w = WindowOf(wnd))
        w->SyncParts();
}

int QtBackend::FocusedPart(CWnd& wnd)
{
    DialogWindow* w = WindowOf(wnd);
    return w ? w->FocusedPart() : 0;
}

bool QtBackend::IsControlEnabled(CWnd& wnd, int id)
{
    DialogWindow* w = WindowOf(wnd);
    QWidget* control = w ? w->Control(id) : nullptr;
    return control && control->isEnabled();
}

void QtBackend::SetControlText(CWnd& wnd, int id, const CString& text)
{
    if (DialogWindow* w = WindowOf(wnd))
        w->SetControlText(id, QString::fromStdString(text.str()));
}

CString QtBackend::GetControlText(CWnd& wnd, int id)
{
    DialogWindow* w = WindowOf(wnd);
    return w ? CString(w->ControlText(id).toStdString()) : CString();
}

// --- Pixels, icon, menu, mouse capture -------------------------------------

Surface* QtBackend::ClientSurface(CWnd& wnd)
{
    DialogWindow* w = WindowOf(wnd);
    return w ? &w->Client().Pixels() : nullptr;
}

void QtBackend::ClientUpdated(CWnd& wnd)
{
    // During blocking work every frame must reach the screen before the
    // handler goes on; otherwise one repaint shows the latest pixels.
    if (DialogWindow* w = WindowOf(wnd))
        w->Client().ShowChanges(m_bSleptInHandler);
}

void QtBackend::ClientPainted(CWnd& wnd)
{
    if (onClientPainted)
        onClientPainted(wnd);
}

bool QtBackend::IsIconic(CWnd& wnd)
{
    DialogWindow* w = WindowOf(wnd);
    return w && w->isMinimized();
}

void QtBackend::SetIcon(CWnd& wnd, HICON icon, bool)
{
    // The icon in every size it has; the window system picks.
    if (DialogWindow* w = WindowOf(wnd); w && icon != 0)
        w->setWindowIcon(QtLook::IconOf(static_cast<unsigned>(icon)));
}

void QtBackend::DrawIcon(CWnd& wnd, int x, int y, HICON icon)
{
    DialogWindow* w = WindowOf(wnd);
    if (!w || icon == 0)
        return;
    Surface& s = w->Client().Pixels();
    QImage image(reinterpret_cast<uchar*>(s.pixels.data()), s.width, s.height,
                 s.width * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.drawPixmap(x, y, QtLook::IconOf(static_cast<unsigned>(icon)).pixmap(32, 32));
    }
    // Keep the pixels' top byte clear, as the framework's surfaces have it.
    for (Pixel& px : s.pixels)
        px &= 0xFFFFFFu;
}

void QtBackend::AppendSystemMenu(CWnd& wnd, UINT flags, UINT id, const CString& text)
{
    if (DialogWindow* w = WindowOf(wnd))
        w->AppendMenuItem({flags, id, QString::fromStdString(text.str())});
}

void QtBackend::SetCapture(CWnd& wnd)
{
    // Qt already keeps the mouse for the widget a button went down on; the
    // explicit grab also keeps it when the capture outlives that press.
    DialogWindow* w = WindowOf(wnd);
    if (!w)
        return;
    if (m_pCapture && m_pCapture != &wnd)
        ReleaseCapture();
    m_pCapture = &wnd;
    if (w->isVisible())
        w->Client().grabMouse();
}

void QtBackend::ReleaseCapture()
{
    if (!m_pCapture)
        return;
    if (DialogWindow* w = WindowOf(*m_pCapture))
        w->Client().releaseMouse();
    m_pCapture = nullptr;
}
