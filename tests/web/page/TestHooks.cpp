#include "TestHooks.h"

#include <cstdio>
#include <string>

#include "platform/web/PageInput.h"
#include "platform/web/WebBackend.h"
#include "platform/web/WebWindow.h"

extern "C" {
double tervan_test_param(const char* name, double fallback);
void tervan_test_record(const char* line);
void tervan_test_tick(unsigned id);
void tervan_test_snapshot(int number);
void tervan_test_state(const char* json);
}

namespace {
// The test page's own events, queued by the tests as the page queues the
// user's (harness.js): a command and its number.
constexpr int kTestCommand = 8;
constexpr int kCheckpoint = 1;

void Record(const std::string& line)
{
    tervan_test_record(line.c_str());
}

std::string Quoted(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// The top window and its controls, where the page shows them.
std::string TopState(WebBackend& backend)
{
    WebWindow* top = backend.Top();
    if (!top)
        return "{}";
    const Box client = top->ClientOnScreen();
    std::string json =
        "{\"depth\":" + std::to_string(backend.Depth()) +
        ",\"template\":" + std::to_string(top->Template() ? top->Template()->id : 0) +
        ",\"menu\":" + (backend.GetScreen().Menu().IsOpen() ? "true" : "false") + ",\"controls\":[";
    bool first = true;
    const auto& controls = top->Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const DialogControl& c = controls[i];
        if (c.id == IDC_STATIC)
            continue;
        json += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(c.id) +
                ",\"text\":" + Quoted(c.edit.text) +
                ",\"x\":" + std::to_string(client.x + c.rect.x) +
                ",\"y\":" + std::to_string(client.y + c.rect.y) +
                ",\"w\":" + std::to_string(c.rect.w) + ",\"h\":" + std::to_string(c.rect.h) +
                ",\"enabled\":" + (c.enabled ? "true" : "false") +
                ",\"visible\":" + (c.visible ? "true" : "false") +
                ",\"focus\":" + (top->Focus() == static_cast<int>(i) ? "true" : "false") + "}";
        first = false;
    }
    // The window's parts, where the page shows them, and the focus and
    // keyboard cues.
    json += "],\"parts\":[";
    first = true;
    for (const ClientPart& p : top->Parts()) {
        json += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(p.id) +
                ",\"x\":" + std::to_string(client.x + p.rect.x) +
                ",\"y\":" + std::to_string(client.y + p.rect.y) +
                ",\"w\":" + std::to_string(p.rect.w) + ",\"h\":" + std::to_string(p.rect.h) +
                ",\"painted\":" + (p.painted ? "true" : "false") +
                ",\"pressed\":" + (p.pressed ? "true" : "false") + ",\"value\":" + Quoted(p.value) +
                ",\"now\":" + std::to_string(static_cast<int>(p.now)) + "}";
        first = false;
    }
    const FocusStop focus = top->FocusedStop();
    return json +
           "],\"focusPart\":" + std::to_string(focus.kind == FocusStop::Part ? focus.index : 0) +
           ",\"cues\":" + (top->CuesShown() ? "true" : "false") + "}";
}
} // namespace

void InstallTestHooks(WebBackend& backend)
{
    backend.SetTimeScale(tervan_test_param("scale", 1.0));
    const double date = tervan_test_param("date", 0);
    if (date > 0)
        backend.FixDate(static_cast<time_seconds>(date));
    backend.onTick = [](UINT id) { tervan_test_tick(id); };
    backend.onDispatch = [&backend](CWnd& wnd, const MSG& msg) {
        char line[96];
        // A key the window handles depends on which part has the focus and
        // on Shift: the replay is told both.
        if (msg.message == WM_KEYDOWN) {
            std::snprintf(line, sizeof line, "keys %d %d %d", backend.Depth(wnd),
                          backend.FocusedPart(wnd), backend.IsKeyDown(VK_SHIFT) ? 1 : 0);
            Record(line);
        }
        std::snprintf(line, sizeof line, "msg %d %u %lu %ld", backend.Depth(wnd), msg.message,
                      static_cast<unsigned long>(msg.wParam), static_cast<long>(msg.lParam));
        Record(line);
    };
    backend.onWindowOpened = [](int depth, UINT id) {
        Record("open " + std::to_string(depth) + " " + std::to_string(id));
    };
    backend.onWindowClosed = [](int depth, int result) {
        Record("close " + std::to_string(depth) + " " + std::to_string(result));
    };
    backend.onTyped = [](int depth, int id, const std::string& text) {
        Record("text " + std::to_string(depth) + " " + std::to_string(id) + " " + text);
    };
    static std::string published;
    backend.onPresented = [&backend] {
        std::string state = TopState(backend);
        if (state != published) {
            published = std::move(state);
            tervan_test_state(published.c_str());
        }
    };
    backend.Input().onOtherEvent = [&backend](int kind, const int* fields, const std::string&) {
        if (kind == kTestCommand && fields[0] == kCheckpoint) {
            const int number = fields[1];
            Record("check " + std::to_string(number));
            backend.Present();
            tervan_test_snapshot(number);
        }
    };
}
