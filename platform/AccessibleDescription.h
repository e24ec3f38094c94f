// What assistive technology is told of a window, the same for every
// backend: the window's role and name, and an item for each control of its
// template that shows (its role from its class and style, its name from its
// caption, its state and an edit's value) and for each part the window
// declares in its client area. A backend maps it onto its platform's
// accessibility interfaces.
#pragma once

#include <string>
#include <vector>

#include "platform/ClientPart.h"
#include "platform/ControlTable.h"
#include "platform/FocusOrder.h"

enum class AccessibleRole {
    Dialog,
    Alert, // a window that warns: read as it opens
    PushButton,
    ToggleButton,
    Slider,
    StaticText,
    Edit,
    Table,
};

struct AccessibleItem {
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string value;
    std::string description;
    Box rect; // client pixels
    bool enabled = true;
    bool focusable = false;
    bool focused = false;
    bool pressed = false;
    bool readOnly = false;
    bool isDefault = false;                     // the button Return presses
    double minimum = 0, maximum = 0, now = 0;   // a slider's
    std::vector<std::vector<std::string>> rows; // a table's, headings first
    FocusStop source;                           // the control or part it stands for
};

struct AccessibleWindow {
    AccessibleRole role = AccessibleRole::Dialog;
    std::string name;
    std::vector<AccessibleItem> items;
};

// What a window shows that a control says: the template's caption, the
// controls as they are now, the names the window gave controls whose
// caption says nothing (by ID; otherwise a read-only edit is named by its
// text, and one typed into by its label, EditLabel), its parts and which
// stop holds the focus.
struct WindowFacts {
    const DialogTemplate* tpl = nullptr;
    const std::vector<DialogControl>* controls = nullptr;
    const std::vector<ClientPart>* parts = nullptr;
    std::vector<std::pair<int, std::string>> names;
    FocusStop focus;
    bool alert = false;
};
AccessibleWindow DescribeWindow(const WindowFacts& facts);

// Whether assistive technology hears of control `c` at all: a push button,
// an edit or a static text that shows; hidden controls, pictures, frames
// and group boxes say nothing.
bool IsAccessibleControl(const DialogControl& c);
// The label of an edit typed into, control `i`: the static text just before
// it in template order, else the nearest one above it.
std::string EditLabel(const std::vector<DialogControl>& controls, std::size_t i);
// A caption as it is read: without its '&' markers.
std::string AccessibleCaption(const DialogControl& c);

// The role's name as tests and logs print it ("push button", "slider").
const char* RoleName(AccessibleRole role);
// One line per item: role, name, value and state, for tests and logs.
std::string DescribeAsText(const AccessibleWindow& window);
