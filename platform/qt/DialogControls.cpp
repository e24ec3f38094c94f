// The controls of a dialog window: made from the template in template order,
// placed in pixels converted with the template's own font, stacked so that a
// control with the transparent style shows above its neighbours.
#include <QAbstractButton>

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

QImage PictureOf(const ControlTemplate& c)
{
    const unsigned id = static_cast<unsigned>(QString::fromLatin1(c.caption).toUInt());
    if (c.style & CS_ICON)
        return QtLook::IconOf(id).pixmap(32, 32).toImage();
    return QtLook::BitmapImage(id);
}
} // namespace

void DialogWindow::BuildControls()
{
    if (!m_pTemplate)
        return;
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : m_pTemplate->controls) {
        QWidget* widget = MakeControl(c);
        m_items.push_back({&c, widget});
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
    // A transparent control is painted after its neighbours, so it shows on
    // top of the pictures and panels it stands on.
    for (const Item& item : m_items)
        if (item.tpl->style & CS_TRANSPARENT)
            item.widget->raise();
}

QWidget* DialogWindow::MakeControl(const ControlTemplate& c)
{
    QWidget* parent = m_pClient;
    const QRect place = PixelRect(*m_pTemplate, c);
    QWidget* widget = nullptr;
    if (c.cls == ControlClass::Button && !(c.style & CS_GROUPBOX)) {
        auto* button = new ClassicButton(QString::fromUtf8(c.caption), (c.style & CS_FLAT) != 0,
                                         (c.style & CS_DEFAULT) != 0, parent);
        button->setFocusPolicy((c.style & CS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        const int id = c.id;
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id] { Command(id); });
        widget = button;
    } else if (c.cls == ControlClass::Edit) {
        widget = new EditControl(c, parent);
    } else {
        const QImage picture = (c.style & (CS_BITMAP | CS_ICON)) ? PictureOf(c) : QImage();
        widget = new StaticControl(c, picture, parent);
        if (!picture.isNull()) {
            // A picture control takes the size of its picture.
            widget->setGeometry(QRect(place.topLeft(), picture.size()));
            return widget;
        }
    }
    widget->setGeometry(place);
    return widget;
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
    else if (auto* button = dynamic_cast<QAbstractButton*>(w); button && button->text() != text)
        button->setText(text);
}

void DialogWindow::FocusFirstTabStop()
{
    std::vector<FocusFacts> facts;
    for (const Item& item : m_items)
        facts.push_back(
            {item.tpl->cls, item.tpl->style, !item.widget->isHidden(), item.widget->isEnabled()});
    const int first = FirstTabStop(facts);
    if (first >= 0)
        m_items[static_cast<std::size_t>(first)].widget->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}
