// The page's queued events turned into what the windows expect: a pointer
// (mouse, finger or pen) presses buttons, places an edit's caret and
// selection, or reaches a window's client area as mouse messages; keys move
// the focus (Tab), press the focused or default button (Return, Space) or
// cancel (Escape), or open the window's menu (the Menu key, Shift+F10); the
// page's text input reports what was typed into the edit it stands behind;
// a context menu offers a window's system-menu items.
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
    void EditState(const std::string& text, int start, int end, bool backwards);
    void OpenMenu(int x, int y);
    void OpenMenuByKey();
    void SendClientMouse(WebWindow& w, unsigned message, int x, int y, bool down);
    void ChooseMenuItem(int index);

    WebBackend& m_backend;
    Target m_target = Target::None;
    WebWindow* m_window = nullptr; // the window the pointer went down on
    int m_control = -1;
    int m_lastX = 0, m_lastY = 0;
};
