// The browser page's event queue as the page hands it over, on the web
// backend built for this machine: pointer, key, text, context-menu,
// long-press and screen-reader events (the menu's too) in any order with
// any numbers, texts of any length and any bytes (broken UTF-8 too), kinds
// the backend does not know, and time passing between them. The whole
// program runs from its title dialog, as the page runs it. What the program
// hands back to the page must make sense: every put on the canvas lies on
// the page, the text input lies on the page with its selection inside its
// text, the DOM mirrors of the window and of the menu are well-formed JSON,
// what is saved, printed or opened is named, and the bench's state holds at
// every frame. When the input runs out, Escape is pressed until every
// dialog has ended (the main window, which may ask first, ends as its
// Escape would), and the program must end.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <initializer_list>
#include <string>

#include "app/TervanDlg.h"
#include "fuzz/Check.h"
#include "fuzz/JsonCheck.h"
#include "platform/Random.h"
#include "platform/WinApp.h"
#include "platform/web/PageBridge.h"
#include "platform/web/WebBackend.h"
#include "platform/web/WebWindow.h"
#include "res/Resources.h"
#include "support/StateInvariants.h"

namespace {

// Escape presses enough to end every window however many are open and
// whatever menu is in the way; more means one of them ignores Escape.
constexpr int kMostEscapes = 64;
// Pauses stop passing time once the page has run this long: each second is
// twenty gas ticks redrawn and composed, and an input must run in seconds.
constexpr double kLongestPageMs = 20000;

struct QueuedEvent {
    QueuedEvent() = default;
    QueuedEvent(int k, std::initializer_list<int> f = {}) : kind(k)
    {
        std::copy(f.begin(), f.end(), fields);
    }
    int kind = kEventNone;
    int fields[6] = {};
    std::string text;
};

// The page as the program sees it: the queue the input fills, the clock and
// what the program handed over.
class FakePage {
  public:
    void Start(FuzzedDataProvider& in, WebBackend& backend)
    {
        m_in = &in;
        m_backend = &backend;
        m_queue.clear();
        m_pauseMs = 0;
        m_now = 0;
        m_escapes = 0;
        m_ended = false;
        m_justTaken = false;
        m_mainEscaped = false;
    }
    void Stop() { m_in = nullptr; }
    bool Ended() const { return m_ended; }

    void Init(int w, int h)
    {
        FUZZ_CHECK(w > 0 && h > 0);
        m_width = w;
        m_height = h;
    }

    double Now() const { return m_now; }

    // Waiting for events lasts until the next one (a pause in the input
    // passes on the clock); a held program waits the whole time.
    void Wait(int ms, bool wakeOnEvent)
    {
        FUZZ_CHECK(ms >= 0);
        if (!wakeOnEvent) {
            m_now += ms;
            return;
        }
        Fill();
        if (!m_queue.empty())
            return;
        const int passed = m_pauseMs < ms ? m_pauseMs : ms;
        m_now += passed;
        m_pauseMs -= passed;
    }

    int Pending()
    {
        Fill();
        return m_queue.empty() ? 0 : 1;
    }

    int Next(int* fields)
    {
        // One event a round of the loop, as the browser hands them over
        // between frames: the page is shown after each.
        if (m_justTaken) {
            m_justTaken = false;
            return kEventNone;
        }
        Fill();
        if (m_queue.empty())
            return kEventNone;
        m_justTaken = true;
        m_taken = std::move(m_queue.front());
        m_queue.pop_front();
        std::memcpy(fields, m_taken.fields, sizeof m_taken.fields);
        fields[6] = static_cast<int>(m_taken.text.size());
        return m_taken.kind;
    }

    void Text(char* buffer, int size)
    {
        FUZZ_CHECK(size == static_cast<int>(m_taken.text.size()) + 1);
        std::memcpy(buffer, m_taken.text.c_str(), m_taken.text.size() + 1);
    }

    void Present(int x, int y, int w, int h)
    {
        FUZZ_CHECK(w > 0 && h > 0 && x >= 0 && y >= 0);
        FUZZ_CHECK(x + w <= m_width && y + h <= m_height);
        // A frame shows: the bench's state must make sense, even mid-handler.
        if (CWinApp* app = AfxGetApp())
            if (auto* bench = dynamic_cast<CTervanDlg*>(app->m_pMainWnd)) {
                const std::string found = StateInvariants(false).AtCopy(*bench);
                if (!found.empty())
                    std::fprintf(stderr, "%s\n", found.c_str());
                FUZZ_CHECK(found.empty());
            }
    }

    void BindInput(int x, int y, int w, int h, int fontPx, const char* text, int start, int end)
    {
        if (w == 0)
            return;
        FUZZ_CHECK(w > 0 && h > 0 && x >= 0 && y >= 0);
        FUZZ_CHECK(x + w <= m_width && y + h <= m_height);
        FUZZ_CHECK(fontPx > 0);
        FUZZ_CHECK(0 <= start && start <= end);
        // The text and selection are the top window's edit's, on character
        // starts (a text holding a 0 byte reaches the page cut short there).
        WebWindow* top = m_backend->Top();
        FUZZ_CHECK(top && top->TypedEdit() >= 0);
        const std::string& edit =
            top->Controls()[static_cast<std::size_t>(top->TypedEdit())].edit.text;
        FUZZ_CHECK(std::strcmp(text, edit.c_str()) == 0);
        FUZZ_CHECK(end <= static_cast<int>(edit.size()));
        for (const int at : {start, end})
            FUZZ_CHECK(at == static_cast<int>(edit.size()) ||
                       (static_cast<unsigned char>(edit[static_cast<std::size_t>(at)]) & 0xC0) !=
                           0x80);
    }

    // The window's mirror and the open menu's: "null" or one JSON object.
    static void Mirror(const char* json)
    {
        FUZZ_CHECK(std::strcmp(json, "null") == 0 || IsJsonObject(json));
    }

    void ProgramEnded() { m_ended = true; }

  private:
    // Takes the next item of the input when nothing is queued: an event, or
    // time passing. With the input spent, Escape for the top window.
    void Fill()
    {
        if (!m_queue.empty() || m_pauseMs > 0 || !m_in)
            return;
        if (m_in->remaining_bytes() == 0) {
            WebWindow* top = m_backend->Top();
            if (!top)
                return;
            // With rows noted, the main window asks before it ends, and
            // Escape on that question keeps it open: once it has been
            // asked, the main window ends as its Escape would have.
            if (m_backend->Depth() == 0 && m_mainEscaped) {
                auto* main = dynamic_cast<CDialog*>(&top->Wnd());
                FUZZ_CHECK(main != nullptr);
                m_backend->EndModal(*main, IDCANCEL);
                return;
            }
            m_mainEscaped = m_mainEscaped || m_backend->Depth() == 0;
            FUZZ_CHECK(++m_escapes <= kMostEscapes);
            Queue({kKeyPress, {kKeyEscape, 0}});
            return;
        }
        FuzzedDataProvider& in = *m_in;
        const int choice = in.ConsumeIntegralInRange(0, 16);
        switch (choice) {
        case 0:
            m_pauseMs = in.ConsumeIntegralInRange(1, 3000);
            if (m_now >= kLongestPageMs)
                m_pauseMs = 0;
            return;
        case kPointerDown:
        case kPointerMove:
        case kPointerUp:
        case kContextMenu:
        case kLongPress: {
            QueuedEvent e{choice};
            e.fields[0] = Coordinate(in);
            e.fields[1] = Coordinate(in);
            e.fields[2] = in.ConsumeIntegralInRange(-1, 3);
            Queue(std::move(e));
            return;
        }
        case kPointerCancel:
            Queue({kPointerCancel});
            return;
        case kKeyPress:
            Queue({kKeyPress,
                   {in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(0, 14),
                    in.ConsumeIntegralInRange(0, 1)}});
            return;
        case kEditState: {
            QueuedEvent e{kEditState};
            const bool wild = in.ConsumeBool();
            for (int i = 0; i < 2; ++i)
                e.fields[i] = wild ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(0, 40);
            e.fields[2] = in.ConsumeIntegralInRange(0, 1);
            e.text = in.ConsumeRandomLengthString();
            Queue(std::move(e));
            return;
        }
        case kMirrorFocus:
        case kMirrorActivate:
        case kMirrorStep: {
            QueuedEvent e{choice};
            const bool wild = in.ConsumeBool();
            e.fields[0] = wild ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(0, 3);
            e.fields[1] = wild ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(-20, 1200);
            Queue(std::move(e));
            return;
        }
        case kMenuChoose: // a screen reader's choice in the open menu
            Queue({kMenuChoose,
                   {in.ConsumeBool() ? in.ConsumeIntegral<int>()
                                     : in.ConsumeIntegralInRange(-2, 10)}});
            return;
        case 14: { // a kind the backend does not know, with anything in it
            QueuedEvent e{in.ConsumeBool() ? 8 : in.ConsumeIntegral<int>()};
            if (e.kind == kEventNone)
                e.kind = 8;
            for (int& f : e.fields)
                f = in.ConsumeIntegral<int>();
            e.text = in.ConsumeRandomLengthString(64);
            Queue(std::move(e));
            return;
        }
        default: // a click on one of the top window's controls, or a drag from it
            ClickControl(in, choice == 16);
            return;
        }
    }

    // Mostly on a page of any size or just off it; now and then any number
    // at all.
    static int Coordinate(FuzzedDataProvider& in)
    {
        if (in.ConsumeIntegralInRange(0, 7) == 0)
            return in.ConsumeIntegral<int>();
        return in.ConsumeIntegralInRange(-20, 2047);
    }

    void ClickControl(FuzzedDataProvider& in, bool drag)
    {
        WebWindow* top = m_backend->Top();
        if (!top || top->Controls().empty())
            return;
        const auto& controls = top->Controls();
        const DialogControl& c =
            controls[in.ConsumeIntegralInRange<std::size_t>(0, controls.size() - 1)];
        const Box client = top->ClientOnScreen();
        const int x = client.x + c.rect.x + c.rect.w / 2, y = client.y + c.rect.y + c.rect.h / 2;
        Queue({kPointerDown, {x, y, 0}});
        int upX = x;
        if (drag) {
            upX = x + in.ConsumeIntegralInRange(-200, 200);
            Queue({kPointerMove, {upX, y, 1}});
        }
        Queue({kPointerUp, {upX, y}});
    }

    void Queue(QueuedEvent e) { m_queue.push_back(std::move(e)); }

    FuzzedDataProvider* m_in = nullptr;
    WebBackend* m_backend = nullptr;
    std::deque<QueuedEvent> m_queue;
    QueuedEvent m_taken;
    int m_pauseMs = 0;
    double m_now = 0;
    int m_width = 0, m_height = 0;
    int m_escapes = 0;
    bool m_ended = false;
    bool m_justTaken = false;
    bool m_mainEscaped = false;
};

FakePage g_page;

} // namespace

extern "C" {
void tervan_page_init(int w, int h)
{
    g_page.Init(w, h);
}
void tervan_present(const unsigned char* rgba, int x, int y, int w, int h)
{
    FUZZ_CHECK(rgba != nullptr);
    g_page.Present(x, y, w, h);
}
double tervan_now()
{
    return g_page.Now();
}
void tervan_wait(int ms, int wakeOnEvent)
{
    g_page.Wait(ms, wakeOnEvent != 0);
}
int tervan_next_event(int* fields)
{
    return g_page.Next(fields);
}
void tervan_event_text(char* buffer, int size)
{
    g_page.Text(buffer, size);
}
int tervan_pending_events()
{
    return g_page.Pending();
}
void tervan_bind_input(int x, int y, int w, int h, int fontPx, const char* text, int selStart,
                       int selEnd, int focused)
{
    FUZZ_CHECK(focused == 0 || focused == 1);
    g_page.BindInput(x, y, w, h, fontPx, text, selStart, selEnd);
}
void tervan_set_title(const char* title)
{
    FUZZ_CHECK(title && *title);
}
void tervan_set_work_at_risk(int atRisk)
{
    FUZZ_CHECK(atRisk == 0 || atRisk == 1);
}
void tervan_program_ended()
{
    g_page.ProgramEnded();
}
void tervan_mirror(const char* json)
{
    g_page.Mirror(json);
}
void tervan_announce(const char* text)
{
    FUZZ_CHECK(text != nullptr);
}
void tervan_menu(const char* json)
{
    g_page.Mirror(json);
}
void tervan_save_file(const char* name, const unsigned char* bytes, int size, const char* mimeType)
{
    FUZZ_CHECK(name && *name && mimeType && *mimeType);
    FUZZ_CHECK(size >= 0 && (size == 0 || bytes));
}
void tervan_print_begin(const char* title)
{
    FUZZ_CHECK(title != nullptr);
}
void tervan_print_sheet(const unsigned char* rgba, int w, int h, int factor, int dpi,
                        const char* caption)
{
    FUZZ_CHECK(rgba && w > 0 && h > 0 && factor > 0 && dpi > 0 && caption);
}
void tervan_print_end() {}
int tervan_open_document(const char* name)
{
    FUZZ_CHECK(name && *name);
    return 1;
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetApplicationResources(&TervanResources());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    unsigned draws = in.ConsumeIntegral<unsigned>();
    Random::SetSource([&draws] {
        draws = draws * 1103515245u + 12345u;
        return static_cast<int>((draws >> 16) % 32768u);
    });
    {
        WebBackend backend;
        backend.FixDate(1700000000);
        g_page.Start(in, backend);
        backend.Run();
        FUZZ_CHECK(g_page.Ended());
        FUZZ_CHECK(backend.Top() == nullptr);
        g_page.Stop();
    }
    Random::SetSource({});
    return 0;
}
