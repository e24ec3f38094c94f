// Replays a run of the browser's test page on the headless backend: the
// same messages to the same windows in the same order (input, paints, timer
// ticks, the text typed into edits), from the journal the test page kept.
// At each checkpoint of the journal it writes the main window's back buffer
// as raw RGB bytes, and the notebook's equation as the desktop computes and
// draws it, so that the browser tests can compare the canvas with both; at
// the end, the bytes of every file the run saved and the picture of every
// sheet it printed.
// With `mouse`, each key the bench took (a turn of the valve, a move of the
// right branch) is replayed as the click or drag of the mouse it stands for:
// the same run by a student with a mouse.
//
//   tervan-replay JOURNAL OUTDIR DATE [mouse]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/TervanApp.h"
#include "app/TervanDlg.h"
#include "model/GraphData.h"
#include "model/LinearFit.h"
#include "platform/TextRenderer.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/ResourceIds.h"
#include "support/TextPixels.h"
#include "view/BenchLayout.h"
#include "view/DrawBitmap.h"

namespace {

// Timers tick only where the journal says: the browser's clock decided when.
class ReplayBackend : public HeadlessBackend {
  public:
    void SetTimer(CWnd&, UINT, UINT) override {}
    void KillTimer(CWnd&, UINT) override {}
    time_seconds NowSeconds() override { return date; }
    // The focused part and Shift, as the page had them for the key being
    // replayed.
    int FocusedPart(CWnd&) override { return keyPart; }
    bool IsKeyDown(UINT vk) override { return vk == VK_SHIFT && keyShift; }
    time_seconds date = 0;
    int keyPart = 0;
    bool keyShift = false;
};

struct Entry {
    std::string kind;
    int depth = 0;
    long a = 0, b = 0, c = 0;
    std::string text;
};

class Replayer {
  public:
    Replayer(ReplayBackend& backend, std::vector<Entry> journal, std::string out, bool mouse)
        : m_backend(backend), m_journal(std::move(journal)), m_out(std::move(out)), m_mouse(mouse)
    {
        m_backend.defaultModal = [this](CDialog& dlg) { return RunWindow(&dlg); };
        m_backend.onMessageBox = [this](const HeadlessBackend::Box&) { RunWindow(nullptr); };
        m_backend.onScriptFailure = [this](const std::string& what) { Fail(what); };
    }

    void Finish()
    {
        // Each file the run saved, as the desktop wrote its bytes.
        std::string saves;
        for (std::size_t i = 0; i < m_backend.Saves().size(); ++i) {
            const SaveRequest& saved = m_backend.Saves()[i];
            const std::string file = m_out + "/save-" + std::to_string(i + 1);
            std::ofstream(file, std::ios::binary) << saved.bytes;
            saves += (i ? ",{\"name\":\"" : "{\"name\":\"") + saved.suggestedName +
                     "\",\"file\":\"" + file + "\"}";
        }
        // Each sheet the run printed, as the desktop drew its picture.
        std::string prints;
        for (std::size_t i = 0; i < m_backend.Prints().size(); ++i) {
            const PrintRequest& printed = m_backend.Prints()[i];
            prints += i ? ",[" : "[";
            for (std::size_t k = 0; k < printed.pictures.size(); ++k) {
                const Surface& picture = printed.pictures[k];
                const std::string file = m_out + "/print-" + std::to_string(i + 1) + "-" +
                                         std::to_string(k + 1) + ".rgb";
                WriteRgb(file, picture);
                prints += (k ? ",{\"w\":" : "{\"w\":") + std::to_string(picture.width) +
                          ",\"h\":" + std::to_string(picture.height) + ",\"file\":\"" + file +
                          "\",\"caption\":\"" + printed.captions[k] + "\"}";
            }
            prints += "]";
        }
        std::printf("{\"entries\":%zu,\"replayed\":%zu,\"checkpoints\":{%s},\"saves\":[%s],"
                    "\"prints\":[%s]}\n",
                    m_journal.size(), m_next, m_summary.c_str(), saves.c_str(), prints.c_str());
        std::fflush(stdout);
        std::exit(0);
    }

  private:
    // Takes the journal's entries for one window, from its opening to its
    // closing; entries for other windows are delivered on the way.
    int RunWindow(CDialog* dlg)
    {
        if (m_next >= m_journal.size())
            Finish(); // the browser's run stopped inside this window
        const Entry open = m_journal[m_next++];
        if (open.kind != "open" || (dlg && static_cast<long>(dlg->GetTemplateId()) != open.a))
            Fail("the journal does not open this window next");
        if (static_cast<int>(m_stack.size()) <= open.depth)
            m_stack.resize(static_cast<std::size_t>(open.depth) + 1, nullptr);
        m_stack[static_cast<std::size_t>(open.depth)] = dlg;
        while (m_next < m_journal.size()) {
            const Entry e = m_journal[m_next++];
            if (e.kind == "close" && e.depth == open.depth) {
                m_stack[static_cast<std::size_t>(open.depth)] = nullptr;
                return static_cast<int>(e.a);
            }
            if (e.kind == "open") {
                --m_next; // a window only its own caller opens
                Fail("a window opened that nothing in the program opened here");
            }
            CDialog* target = e.depth < static_cast<int>(m_stack.size())
                                  ? m_stack[static_cast<std::size_t>(e.depth)]
                                  : nullptr;
            if (e.kind == "keys")
                m_keys = e;
            else if (e.kind == "msg" && target && e.a == WM_KEYDOWN)
                Key(*target, e);
            else if (e.kind == "msg" && target)
                m_backend.Send(*target, static_cast<UINT>(e.a), static_cast<WPARAM>(e.b),
                               static_cast<LPARAM>(e.c));
            else if (e.kind == "text" && target)
                m_backend.SetControlText(*target, static_cast<int>(e.a), e.text.c_str());
            else if (e.kind == "check")
                Checkpoint(static_cast<int>(e.a));
        }
        Finish();
        return IDCANCEL;
    }

    void Key(CDialog& target, const Entry& msg)
    {
        if (m_mouse) {
            MouseFor(target, static_cast<UINT>(msg.b), LOWORD(static_cast<std::uintptr_t>(msg.c)));
            return;
        }
        m_backend.keyPart = static_cast<int>(m_keys.a);
        m_backend.keyShift = m_keys.b != 0;
        m_backend.Send(target, WM_KEYDOWN, static_cast<WPARAM>(msg.b), static_cast<LPARAM>(msg.c));
        m_backend.keyPart = 0;
        m_backend.keyShift = false;
    }

    // What a student with a mouse does for key `vk` (pressed `count` times)
    // on the part that had the focus: Space or Return on the valve is a
    // click at its centre; on the right branch, an arrow is a drag of one
    // row (five with Shift) and Page Up or Page Down a drag of a centimetre.
    void MouseFor(CDialog& target, UINT vk, int count)
    {
        const auto at = [](int x, int y) { return static_cast<LPARAM>(MAKELPARAM(x, y)); };
        if (m_keys.a == IDC_VALVE && (vk == VK_SPACE || vk == VK_RETURN)) {
            const int x = Bench::kBackBufferX + Bench::kValveCentreX;
            const int y = Bench::kBackBufferY + Bench::kValveCentreY;
            m_backend.Send(target, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
            m_backend.Send(target, WM_LBUTTONUP, 0, at(x, y));
            return;
        }
        const int arrow = m_keys.b ? 5 : 1;
        const int rows = vk == VK_UP      ? -arrow
                         : vk == VK_DOWN  ? arrow
                         : vk == VK_PRIOR ? -Bench::kRulerPxPerCm
                         : vk == VK_NEXT  ? Bench::kRulerPxPerCm
                                          : 0;
        if (m_keys.a != IDC_RIGHT_BRANCH || rows == 0)
            return;
        const int x = Bench::kBackBufferX + Bench::kGrabStripX;
        const int y = Bench::kBackBufferY + Bench::kBackBufferH / 2;
        m_backend.Send(target, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
        m_backend.Send(target, WM_MOUSEMOVE, MK_LBUTTON, at(x, y + rows * count));
        m_backend.Send(target, WM_LBUTTONUP, 0, at(x, y + rows * count));
    }

    void Checkpoint(int number)
    {
        auto* dlg = dynamic_cast<CTervanDlg*>(theApp.m_pMainWnd);
        if (!dlg) {
            Fail("a checkpoint before the main window");
            return;
        }
        const Surface& back = *dlg->m_bmpBack.GetSurface();
        const std::string file = m_out + "/check-" + std::to_string(number) + ".rgb";
        WriteRgb(file, back);
        // What the window shows at (21, 21) is the back buffer, always.
        const Surface* client = m_backend.ClientSurface(*dlg);
        int mismatches = 0;
        for (int y = 0; y < back.height; ++y)
            for (int x = 0; x < back.width; ++x)
                if (!client || client->At(21 + x, 21 + y) != back.At(x, y))
                    ++mismatches;
        // The graph page's line, as the desktop fits and writes it.
        double p[ExperimentState::kMaxRows] = {};
        RowPressures(*dlg, p);
        double a = 0.0, b = 0.0;
        if (dlg->m_nCount >= 2)
            LinearFit(p, dlg->m_dTemp, 0, dlg->m_nCount - 1, b, a);
        CString equation, wrong;
        equation.Format("T(ºC) = %5.3f P  %+3.0f", a, b);
        wrong.Format("T(ºC) = %5.3f P  %+3.0f", a, b + 1.0);
        WriteRgb(m_out + "/check-" + std::to_string(number) + "-equation.rgb",
                 EquationOnPage(equation));
        WriteRgb(m_out + "/check-" + std::to_string(number) + "-wrong.rgb", EquationOnPage(wrong));
        // The equation's cell box, cut where the chart's frame begins.
        FontMetrics metrics;
        TextRenderer::GetFontMetrics(EquationFont(), &metrics);
        const int width = TextRenderer::MeasureText(EquationFont(), equation.str());
        const int left = 486 - 2, right = std::min(486 + width + 4, 598);
        char entry[640];
        std::snprintf(entry, sizeof entry,
                      "%s\"%d\":{\"file\":\"%s\",\"clientMismatches\":%d,\"rows\":%d,"
                      "\"page\":\"%s\",\"equation\":\"%s\",\"equationBox\":{\"x\":%d,"
                      "\"y\":147,\"w\":%d,\"h\":%d}}",
                      m_summary.empty() ? "" : ",", number, file.c_str(), mismatches, dlg->m_nCount,
                      dlg->m_strPage.str().c_str(), equation.str().c_str(), left, right - left,
                      metrics.Height());
        m_summary += entry;
    }

    // The graph page's font for its titles and equation.
    static FontRequest EquationFont()
    {
        FontRequest f;
        f.height = 11;
        f.width = 6;
        f.italic = true;
        f.faceName = "Comic Sans Serif";
        return f;
    }

    // The empty notebook page with `equation` written where the graph page
    // writes it.
    static Surface EquationOnPage(const CString& equation)
    {
        return TextOver(PageBackground(), kNotebookGraph, 486, 147, equation);
    }

    static void WriteRgb(const std::string& path, const Surface& s)
    {
        std::ofstream out(path, std::ios::binary);
        for (Pixel px : s.pixels) {
            const char rgb[3] = {static_cast<char>(px >> 16), static_cast<char>(px >> 8),
                                 static_cast<char>(px)};
            out.write(rgb, 3);
        }
    }

    [[noreturn]] void Fail(const std::string& what)
    {
        std::fprintf(stderr, "tervan-replay: entry %zu: %s\n", m_next, what.c_str());
        std::exit(1);
    }

    ReplayBackend& m_backend;
    std::vector<Entry> m_journal;
    std::string m_out;
    std::size_t m_next = 0;
    std::vector<CDialog*> m_stack;
    std::string m_summary;
    bool m_mouse = false;
    Entry m_keys; // the focused part and Shift for the next key
};

std::vector<Entry> ReadJournal(const char* path)
{
    std::vector<Entry> journal;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Entry e;
        fields >> e.kind >> e.depth;
        if (e.kind == "text") {
            fields >> e.a;
            fields.get();
            std::getline(fields, e.text);
        } else if (e.kind == "check") {
            e.a = e.depth;
        } else {
            fields >> e.a >> e.b >> e.c;
        }
        journal.push_back(e);
    }
    return journal;
}

} // namespace

int main(int argc, char** argv)
{
    const bool mouse = argc == 5 && std::string(argv[4]) == "mouse";
    if (argc != 4 && !mouse) {
        std::fprintf(stderr, "usage: tervan-replay JOURNAL OUTDIR DATE [mouse]\n");
        return 2;
    }
    ReplayBackend backend;
    backend.date = static_cast<time_seconds>(std::atoll(argv[3]));
    backend.SetEpoch(backend.date);
    Replayer replayer(backend, ReadJournal(argv[1]), argv[2], mouse);
    AfxWinMain();
    replayer.Finish();
}
