#include "platform/qt/WindowAccessible.h"

#include <QAccessibleWidget>
#include <vector>

#include "platform/AccessibleDescription.h"
#include "platform/Dialog.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/PartWidget.h"
#include "platform/qt/StaticControl.h"

namespace {
class WindowInterface : public QAccessibleWidget {
  public:
    explicit WindowInterface(DialogWindow* window)
        : QAccessibleWidget(window, window->Dialog().IsAlert() ? QAccessible::AlertMessage
                                                               : QAccessible::Dialog)
    {
    }
};

// The client area: its controls that speak, in template order, then the
// parts, in the order the window declared them.
class ClientInterface : public QAccessibleWidget {
  public:
    explicit ClientInterface(ClientArea* client) : QAccessibleWidget(client, QAccessible::Client) {}
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QWidget*> children = Children();
        if (index < 0 || index >= static_cast<int>(children.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QWidget*> children = Children();
        for (std::size_t i = 0; i < children.size(); ++i)
            if (child && child->object() == children[i])
                return static_cast<int>(i);
        return -1;
    }

  private:
    std::vector<QWidget*> Children() const
    {
        std::vector<QWidget*> children;
        auto* window = dynamic_cast<DialogWindow*>(widget()->window());
        if (!window)
            return children;
        for (const DialogWindow::Item& item : window->Items())
            if (IsAccessibleControl(item.look->Look()))
                children.push_back(item.widget);
        for (const ClientPart& part : window->Dialog().GetClientParts()) {
            auto it = window->Parts().find(part.id);
            if (it != window->Parts().end())
                children.push_back(it->second);
        }
        return children;
    }
};

class StaticTextInterface : public QAccessibleWidget {
  public:
    explicit StaticTextInterface(StaticControl* control)
        : QAccessibleWidget(control, QAccessible::StaticText), m_control(control)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString::fromStdString(AccessibleCaption(m_control->Look()));
        return QAccessibleWidget::text(t);
    }

  private:
    StaticControl* m_control;
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* window = dynamic_cast<DialogWindow*>(object))
        return new WindowInterface(window);
    if (auto* client = dynamic_cast<ClientArea*>(object))
        return new ClientInterface(client);
    if (auto* control = dynamic_cast<StaticControl*>(object))
        return new StaticTextInterface(control);
    return nullptr;
}
} // namespace

namespace WindowAccessible {
void Install()
{
    QAccessible::installFactory(Factory);
}
} // namespace WindowAccessible
