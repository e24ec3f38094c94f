// The accessibility tree of a window as Qt hands it to assistive technology,
// written out one item a line as the framework writes its own description
// of the window, so that the two can be held to each other; and that
// description made from the window as it stands.
#pragma once

#include <QAccessible>
#include <string>

#include "platform/AccessibleDescription.h"
#include "platform/ApplicationResources.h"
#include "platform/Dialog.h"
#include "platform/qt/ClassicWidget.h"
#include "platform/qt/ClientArea.h"
#include "platform/qt/DialogWindow.h"

namespace Tree {
inline std::string RoleOf(const QAccessibleInterface& item)
{
    switch (item.role()) {
    case QAccessible::Dialog:
        return "dialog";
    case QAccessible::AlertMessage:
        return "alert";
    case QAccessible::Button:
        return item.state().checkable ? "toggle button" : "push button";
    case QAccessible::Slider:
        return "slider";
    case QAccessible::EditableText:
        return "text";
    case QAccessible::Table:
        return "table";
    case QAccessible::StaticText:
        return "label";
    default:
        return "role " + std::to_string(item.role());
    }
}

inline void Write(QAccessibleInterface& item, std::string& out)
{
    const QAccessible::State s = item.state();
    out += RoleOf(item) + " \"" + item.text(QAccessible::Name).toStdString() + "\"";
    const std::string value = item.text(QAccessible::Value).toStdString();
    if (!value.empty())
        out += " = \"" + value + "\"";
    if (s.disabled)
        out += " disabled";
    if (s.focused)
        out += " focused";
    if (s.checked || s.pressed)
        out += " pressed";
    if (QAccessibleTableInterface* table = item.tableInterface()) {
        out += "\n  |";
        for (int c = 0; c < table->columnCount(); ++c)
            out += " " + table->columnDescription(c).toStdString() + " |";
        for (int r = 0; r < table->rowCount(); ++r) {
            out += "\n  |";
            for (int c = 0; c < table->columnCount(); ++c)
                out += " " + table->cellAt(r, c)->text(QAccessible::Name).toStdString() + " |";
        }
    }
    out += "\n";
}

// The window's line, then each item of its client area.
inline std::string AsQtShowsIt(DialogWindow& window)
{
    std::string out;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
    out += RoleOf(*top) + " \"" + top->text(QAccessible::Name).toStdString() + "\"\n";
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(&window.Client());
    for (int i = 0; i < client->childCount(); ++i)
        Write(*client->child(i), out);
    return out;
}

// The framework's description of the window as it stands.
inline std::string AsTheFrameworkSaysIt(DialogWindow& window)
{
    std::vector<DialogControl> controls;
    for (const DialogWindow::Item& item : window.Items())
        controls.push_back(item.look->Look());
    WindowFacts facts;
    facts.tpl = FindDialogTemplate(window.TemplateId());
    facts.controls = &controls;
    facts.parts = &window.Dialog().GetClientParts();
    for (const DialogControl& c : controls)
        if (const std::string name = window.Dialog().AccessibleName(c.id); !name.empty())
            facts.names.push_back({c.id, name});
    facts.focus = window.FocusedStop();
    facts.alert = window.Dialog().IsAlert();
    return DescribeAsText(DescribeWindow(facts));
}
} // namespace Tree
