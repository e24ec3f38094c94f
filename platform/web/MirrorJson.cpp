#include "platform/web/MirrorJson.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/ClassicLook.h"

namespace {
const char* MirrorRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Dialog:
        return "dialog";
    case AccessibleRole::Alert:
        return "alert";
    case AccessibleRole::PushButton:
        return "button";
    case AccessibleRole::ToggleButton:
        return "toggle";
    case AccessibleRole::Slider:
        return "slider";
    case AccessibleRole::Edit:
        return "edit";
    case AccessibleRole::Table:
        return "table";
    case AccessibleRole::StaticText:
        break;
    }
    return "text";
}

std::string Number(double v)
{
    // Positions and slider values are whole; anything else keeps a decimal.
    if (v == std::floor(v) && std::fabs(v) < 1e9)
        return std::to_string(static_cast<long long>(v));
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

std::string CssColour(Pixel p)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(p & 0xFFFFFF));
    return text;
}

const char* Bool(bool b)
{
    return b ? "true" : "false";
}

std::string Rows(const std::vector<std::vector<std::string>>& rows)
{
    std::string json = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        json += r ? ",[" : "[";
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            json += (c ? "," : "") + JsonString(rows[r][c]);
        json += "]";
    }
    return json + "]";
}

bool Inside(const Box& inner, const Box& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

// A panel that shows nothing of its own (a read-only edit with no text,
// the texts standing on it) is named by the texts on it.
std::string PanelName(const std::vector<AccessibleItem>& items, const AccessibleItem& panel)
{
    std::string name;
    for (const AccessibleItem& item : items)
        if (item.role == AccessibleRole::StaticText && Inside(item.rect, panel.rect))
            name += (name.empty() ? "" : " ") + item.name;
    std::replace(name.begin(), name.end(), '\n', ' ');
    return name;
}

std::string Item(const AccessibleItem& item, int originX, int originY)
{
    const bool isPart = item.source.kind == FocusStop::Part;
    const Box at = item.rect.Offset(originX, originY);
    return std::string("{\"stop\":\"") + (isPart ? "p" : "c") +
           "\",\"index\":" + std::to_string(item.source.index) + ",\"role\":\"" +
           MirrorRole(item.role) + "\",\"name\":" + JsonString(item.name) +
           ",\"value\":" + JsonString(item.value) +
           ",\"description\":" + JsonString(item.description) + ",\"x\":" + Number(at.x) +
           ",\"y\":" + Number(at.y) + ",\"w\":" + Number(at.w) + ",\"h\":" + Number(at.h) +
           ",\"enabled\":" + Bool(item.enabled) + ",\"focusable\":" + Bool(item.focusable) +
           ",\"focused\":" + Bool(item.focused) + ",\"pressed\":" + Bool(item.pressed) +
           ",\"readOnly\":" + Bool(item.readOnly) + ",\"min\":" + Number(item.minimum) +
           ",\"max\":" + Number(item.maximum) + ",\"now\":" + Number(item.now) +
           ",\"rows\":" + Rows(item.rows) + "}";
}

// The control (by ID) a part's item comes just before; 0 for none.
int PartBefore(const MirrorFacts& f, const AccessibleItem& item)
{
    if (item.source.kind != FocusStop::Part || !f.parts)
        return 0;
    for (const ClientPart& p : *f.parts)
        if (p.id == item.source.index)
            return p.focusable ? p.before : 0;
    return 0;
}

int ControlId(const MirrorFacts& f, const AccessibleItem& item)
{
    if (item.source.kind != FocusStop::Control || !f.controls || item.source.index < 0 ||
        item.source.index >= static_cast<int>(f.controls->size()))
        return 0;
    return (*f.controls)[static_cast<std::size_t>(item.source.index)].id;
}

// The items in reading order: the description's, with each part that
// comes before a control in tab order moved to just before it.
std::vector<const AccessibleItem*> ReadingOrder(const MirrorFacts& f)
{
    const std::vector<AccessibleItem>& items = f.window->items;
    std::vector<const AccessibleItem*> order;
    std::vector<bool> placed(items.size(), false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (placed[i])
            continue;
        if (const int id = ControlId(f, items[i]); id != 0)
            for (std::size_t j = 0; j < items.size(); ++j)
                if (!placed[j] && PartBefore(f, items[j]) == id) {
                    order.push_back(&items[j]);
                    placed[j] = true;
                }
        if (!placed[i]) {
            order.push_back(&items[i]);
            placed[i] = true;
        }
    }
    return order;
}
} // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += ch; // UTF-8 passes as it is
        }
    }
    return out + "\"";
}

std::string MirrorJson(const MirrorFacts& f)
{
    if (!f.window)
        return "null";
    const std::vector<const AccessibleItem*> order = ReadingOrder(f);
    int focus = -1;
    std::string items;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->focused)
            focus = static_cast<int>(i);
        AccessibleItem item = *order[i];
        if (item.role == AccessibleRole::Edit && item.readOnly && item.name.empty())
            item.name = PanelName(f.window->items, item);
        items += (i ? "," : "") + Item(item, f.originX, f.originY);
    }
    std::string ring = "null";
    if (!f.ring.Empty())
        ring = "[" + Number(f.ring.x + f.originX) + "," + Number(f.ring.y + f.originY) + "," +
               Number(f.ring.w) + "," + Number(f.ring.h) + "]";
    return "{\"window\":" + std::to_string(f.serial) + ",\"role\":\"" + MirrorRole(f.window->role) +
           "\",\"name\":" + JsonString(f.window->name) + ",\"focus\":" + std::to_string(focus) +
           ",\"ring\":" + ring + ",\"ringColours\":[\"" + CssColour(ClassicLook::kFocusRing) +
           "\",\"" + CssColour(ClassicLook::kFocusRingHalo) + "\"],\"items\":[" + items + "]}";
}
