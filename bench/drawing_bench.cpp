// What each drawing routine costs, as a ratio to one opaque copy of the whole
// 600 x 400 back buffer to the window, measured in the same run. Ratios are
// stable from machine to machine; the absolute times are this machine's only.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/TervanDlg.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resources.h"
#include "view/DrawBitmap.h"

namespace {
struct Bench {
    Bench()
    {
        SetApplicationResources(&TervanResources());
        Random::SetSource([] { return 16000; });
        backend.onScriptFailure = [](const std::string&) {};
        backend.ExpectModal([](CDialog&) { return IDOK; });
        for (CTervanDlg* d : {&dlg, &unshown}) {
            backend.Open(*d);
            d->m_nBottleY = 200;
            d->m_bBottleClosed = true;
            d->m_bSubmerged = true;
            d->m_nValveFrame = IDB_VALVE_CLOSED;
            d->m_strPage.Empty();
            d->m_dPressureDiff = 12.0;
            d->DrawBench();
        }
        // Without a window its routines draw everything but copy nothing.
        backend.Close(unshown);
    }
    HeadlessBackend backend;
    CTervanDlg dlg;
    CTervanDlg unshown;
};

Bench& TheBench()
{
    static Bench bench;
    return bench;
}

template <typename F> void Run(benchmark::State& state, F&& f, bool shown = true)
{
    CTervanDlg& dlg = shown ? TheBench().dlg : TheBench().unshown;
    for (auto _ : state)
        f(dlg);
}

void CopyWholeBuffer(benchmark::State& s)
{
    CBitmap target;
    target.CreateCompatibleBitmap(nullptr, 600, 400);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&target);
    Run(s, [&](CTervanDlg& d) { dc.BitBlt(0, 0, 600, 400, &d.m_dcBack, 0, 0, SRCCOPY); });
}
// The copy every drawing routine ends with: the back buffer to the window's
// client area at (21, 21).
void CopyToWindow(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.CopyBackBufferToWindow(); });
}
void ValveFrame(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { DrawBitmap(&d.m_dcBack, 234, 114, 50, 50, IDB_VALVE_OPEN + 3); });
}
void DigitCell(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { DrawBitmap(&d.m_dcBack, 62, 43, 37, 50, IDB_DIGIT_0 + 3); });
}
void Manometer(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) {
        d.m_dPressureDiff = 12.0;
        d.DrawManometer();
    });
}
// Before submerging (or with the notebook open) the gauge is not redrawn.
void ManometerNotebookOpen(benchmark::State& s)
{
    Run(
        s,
        [](CTervanDlg& d) {
            d.m_strPage = "-2-";
            d.m_dPressureDiff = 12.0;
            d.DrawManometer();
            d.m_strPage.Empty();
        },
        false);
}
void ManometerWithGauge(benchmark::State& s)
{
    Run(
        s,
        [](CTervanDlg& d) {
            d.m_dPressureDiff = 12.0;
            d.DrawManometer();
        },
        false);
}
void Bench_(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.DrawBench(); });
}
void Thermometer(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.DrawThermometer(); });
}
void WaterBath(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.DrawWaterBath(); });
}
void SideGauge(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.DrawSideGauge(); });
}
void NotebookGraph(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) {
        d.m_nCount = 10;
        d.m_strInitialLevel = "20 cm";
        for (int i = 0; i < 10; ++i) {
            d.m_dTemp[i] = 15.0 + 2.0 * i;
            d.m_dLevel[i] = 20.0 + 0.3 * i;
        }
        d.m_strPage = "-4-";
        d.DrawNotebook();
        d.m_strPage.Empty();
    });
}
void FullRepaint(benchmark::State& s)
{
    Run(s, [](CTervanDlg& d) { d.SendMessage(WM_PAINT); });
}

BENCHMARK(CopyWholeBuffer);
BENCHMARK(CopyToWindow);
BENCHMARK(ValveFrame);
BENCHMARK(DigitCell);
BENCHMARK(Manometer);
BENCHMARK(ManometerNotebookOpen);
BENCHMARK(ManometerWithGauge);
BENCHMARK(Bench_)->Name("Bench");
BENCHMARK(Thermometer);
BENCHMARK(WaterBath);
BENCHMARK(SideGauge);
BENCHMARK(NotebookGraph);
BENCHMARK(FullRepaint);

// Keeps each benchmark's time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Each benchmark runs several times; its median is the figure kept,
        // so that one disturbed repetition does not move a ratio.
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                times[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};
} // namespace

int main(int argc, char** argv)
{
    // Five repetitions unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The unit is the copy every routine ends with, the back buffer to the
    // window. A copy between two buffers that both fit the cache runs faster
    // and varies with what ran before it; it is shown, not used.
    const double copy = reporter.times["CopyToWindow"];
    if (copy <= 0)
        return 0;
    const struct {
        const char* name;
        const char* label;
        const char* target;
    } rows[] = {
        {"ValveFrame", "`DrawBitmap`, a valve frame", "< 0.1"},
        {"DigitCell", "`DrawBitmap`, a digit cell", "< 0.1"},
        {"ManometerNotebookOpen", "`DrawManometer` without its copy", "<= 0.5"},
        {"ManometerWithGauge", "the same, with the side gauge", ""},
        {"Manometer", "`DrawManometer` with its copy", ""},
        {"Bench", "`DrawBench`", ""},
        {"Thermometer", "`DrawThermometer`", ""},
        {"WaterBath", "`DrawWaterBath`", ""},
        {"SideGauge", "`DrawSideGauge` and its manometer", ""},
        {"NotebookGraph", "`DrawNotebook`, graph page", ""},
        {"FullRepaint", "full repaint, submerged, with the gauge", "<= 10"},
        {"CopyToWindow", "one copy of the buffer to the window (the unit)", ""},
        {"CopyWholeBuffer", "one copy between two 600 x 400 buffers", ""},
    };
    std::printf("\n| drawing routine | ratio | target | time here |\n|---|---|---|---|\n");
    for (const auto& row : rows) {
        const double t = reporter.times[row.name];
        std::printf("| %s | %.3f | %s | %.1f us |\n", row.label, t / copy, row.target, t / 1000.0);
    }
    return 0;
}
