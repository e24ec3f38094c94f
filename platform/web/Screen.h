// The page's one canvas: the program's windows stacked on it, bottom to top,
// with a context menu over them when one is open. Only the parts that
// changed are composed again and put on the canvas: a whole-screen put costs
// several milliseconds in a software-rendering browser, more than an
// animation frame leaves.
#pragma once

#include <string>
#include <vector>

#include "platform/Painter.h"
#include "platform/Surface.h"

class WebWindow;

// A context menu offering a window's system-menu items.
struct ContextMenu {
    WebWindow* owner = nullptr; // null while closed
    Box box;                    // on the page
    struct Item {
        unsigned id;
        std::string text;
        Box box; // on the page
    };
    std::vector<Item> items;
    int hot = -1; // the item under the pointer or chosen by the keys
    bool IsOpen() const { return owner != nullptr; }
    int ItemAt(int x, int y) const;
};

class Screen {
  public:
    void Init(int w, int h);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Invalidate(Box b);
    // Draws what changed in `windows` (bottom to top) and the menu and puts
    // it on the canvas.
    void Present(const std::vector<WebWindow*>& windows);

    ContextMenu& Menu() { return m_menu; }
    // Opens the menu with `owner`'s items at (x, y), kept on the page.
    void OpenMenu(WebWindow& owner, int x, int y);
    void CloseMenu();

  private:
    // Composes the page's part `b` into m_band.
    void Compose(Box b, const std::vector<WebWindow*>& windows);
    void DrawMenu(Painter& p);

    int m_width = 0, m_height = 0;
    Surface m_band; // the rows being composed
    std::vector<Box> m_dirty;
    std::vector<unsigned char> m_rgba;
    ContextMenu m_menu;
};
