#include "platform/FocusOrder.h"

#include <algorithm>

namespace {
const ClientPart* PartById(const std::vector<ClientPart>& parts, int id)
{
    for (const ClientPart& p : parts)
        if (p.id == id)
            return &p;
    return nullptr;
}

bool HasControlId(const std::vector<ControlFacts>& controls, int id)
{
    return std::any_of(controls.begin(), controls.end(),
                       [id](const ControlFacts& c) { return c.id == id; });
}

std::vector<FocusStop> OrderWith(const std::vector<ControlFacts>& controls,
                                 const std::vector<ClientPart>& parts, const FocusStop& extra)
{
    std::vector<FocusStop> order;
    std::vector<int> placed; // the IDs whose parts are in the order already
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlFacts& c = controls[i];
        if (c.id != IDC_STATIC && std::find(placed.begin(), placed.end(), c.id) == placed.end()) {
            placed.push_back(c.id);
            for (const ClientPart& p : parts)
                if (p.focusable && p.before == c.id)
                    order.push_back(FocusStop::OfPart(p.id));
        }
        const FocusStop stop = FocusStop::OfControl(static_cast<int>(i));
        if (TakesFocus({c.cls, c.style, true, true, c.id}) || stop == extra)
            order.push_back(stop);
    }
    // Parts that name no control of the window come last.
    for (const ClientPart& p : parts)
        if (p.focusable && (p.before == 0 || !HasControlId(controls, p.before)))
            order.push_back(FocusStop::OfPart(p.id));
    return order;
}

FocusStop Walk(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
               const FocusStop& from, bool backwards, bool includeFrom)
{
    const std::vector<FocusStop> order = OrderWith(controls, parts, from);
    const int n = static_cast<int>(order.size());
    if (n == 0)
        return {};
    const auto at = std::find(order.begin(), order.end(), from);
    int i = at == order.end() ? (backwards ? n : -1) : static_cast<int>(at - order.begin());
    if (includeFrom && at != order.end() && CanTakeFocus(controls, parts, from))
        return from;
    for (int step = 0; step < n; ++step) {
        i = (i + (backwards ? -1 : 1) + n) % n;
        if (CanTakeFocus(controls, parts, order[static_cast<std::size_t>(i)]))
            return order[static_cast<std::size_t>(i)];
    }
    return {};
}
} // namespace

std::vector<FocusStop> TabOrder(const std::vector<ControlFacts>& controls,
                                const std::vector<ClientPart>& parts)
{
    return OrderWith(controls, parts, {});
}

bool CanTakeFocus(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
                  const FocusStop& stop)
{
    if (stop.kind == FocusStop::Part) {
        const ClientPart* p = PartById(parts, stop.index);
        return p && p->focusable;
    }
    if (stop.kind == FocusStop::Control && stop.index >= 0 &&
        stop.index < static_cast<int>(controls.size())) {
        // A control without a tab stop holds the focus it was given by a
        // click; Tab only passes it by.
        const ControlFacts& c = controls[static_cast<std::size_t>(stop.index)];
        return TakesFocus({c.cls, c.style | CS_TABSTOP, c.visible, c.enabled, c.id});
    }
    return false;
}

FocusStop FirstFocus(const std::vector<ControlFacts>& controls,
                     const std::vector<ClientPart>& parts)
{
    return Walk(controls, parts, {}, false, false);
}

FocusStop NextFocus(const std::vector<ControlFacts>& controls, const std::vector<ClientPart>& parts,
                    const FocusStop& from, bool backwards)
{
    return Walk(controls, parts, from, backwards, false);
}

FocusStop SettledFocus(const std::vector<ControlFacts>& controls,
                       const std::vector<ClientPart>& parts, const FocusStop& focus)
{
    if (focus.IsNone())
        return {};
    return Walk(controls, parts, focus, false, true);
}
