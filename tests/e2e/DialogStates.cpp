#include "DialogStates.h"

#include <QApplication>

#include "platform/ApplicationResources.h"
#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/qt/ClassicButton.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtLook.h"
#include "platform/web/WebWindow.h"
#include "res/ResourceIds.h"

namespace {
struct Text {
    UINT dialog;
    int id;
    const char* text;
};
// What the program writes into the edits, as it writes it.
const Text kTexts[] = {
    {IDD_TERVAN_DIALOG, IDC_GAS_TEMP_C, "21,4"},
    {IDD_TERVAN_DIALOG, IDC_GAS_TEMP_K, "294,6"},
    {IDD_WARNING, IDC_WARNING_TEXT,
     "El tub dret s'ha de moure per amunt. En el laboratori, el mercuri estaria a punt de "
     "vessar i això, a més d'invalidar les dades que es prenguessin a continuació, és perillós."},
    {IDD_LEVEL, IDC_LEVEL, "20,5"},
};
} // namespace

std::vector<DialogState> StatesOf(const DialogTemplate& t)
{
    std::vector<DialogState> states = {{"as it opens", -1, false, -2},
                                       {"without the focus", -1, false, -1},
                                       {"all enabled", 1, false, -1},
                                       {"all disabled", 0, false, -1},
                                       {"all held down", 1, true, -1}};
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (TakesFocus({c.cls, c.style, !(c.style & CS_HIDDEN), true}))
            states.push_back({"focus on " + std::to_string(c.id), 1, false, static_cast<int>(i)});
    }
    return states;
}

QImage PaintedLikeTheBrowser(UINT templateId, const DialogState& state)
{
    CDialog dlg(templateId);
    const DialogTemplate* t = FindDialogTemplate(templateId);
    WebWindow w(dlg, t, (t->style & DS_APPWINDOW) != 0);
    for (const Text& text : kTexts)
        if (DialogControl* c = text.dialog == templateId ? w.Control(text.id) : nullptr)
            c->edit.Set(text.text);
    for (DialogControl& c : w.Controls()) {
        if (state.enable >= 0)
            c.enabled = state.enable != 0;
        c.pressed = state.pressed && c.IsButton();
    }
    if (state.focus == -2) {
        w.FocusFirstTabStop();
    } else {
        // The focus comes by Tab: an edit's text is selected.
        if (state.focus >= 0 && w.Controls()[static_cast<std::size_t>(state.focus)].IsEdit())
            w.Controls()[static_cast<std::size_t>(state.focus)].edit.SelectAll();
        w.SetFocus(state.focus);
    }
    const Box outer{0, 0, w.Outer().w, w.Outer().h};
    Surface s(outer.w, outer.h);
    w.DrawInto(s, outer, 0, 0);
    return QtLook::OpaqueImageOf(s);
}

QImage PaintedByQt(QtBackend& backend, UINT templateId, const DialogState& state)
{
    CDialog dlg(templateId);
    DialogWindow window(backend, dlg, FindDialogTemplate(templateId), nullptr);
    for (const Text& text : kTexts)
        if (text.dialog == templateId)
            window.SetControlText(text.id, QString::fromUtf8(text.text));
    if (state.enable >= 0)
        for (const DialogWindow::Item& item : window.Items())
            item.widget->setEnabled(state.enable != 0);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    if (state.focus == -2)
        window.FocusFirstTabStop();
    else if (state.focus == -1)
        window.setFocus(Qt::OtherFocusReason);
    else
        window.Items()[static_cast<std::size_t>(state.focus)].widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    // A button lets go when it loses the focus: held down last.
    if (state.pressed)
        for (const DialogWindow::Item& item : window.Items())
            if (auto* button = dynamic_cast<ClassicButton*>(item.widget))
                button->setDown(true);
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    window.hide();
    return image;
}

QRect TypingTextBox(UINT templateId)
{
    const DialogTemplate* t = FindDialogTemplate(templateId);
    ControlTable table;
    table.Build(*t);
    const Box client = ClientInOuter(ClientBox(t), FrameOf(t, false));
    for (const DialogControl& c : table.All()) {
        if (!c.IsTypedInto())
            continue;
        const Box box =
            ClassicLook::EditTextBox(c).Offset(c.rect.x + client.x, c.rect.y + client.y);
        return QRect(box.x, box.y, box.w, box.h);
    }
    return QRect();
}
