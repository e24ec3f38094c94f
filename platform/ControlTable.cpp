#include "platform/ControlTable.h"

void ControlTable::Build(const DialogTemplate& t)
{
    m_controls.clear();
    for (const ControlTemplate& c : t.controls) {
        DialogControl control;
        control.id = c.id;
        control.cls = c.cls;
        control.style = c.style;
        control.rect = ControlRect(t, c);
        control.enabled = !(c.style & CS_DISABLED);
        control.visible = !(c.style & CS_HIDDEN);
        // A picture static's caption is its resource's number, never shown.
        if (!control.IsPicture())
            control.edit.text = c.caption ? c.caption : "";
        m_controls.push_back(std::move(control));
    }
}

DialogControl& ControlTable::Add(DialogControl c)
{
    m_controls.push_back(std::move(c));
    return m_controls.back();
}

DialogControl* ControlTable::Find(int id)
{
    if (id == IDC_STATIC)
        return nullptr;
    for (DialogControl& c : m_controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

std::vector<int> PaintOrder(const std::vector<DialogControl>& controls)
{
    std::vector<int> order;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (((controls[i].style & CS_TRANSPARENT) != 0) == (pass == 1))
                order.push_back(static_cast<int>(i));
    return order;
}

int ControlTable::HitControl(int x, int y) const
{
    const std::vector<int> order = PaintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const DialogControl& c = m_controls[static_cast<std::size_t>(*it)];
        if (c.TakesPointer() && c.rect.Contains(x, y))
            return *it;
    }
    return -1;
}

std::vector<ControlFacts> ControlTable::Facts() const
{
    std::vector<ControlFacts> facts;
    for (const DialogControl& c : m_controls)
        facts.push_back(c.Facts());
    return facts;
}
