#include "platform/qt/DialogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QWindow>

#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/qt/ClassicButton.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/EditControl.h"
#include "platform/qt/OverlayWidget.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"

namespace {
Qt::WindowFlags FlagsFor(const DialogTemplate* t, bool owned)
{
    const DWORD style = t ? t->style : DS_CAPTION | DS_SYSMENU;
    if (!(style & DS_CAPTION))
        return Qt::Dialog | Qt::FramelessWindowHint;
    // A caption with the close button and, when asked, the minimise box; no
    // maximise box, and the size is fixed.
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (style & DS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint;
    if (style & DS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}
} // namespace

DialogWindow::DialogWindow(QtBackend& backend, CDialog& dlg, const DialogTemplate* tpl,
                           QWidget* owner)
    : QWidget(owner, FlagsFor(tpl, owner != nullptr)), m_backend(backend), m_dlg(dlg),
      m_pTemplate(tpl)
{
    const Box clientBox = ClientBox(tpl);
    const QSize client(clientBox.w, clientBox.h);
    if (tpl) {
        setFont(QtLook::TemplateFont(*tpl));
        setWindowTitle(QString::fromUtf8(tpl->caption));
    }
    // The window system draws a captioned window's frame; without a
    // caption, the frame the template asks for is ours to draw.
    m_font = ClassicLook::TemplateFont(tpl);
    m_frame = FrameOf(tpl, false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The window takes the keys when no control has the focus, but never
    // the focus itself: Tab passes it by (the tab order is its controls'
    // and parts' alone), and a click on the bench leaves the focus where it
    // was.
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    m_pClient = new ClientArea(backend, dlg, client, this);
    const Box inner = ClientInOuter(clientBox, m_frame);
    const Box outer = OuterBox(clientBox, m_frame);
    m_pClient->move(inner.x, inner.y);
    setFixedSize(outer.w, outer.h);
    BuildControls();
    m_pOverlay = new OverlayWidget(m_pClient);
    // The first key used anywhere in the window turns its keyboard cues on.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateOverlay(); });
}

UINT DialogWindow::TemplateId() const
{
    return m_dlg.GetTemplateId();
}

void DialogWindow::ShowCentred()
{
    const QWidget* owner = parentWidget();
    QRect area = owner && owner->isVisible() ? owner->frameGeometry() : QRect();
    if (area.isEmpty())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    winId(); // the native window exists from here on: watch its exposure
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    show();
    activateWindow();
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !m_bCues) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            m_bCues = true;
            UpdateOverlay();
        }
    }
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        // Each time the window comes onto the screen (shown, restored) its
        // paint handler redraws it; an expose of a window already showing
        // only repaints the last pixels.
        const bool exposed = windowHandle()->isExposed();
        if (exposed && !m_bExposed)
            m_backend.PostPaint(m_dlg);
        m_bExposed = exposed;
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !isMinimized())
            m_backend.PostPaint(m_dlg);
    }
    QWidget::changeEvent(event);
}

void DialogWindow::Command(int id)
{
    m_backend.Input(m_dlg, MSG{WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), 0});
}

int DialogWindow::ReturnCommand() const
{
    const QWidget* focus = focusWidget();
    int focused = -1;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const QWidget* w = m_items[i].widget;
        if (w == focus || (w->focusProxy() && w->focusProxy() == focus))
            focused = static_cast<int>(i);
    }
    return ::ReturnCommand(Facts(), focused);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Command(IDCANCEL);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        Command(ID_HELP);
        return;
    }
    if (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier) &&
        !m_menu.empty()) {
        // Shift+F10 opens the window's menu, as the Menu key does.
        const QWidget* at = focusWidget() ? focusWidget() : this;
        const QPoint corner = at->mapToGlobal(QPoint(0, at->height()));
        m_backend.InputAction(m_dlg, [this, corner] { ShowMenu(corner, true); });
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (const int id = ReturnCommand())
            Command(id);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close button is the window's close command; the dialog decides.
    event->ignore();
    m_backend.Input(m_dlg, MSG{WM_SYSCOMMAND, SC_CLOSE, 0});
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_menu.empty()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    const QPoint at = event->globalPos();
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    m_backend.InputAction(m_dlg, [this, at, byKey] { ShowMenu(at, byKey); });
}

void DialogWindow::ShowMenu(QPoint globalPos, bool byKey)
{
    // Where the window system has no menu of the window's own to extend, its
    // items come up here; a leading separator has nothing to separate.
    QMenu menu(this);
    for (const MenuItem& item : m_menu) {
        if (item.flags & MF_SEPARATOR) {
            if (!menu.isEmpty())
                menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item.text);
        action->setData(item.id);
    }
    // Opened from the keyboard, the first item is chosen at once, so that
    // arrows and Return work and a screen reader says where it is.
    if (byKey && !menu.actions().isEmpty())
        menu.setActiveAction(menu.actions().first());
    if (QAction* chosen = menu.exec(globalPos))
        m_backend.Input(m_dlg, MSG{WM_SYSCOMMAND, chosen->data().toUInt(), 0});
}
