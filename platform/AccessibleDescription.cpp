#include "platform/AccessibleDescription.h"

#include "platform/ClassicLook.h"

namespace {
bool IsPushButton(const DialogControl& c)
{
    return c.cls == ControlClass::Button && !(c.style & CS_GROUPBOX);
}

bool IsStaticText(const DialogControl& c)
{
    return c.cls == ControlClass::Static && !c.IsPicture() &&
           !(c.style & (CS_BLACKFRAME | CS_BLACKRECT | CS_WHITERECT | CS_GRAYRECT)) &&
           !c.Text().empty();
}

std::string CaptionOf(const DialogControl& c)
{
    return AccessibleCaption(c);
}

std::string GivenName(const WindowFacts& f, int id)
{
    for (const auto& [named, name] : f.names)
        if (named == id && id != IDC_STATIC)
            return name;
    return {};
}

AccessibleItem ControlItem(const WindowFacts& f, std::size_t i)
{
    const DialogControl& c = (*f.controls)[i];
    AccessibleItem item;
    item.rect = c.rect;
    item.enabled = c.enabled;
    item.source = FocusStop::OfControl(static_cast<int>(i));
    item.focused = f.focus == item.source;
    if (IsPushButton(c)) {
        item.role = AccessibleRole::PushButton;
        item.name = CaptionOf(c);
        item.focusable = true;
        item.isDefault = (c.style & CS_DEFAULT) != 0;
    } else if (c.IsEdit()) {
        item.role = AccessibleRole::Edit;
        item.value = c.Text();
        item.readOnly = !c.IsTypedInto();
        item.focusable = (c.style & CS_TABSTOP) != 0;
        // A text that only shows is named by what it shows; one typed into
        // by its label.
        item.name = item.readOnly ? c.Text() : EditLabel(*f.controls, i);
    } else {
        item.role = AccessibleRole::StaticText;
        item.name = CaptionOf(c);
    }
    if (const std::string given = GivenName(f, c.id); !given.empty())
        item.name = given;
    return item;
}

AccessibleRole RoleOf(PartRole role)
{
    switch (role) {
    case PartRole::PushButton:
        return AccessibleRole::PushButton;
    case PartRole::Toggle:
        return AccessibleRole::ToggleButton;
    case PartRole::Slider:
        return AccessibleRole::Slider;
    case PartRole::Table:
        return AccessibleRole::Table;
    case PartRole::Text:
        break;
    }
    return AccessibleRole::StaticText;
}

AccessibleItem PartItem(const WindowFacts& f, const ClientPart& p)
{
    AccessibleItem item;
    item.role = RoleOf(p.role);
    item.name = p.name;
    item.value = p.value;
    item.description = p.description;
    item.rect = p.rect;
    item.focusable = p.focusable;
    item.source = FocusStop::OfPart(p.id);
    item.focused = f.focus == item.source;
    item.pressed = p.pressed;
    item.readOnly = true;
    item.minimum = p.minimum;
    item.maximum = p.maximum;
    item.now = p.now;
    item.rows = p.rows;
    return item;
}
} // namespace

AccessibleWindow DescribeWindow(const WindowFacts& f)
{
    AccessibleWindow w;
    w.role = f.alert ? AccessibleRole::Alert : AccessibleRole::Dialog;
    w.name = f.tpl && f.tpl->caption ? f.tpl->caption : "";
    if (f.controls) {
        for (std::size_t i = 0; i < f.controls->size(); ++i) {
            const DialogControl& c = (*f.controls)[i];
            if (!IsAccessibleControl(c))
                continue;
            w.items.push_back(ControlItem(f, i));
        }
    }
    if (f.parts)
        for (const ClientPart& p : *f.parts)
            w.items.push_back(PartItem(f, p));
    return w;
}

std::string EditLabel(const std::vector<DialogControl>& controls, std::size_t i)
{
    if (i > 0 && IsStaticText(controls[i - 1]))
        return AccessibleCaption(controls[i - 1]);
    // Else the nearest static text above it that reaches over its columns.
    const Box edit = controls[i].rect;
    const DialogControl* best = nullptr;
    for (const DialogControl& c : controls)
        if (IsStaticText(c) && c.rect.Bottom() <= edit.y && c.rect.x < edit.Right() &&
            c.rect.Right() > edit.x && (!best || c.rect.Bottom() > best->rect.Bottom()))
            best = &c;
    return best ? AccessibleCaption(*best) : std::string();
}

bool IsAccessibleControl(const DialogControl& c)
{
    return c.visible && (IsPushButton(c) || c.IsEdit() || IsStaticText(c));
}

std::string AccessibleCaption(const DialogControl& c)
{
    return (c.style & CS_NOPREFIX) ? c.Text() : ClassicLook::WithoutPrefixes(c.Text());
}

const char* RoleName(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Dialog:
        return "dialog";
    case AccessibleRole::Alert:
        return "alert";
    case AccessibleRole::PushButton:
        return "push button";
    case AccessibleRole::ToggleButton:
        return "toggle button";
    case AccessibleRole::Slider:
        return "slider";
    case AccessibleRole::Edit:
        return "text";
    case AccessibleRole::Table:
        return "table";
    case AccessibleRole::StaticText:
        break;
    }
    return "label";
}

std::string DescribeAsText(const AccessibleWindow& window)
{
    std::string text = std::string(RoleName(window.role)) + " \"" + window.name + "\"\n";
    for (const AccessibleItem& item : window.items) {
        text += std::string(RoleName(item.role)) + " \"" + item.name + "\"";
        if (!item.value.empty())
            text += " = \"" + item.value + "\"";
        if (!item.enabled)
            text += " disabled";
        if (item.focused)
            text += " focused";
        if (item.pressed)
            text += " pressed";
        for (const auto& row : item.rows) {
            text += "\n  |";
            for (const std::string& cell : row)
                text += " " + cell + " |";
        }
        text += "\n";
    }
    return text;
}
