#include "platform/web/Screen.h"

#include <algorithm>

#include "platform/ClassicLook.h"
#include "platform/Messages.h"
#include "platform/web/PageBridge.h"
#include "platform/web/WebWindow.h"

using namespace ClassicLook;

namespace {
// What lies around the windows where the page has no window.
constexpr Pixel kDesktop = 0x2F4F4F;
constexpr std::size_t kMaxDirty = 8;
// Rows composed and handed to the canvas in one piece.
constexpr int kBandRows = 32;
constexpr int kItemHeight = 18;
constexpr int kItemPadding = 20;
} // namespace

int ContextMenu::ItemAt(int x, int y) const
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].box.Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

void Screen::Init(int w, int h)
{
    m_width = w;
    m_height = h;
    m_dirty = {Box{0, 0, w, h}};
    tervan_page_init(w, h);
}

void Screen::Invalidate(Box b)
{
    b = b.Intersect({0, 0, m_width, m_height});
    if (b.Empty())
        return;
    // Overlapping parts are joined; past a handful, everything is.
    for (auto it = m_dirty.begin(); it != m_dirty.end();) {
        if (!it->Intersect(b).Empty()) {
            b = b.Union(*it);
            it = m_dirty.erase(it);
        } else {
            ++it;
        }
    }
    m_dirty.push_back(b);
    if (m_dirty.size() > kMaxDirty) {
        Box all;
        for (const Box& d : m_dirty)
            all = all.Union(d);
        m_dirty = {all};
    }
}

void Screen::Present(const std::vector<WebWindow*>& windows)
{
    for (WebWindow* w : windows)
        Invalidate(w->Update());
    const std::vector<Box> dirty = std::move(m_dirty);
    m_dirty.clear();
    // A band of rows at a time, composed and handed to the canvas: the
    // program's memory, which never shrinks once touched, holds no whole
    // picture of the page, only a band of it.
    for (const Box& b : dirty) {
        for (int top = b.y; top < b.Bottom(); top += kBandRows) {
            const Box band{b.x, top, b.w, std::min(kBandRows, b.Bottom() - top)};
            Compose(band, windows);
            m_rgba.resize(static_cast<std::size_t>(band.w) * band.h * 4);
            unsigned char* out = m_rgba.data();
            for (int y = 0; y < band.h; ++y) {
                const Pixel* row = m_band.Row(y);
                for (int x = 0; x < band.w; ++x) {
                    *out++ = static_cast<unsigned char>(row[x] >> 16);
                    *out++ = static_cast<unsigned char>(row[x] >> 8);
                    *out++ = static_cast<unsigned char>(row[x]);
                    *out++ = 255;
                }
            }
            tervan_present(m_rgba.data(), band.x, band.y, band.w, band.h);
        }
    }
}

void Screen::Compose(Box b, const std::vector<WebWindow*>& windows)
{
    // The band's pixels, the page's from (b.x, b.y) on.
    if (m_band.width != b.w || m_band.height != b.h)
        m_band.Reset(b.w, b.h, kDesktop);
    else
        m_band.FillRect(0, 0, b.w, b.h, kDesktop);
    for (const WebWindow* w : windows)
        w->DrawInto(m_band, b, b.x, b.y);
    if (m_menu.IsOpen()) {
        Painter p(m_band, Box{0, 0, b.w, b.h}, -b.x, -b.y);
        DrawMenu(p);
    }
}

void Screen::OpenMenu(WebWindow& owner, int x, int y)
{
    CloseMenu();
    const FontRequest font = CaptionFont();
    int width = 0;
    std::vector<ContextMenu::Item> items;
    for (const WebWindow::MenuItem& item : owner.Menu()) {
        // A leading separator has nothing to separate: only the items show.
        if (item.flags & MF_SEPARATOR)
            continue;
        items.push_back({item.id, item.text, {}});
        width = std::max(width, TextWidth(font, item.text));
    }
    if (items.empty())
        return;
    const int w = width + 2 * kItemPadding + 6;
    const int h = static_cast<int>(items.size()) * kItemHeight + 6;
    x = std::max(0, std::min(x, m_width - w));
    y = std::max(0, std::min(y, m_height - h));
    m_menu.owner = &owner;
    m_menu.box = {x, y, w, h};
    m_menu.hot = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].box = {x + 3, y + 3 + static_cast<int>(i) * kItemHeight, w - 6, kItemHeight};
    m_menu.items = std::move(items);
    Invalidate(m_menu.box);
}

void Screen::CloseMenu()
{
    if (!m_menu.IsOpen())
        return;
    Invalidate(m_menu.box);
    m_menu = ContextMenu{};
}

void Screen::DrawMenu(Painter& p)
{
    const Box& r = m_menu.box;
    p.Fill(r, kFace);
    DrawEdge(p, r, Edge::Window);
    const FontRequest font = CaptionFont();
    for (std::size_t i = 0; i < m_menu.items.size(); ++i) {
        const ContextMenu::Item& item = m_menu.items[i];
        const bool hot = static_cast<int>(i) == m_menu.hot;
        if (hot)
            p.Fill(item.box, kSelection);
        p.Text(font, item.box.x + kItemPadding, item.box.y + (kItemHeight - LineHeight(font)) / 2,
               item.text, hot ? kSelectedText : kDarkShadow);
    }
}
