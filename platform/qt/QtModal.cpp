// Modal dialogs and message boxes of the Qt backend: each runs a nested
// event loop in which the other windows' timers and repaints go on while
// their input is blocked.
#include <QEventLoop>
#include <QMessageBox>

#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"

QWidget* QtBackend::OwnerWidget(CDialog& dlg) const
{
    CWnd* owner = dlg.GetOwner();
    return owner ? WindowOf(*owner) : nullptr;
}

INT_PTR QtBackend::RunModal(CDialog& dlg)
{
    // A window that holds the mouse would keep it from the dialog.
    ReleaseCapture();
    QWidget* owner = OwnerWidget(dlg);
    DialogWindow window(*this, dlg, FindDialogTemplate(dlg.GetTemplateId()), owner);
    if (owner)
        window.setWindowModality(Qt::ApplicationModal);
    Modal modal;
    modal.window = &window;
    m_windows[&dlg] = &modal;
    dlg.SetCreated(true);

    const BOOL focusFirst = dlg.OnInitDialog();
    if (!modal.ended && WindowOf(dlg)) {
        window.SyncParts();
        if (focusFirst)
            window.FocusFirstTabStop();
        window.ShowCentred();
        if (onModalShown)
            onModalShown(dlg, window);
        QEventLoop loop;
        modal.loop = &loop;
        // Work held back by blocking work that opened this dialog goes on here.
        DeliverHeld();
        if (!modal.ended)
            loop.exec(QEventLoop::DialogExec);
        modal.loop = nullptr;
    }
    const int result = modal.result;
    if (WindowOf(dlg))
        WindowDestroyed(dlg);
    window.hide();
    // The focus goes back to where it was in the window below.
    if (owner && owner->isVisible())
        owner->activateWindow();
    if (onModalEnded)
        onModalEnded(dlg, result);
    return result;
}

void QtBackend::EndModal(CDialog& dlg, int result)
{
    auto it = m_windows.find(&dlg);
    if (it == m_windows.end())
        return;
    Modal& modal = *it->second;
    modal.ended = true;
    modal.result = result;
    if (modal.loop)
        modal.loop->exit(result);
}

int QtBackend::MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT)
{
    ReleaseCapture();
    QWidget* parent = owner ? WindowOf(*owner) : nullptr;
    // One OK button and no icon, whatever the type asks.
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption.str()),
                    QString::fromStdString(text.str()), QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return IDOK;
}
