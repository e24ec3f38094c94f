// The page's queued events turned into what the windows expect: a pointer
// (mouse, finger or pen) presses buttons, places an edit's caret and
// selection, or reaches a window's client area as mouse messages; keys go
// where the framework's one rule sends them (Tab moves the focus among the
// controls and the window's parts, Return and Space press buttons, Escape
// cancels, F1 asks for help, the Menu key and Shift+F10 open the
// window's menu, a key on a focused part is the window's
// WM_KEYDOWN); the page's text input reports what was typed into the edit
// it stands behind; a context menu offers a window's system-menu items,
// opened by a right click or by a finger held still; and a screen reader's
// focus, click or slider move in the page's DOM mirror reaches the program
// as that stop's focus, click or keys.
// Only the top window takes input: the others wait under their modal dialog.
#pragma once

#include <functional>
#include <string>

class WebBackend;
class WebWindow;

class PageInput {
  public:
    explicit PageInput(WebBackend& backend) : m_backend(backend) {}

    // Handles the oldest queued event; false when there was none.
    bool HandleNext();
    // A window opened or closed: a pointer held down is let go.
    void Reset();

    // An event of a kind the backend does not know (the test page's own
    // commands): its kind, its six numbers and its text.
    std::function<void(int kind, const int* fields, const std::string& text)> onOtherEvent;

  private:
    enum class Target { None, Button, Edit, Client, Menu };

    void PointerDown(int x, int y);
    void PointerMove(int x, int y, bool down);
    void PointerUp(int x, int y);
    void PointerCancel();
    void Key(int key, bool shift);
    // A stop of the top window's tab order, as the mirror names it: kind 1
    // a control by its index, 2 a part by its ID.
    void MirrorFocus(int kind, int index);
    void MirrorActivate(int kind, int index);
    void MirrorStep(int part, int steps);
    // Key `vk` on the focused part, as the window's WM_KEYDOWN, `count`
    // times over.
    void KeyToWindow(WebWindow& w, unsigned vk, bool shift, int count = 1);
    void EditState(const std::string& text, int start, int end, bool backwards);
    void OpenMenu(int x, int y);
    void OpenMenuByKey();
    void LongPress(int x, int y);
    void SendClientMouse(WebWindow& w, unsigned message, int x, int y, bool down);
    void ChooseMenuItem(int index);

    WebBackend& m_backend;
    Target m_target = Target::None;
    WebWindow* m_window = nullptr; // the window the pointer went down on
    int m_control = -1;
    int m_lastX = 0, m_lastY = 0;
};
