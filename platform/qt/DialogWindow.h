// The window of one dialog, built from its template: the frame the template
// asks for, the client area with the window's pixels, and the controls in
// template order (which is also the tab order). Keys, the close button and
// the context menu become the dialog's messages.
#pragma once

#include <QWidget>
#include <map>
#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/FocusOrder.h"
#include "platform/Gdi.h"
#include "platform/Messages.h"

class CDialog;
class ClassicWidget;
class ClientArea;
class OverlayWidget;
class PartWidget;
class QtBackend;
struct Box;
struct Surface;

class DialogWindow : public QWidget {
  public:
    DialogWindow(QtBackend& backend, CDialog& dlg, const DialogTemplate* tpl, QWidget* owner);

    CDialog& Dialog() { return m_dlg; }
    const CDialog& Dialog() const { return m_dlg; }
    UINT TemplateId() const;
    ClientArea& Client() { return *m_pClient; }

    // Controls by ID; null when the template has none with that ID.
    QWidget* Control(int id) const;
    QString ControlText(int id) const;
    void SetControlText(int id, const QString& text);
    // The controls of the template, in template order.
    struct Item {
        const ControlTemplate* tpl;
        QWidget* widget;
        ClassicWidget* look;
    };
    const std::vector<Item>& Items() const { return m_items; }

    // Places the window (centred on its owner, or on the screen) and shows it.
    void ShowCentred();
    // Gives the focus to the first visible, enabled control with a tab stop.
    void FocusFirstTabStop();

    // --- Painting with the classic look ------------------------------------
    // Paints the part `region` (in the widget's coordinates) of a control
    // widget of this window.
    void PaintControl(QWidget& widget, const ClassicWidget& control, const QRect& region);
    // A button took or lost the focus: the default button's outline follows.
    void UpdateDefaultButtons();

    // --- Client parts, the focus and keyboard cues ---------------------------
    // The parts' widgets made to match the parts the dialog declares now,
    // in the tab order the framework's rule gives.
    void SyncParts();
    const std::map<int, PartWidget*>& Parts() const { return m_parts; }
    // The stop that has the focus, by the framework's names for stops.
    FocusStop FocusedStop() const;
    void FocusStopNow(const FocusStop& stop);
    int FocusedPart() const;
    // The focus moved within the window: the ring follows.
    void FocusMoved();
    bool CuesShown() const { return m_bCues; }
    // Control `id` is about to be disabled: if it has the focus, the focus
    // goes where the framework's rule says once the handler is done, not
    // where Qt sends it at once.
    void NoteDisabling(int id);
    void SettleFocus();
    const OverlayWidget& Overlay() const { return *m_pOverlay; }
    // The controls' facts for the focus and Return rules, as they are now.
    std::vector<ControlFacts> Facts() const;

    struct MenuItem {
        UINT flags;
        UINT id;
        QString text;
    };
    void AppendMenuItem(const MenuItem& item) { m_menu.push_back(item); }
    const std::vector<MenuItem>& MenuItems() const { return m_menu; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildControls();
    Item MakeControl(const ControlTemplate& c);
    void Command(int id);
    int ReturnCommand() const;
    void ApplyTabOrder();
    void UpdateOverlay();
    QWidget* WidgetOf(const FocusStop& stop) const;
    // Pops the window's menu up at `globalPos`; `byKey` when a key opened it.
    void ShowMenu(QPoint globalPos, bool byKey = false);
    // Whether a push button of this window holds the keyboard focus.
    bool ButtonHasFocus() const;
    // What lies beneath `widget` within `part` (client coordinates): the
    // client's pixels and the controls painted before it.
    void ComposeBeneath(const QWidget& widget, const Box& part, Surface& out) const;

    QtBackend& m_backend;
    CDialog& m_dlg;
    const DialogTemplate* m_pTemplate;
    FontRequest m_font;  // the template's, for the controls' captions
    WindowFrame m_frame; // drawn round a window without caption
    bool m_bExposed = false;
    ClientArea* m_pClient = nullptr;
    std::vector<Item> m_items;
    std::vector<MenuItem> m_menu;
    std::map<int, PartWidget*> m_parts;
    OverlayWidget* m_pOverlay = nullptr;
    bool m_bCues = false; // a key has been used in the window
    FocusStop m_pendingSettle;
};
