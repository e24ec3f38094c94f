// What a window knows of each of its controls, as a backend that keeps the
// controls itself holds them: class and style, place, enabling, visibility,
// whether a button is held down, the text (with an edit's caret and
// selection) and a picture static's pixels. Built from the template, in
// template order, which is tab order; a window without a template gets
// its controls added.
#pragma once

#include <string>
#include <vector>

#include "platform/Box.h"
#include "platform/DialogTemplate.h"
#include "platform/EditText.h"
#include "platform/Surface.h"

struct DialogControl {
    int id = IDC_STATIC;
    ControlClass cls = ControlClass::Static;
    DWORD style = 0;
    Box rect; // in the window's client coordinates
    bool enabled = true;
    bool visible = true;
    bool pressed = false; // a button held down with the pointer over it
    EditText edit;        // an edit's text; a button's or static's caption
    Surface picture;      // a bitmap or icon static's pixels

    bool IsButton() const { return cls == ControlClass::Button && !(style & CS_GROUPBOX); }
    bool IsEdit() const { return cls == ControlClass::Edit; }
    bool IsPicture() const { return (style & (CS_BITMAP | CS_ICON)) != 0; }
    // Buttons and edits take the pointer; the other controls let it through
    // to the window's client area.
    bool TakesPointer() const { return visible && (IsButton() || IsEdit()); }
    bool IsTypedInto() const { return IsEdit() && !(style & CS_READONLY); }
    const std::string& Text() const { return edit.text; }
    ControlFacts Facts() const { return {cls, style, visible, enabled, id}; }
};

// The order controls are painted in, bottom to top: template order, but a
// control with the transparent style after the others, so that it shows on
// top of the pictures and panels it stands on.
std::vector<int> PaintOrder(const std::vector<DialogControl>& controls);

class ControlTable {
  public:
    // The template's controls, placed and with their captions; a picture
    // static's pixels are the backend's to load.
    void Build(const DialogTemplate& t);
    DialogControl& Add(DialogControl c);

    std::vector<DialogControl>& All() { return m_controls; }
    const std::vector<DialogControl>& All() const { return m_controls; }
    DialogControl& operator[](std::size_t i) { return m_controls[i]; }
    const DialogControl& operator[](std::size_t i) const { return m_controls[i]; }
    std::size_t Size() const { return m_controls.size(); }
    // The control with ID `id`; null for IDC_STATIC, which names none.
    DialogControl* Find(int id);

    std::vector<int> PaintOrder() const { return ::PaintOrder(m_controls); }
    // The control on top at client point (x, y) that takes the pointer, or -1.
    int HitControl(int x, int y) const;
    std::vector<ControlFacts> Facts() const;

  private:
    std::vector<DialogControl> m_controls;
};
