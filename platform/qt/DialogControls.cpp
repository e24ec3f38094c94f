// The controls of a dialog window: made from the template in template order,
// placed in pixels converted with the template's own font, stacked so that a
// control with the transparent style shows above its neighbours.
#include <QAbstractButton>

#include "platform/AccessibleDescription.h"
#include "platform/ClassicLook.h"
#include "platform/qt/ClassicButton.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/EditControl.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtLook.h"
#include "platform/qt/StaticControl.h"

namespace {
QRect PixelRect(const DialogTemplate& t, const ControlTemplate& c)
{
    const Box b = ControlRect(t, c);
    return QRect(b.x, b.y, b.w, b.h);
}

// A picture static's pixels: its bitmap, or its icon at the standard size on
// the dialog's face.
Surface PictureOf(const ControlTemplate& c)
{
    const unsigned id = static_cast<unsigned>(QString::fromLatin1(c.caption).toUInt());
    if (c.style & CS_ICON)
        return QtLook::SurfaceOf(QtLook::IconOf(id).pixmap(32, 32).toImage(), ClassicLook::kFace);
    CBitmap bitmap;
    return bitmap.LoadBitmap(id) ? *bitmap.GetSurface() : Surface();
}
} // namespace

void DialogWindow::BuildControls()
{
    if (!m_pTemplate)
        return;
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : m_pTemplate->controls) {
        const Item item = MakeControl(c);
        m_items.push_back(item);
        QWidget* widget = item.widget;
        if (c.style & CS_HIDDEN)
            widget->setHidden(true);
        if (c.style & CS_DISABLED)
            widget->setEnabled(false);
        if (c.style & CS_TABSTOP) {
            QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, target);
            previousTabStop = target;
        }
    }
    // Stacked in the order the look paints them, bottom to top.
    std::vector<DialogControl> looks;
    for (const Item& item : m_items)
        looks.push_back(item.look->Look());
    for (int i : PaintOrder(looks))
        m_items[static_cast<std::size_t>(i)].widget->raise();
    // Qt's own edit is named for assistive technology by its label.
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (looks[i].IsTypedInto())
            if (QWidget* line = m_items[i].widget->focusProxy())
                line->setAccessibleName(QString::fromStdString(EditLabel(looks, i)));
}

DialogWindow::Item DialogWindow::MakeControl(const ControlTemplate& c)
{
    QWidget* parent = m_pClient;
    const QRect place = PixelRect(*m_pTemplate, c);
    if (c.cls == ControlClass::Button && !(c.style & CS_GROUPBOX)) {
        auto* button = new ClassicButton(c, parent);
        button->setFocusPolicy((c.style & CS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        const int id = c.id;
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id] { Command(id); });
        button->setGeometry(place);
        return {&c, button, button};
    }
    if (c.cls == ControlClass::Edit) {
        auto* edit = new EditControl(c, m_font, parent);
        edit->setGeometry(place);
        return {&c, edit, edit};
    }
    const bool picture = (c.style & (CS_BITMAP | CS_ICON)) != 0;
    auto* control = new StaticControl(c, picture ? PictureOf(c) : Surface(), parent);
    // A picture control takes the size of its picture.
    const DialogControl look = control->Look();
    control->setGeometry(
        picture ? QRect(place.topLeft(), QSize(look.picture.width, look.picture.height)) : place);
    return {&c, control, control};
}

QWidget* DialogWindow::Control(int id) const
{
    if (id == IDC_STATIC)
        return nullptr;
    for (const Item& item : m_items)
        if (item.tpl->id == id)
            return item.widget;
    return nullptr;
}

QString DialogWindow::ControlText(int id) const
{
    QWidget* w = Control(id);
    if (auto* edit = dynamic_cast<EditControl*>(w))
        return edit->Text();
    if (auto* button = dynamic_cast<QAbstractButton*>(w))
        return button->text();
    return QString();
}

void DialogWindow::SetControlText(int id, const QString& text)
{
    QWidget* w = Control(id);
    if (auto* edit = dynamic_cast<EditControl*>(w))
        edit->SetText(text);
    else if (auto* button = dynamic_cast<QAbstractButton*>(w))
        button->setText(text);
}

std::vector<ControlFacts> DialogWindow::Facts() const
{
    std::vector<ControlFacts> facts;
    for (const Item& item : m_items)
        facts.push_back({item.tpl->cls, item.tpl->style, !item.widget->isHidden(),
                         item.widget->isEnabled(), item.tpl->id});
    return facts;
}

void DialogWindow::FocusFirstTabStop()
{
    const int first = FirstTabStop(Facts());
    if (first >= 0)
        m_items[static_cast<std::size_t>(first)].widget->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}
