// For every drawing routine, which of its creations, selections and releases
// to make fail, and every message box that must then appear. The n-th
// operation is counted from the start of the routine, or from its end with
// the count of a clean run.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/TervanDlg.h"
#include "platform/Faults.h"

using Nth = std::function<int(int clean)>;

inline Nth At(int n)
{
    return [n](int) { return n; };
}
// The last operation is FromEnd(0).
inline Nth FromEnd(int k)
{
    return [k](int clean) { return clean - k; };
}

inline std::vector<std::string> Repeated(std::vector<std::string> first, const char* code,
                                         int times, std::vector<std::string> last = {})
{
    first.insert(first.end(), static_cast<std::size_t>(times), code);
    first.insert(first.end(), last.begin(), last.end());
    return first;
}

struct FaultCase {
    const char* what; // which operation fails
    GdiOp op;
    Nth nth;
    // Every box shown, in order: the code first. A pen that was not created
    // cannot be selected or released either, so those codes follow.
    std::vector<std::string> boxes;
    // False where the failing step comes after the routine's last copy.
    bool beforeLastCopy = true;
};

struct RoutineFaults {
    const char* name;
    bool gauge; // drawn with the side gauge showing
    std::function<void(CTervanDlg&)> run;
    std::vector<FaultCase> cases;
};

inline const std::vector<RoutineFaults>& AllRoutineFaults()
{
    using Op = GdiOp;
    const int frame = 30; // of the 61 fade frames of the water bath
    const int line = 50;  // of its 100 water lines
    static const std::vector<RoutineFaults> all = {
        {"DrawBench",
         false,
         [](CTervanDlg& d) { d.DrawBench(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1001"}},
          {"stopper", Op::SelectBitmap, At(2), {"error 1003"}},
          {"bottle", Op::SelectBitmap, At(3), {"error 1003"}},
          {"horizontal tube", Op::SelectBitmap, At(4), {"error 1004"}},
          {"valve column", Op::SelectBitmap, At(5), {"error 1004b"}},
          {"funnel", Op::SelectBitmap, At(6), {"error 1004c"}}}},

        {"DrawNotebook",
         false,
         [](CTervanDlg& d) { d.DrawNotebook(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1001"}}}},

        {"DrawThermometer",
         false,
         [](CTervanDlg& d) { d.DrawThermometer(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1005"}},
          {"bar pen", Op::SelectPen, At(1), {"error 1006"}},
          {"thermometer case", Op::SelectBitmap, At(2), {"error 1006b"}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {"error 1007"}, false}}},

        // Pens in order: bench top, water, walls, inner edge, probe; each is
        // selected, then the previous pen again (the water pen also before
        // each of its 100 lines).
        {"DrawWaterBath",
         false,
         [](CTervanDlg& d) { d.DrawWaterBath(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1008"}},
          {"bench-top pen created", Op::CreatePen, At(1), {"error 1036", "error 1009"}},
          {"bench-top pen selected", Op::SelectPen, At(1), {"error 1009"}},
          {"water pen created", Op::CreatePen, At(2),
           Repeated({"error 1037", "error 1010"}, "error 1011", 100)},
          {"water pen selected", Op::SelectPen, At(3), {"error 1010"}},
          {"water pen before line 50", Op::SelectPen, At(4 + line), {"error 1011"}},
          {"wall pen created", Op::CreatePen, At(3), {"error 1038", "error 1012"}},
          {"wall pen selected", Op::SelectPen, FromEnd(5), {"error 1012"}},
          {"inner-edge pen created", Op::CreatePen, At(4), {"error 1039", "error 1013"}},
          {"inner-edge pen selected", Op::SelectPen, FromEnd(3), {"error 1013"}},
          {"probe pen created", Op::CreatePen, At(5), {"error 1040", "error 1014", "ERROR 995mk"}},
          {"probe pen selected", Op::SelectPen, FromEnd(1), {"error 1014"}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {"error 1015"}},
          {"releasing the probe pen", Op::DeletePen, FromEnd(0), {"ERROR 995mk"}}}},

        // Bitmaps: back buffer, left branch (unreported), right branch,
        // funnel. Pens: bench colour, hose, mercury, highlight, marks.
        {"DrawManometer",
         false,
         [](CTervanDlg& d) { d.DrawManometer(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1016"}},
          {"bench pen created", Op::CreatePen, At(1), {"error 1016b", "error 1017", "error 1041a"}},
          {"bench pen selected", Op::SelectPen, At(1), {"error 1017"}},
          {"right branch", Op::SelectBitmap, At(3), {"error 1017b"}},
          {"funnel", Op::SelectBitmap, At(4), {"error 1017c"}},
          {"releasing the bench pen", Op::DeletePen, At(1), {"error 1041a"}},
          {"hose pen created", Op::CreatePen, At(2), {"error 1041", "error 1018"}},
          {"hose pen selected", Op::SelectPen, At(3), {"error 1018"}},
          {"mercury pen created", Op::CreatePen, At(3), {"error 1041f"}},
          {"highlight pen created", Op::CreatePen, At(4), {"error 1041f"}},
          {"mark pen created", Op::CreatePen, At(5), {"error 1041d", "ERROR 384em"}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {"error 1020"}, false},
          {"releasing the mark pen", Op::DeletePen, FromEnd(0), {"ERROR 384em"}, false}}},

        // Bitmaps: back buffer, left branch, gauge, right branch, funnel,
        // small tube. Pens: bench colour, hose, gauge hose, ...
        {"DrawManometerWithGauge",
         true,
         [](CTervanDlg& d) { d.DrawManometer(); },
         {{"gauge picture", Op::SelectBitmap, At(3), {"error 1017c"}},
          {"small tube", Op::SelectBitmap, At(6), {"error 1017c"}},
          {"releasing the hose pen", Op::DeletePen, At(2), {"error 1043a"}},
          {"gauge hose pen created", Op::CreatePen, At(3), {"error 1043", "error 1020"}},
          {"gauge hose pen selected", Op::SelectPen, At(5), {"error 1020"}}}},

        {"DrawSideGauge",
         true,
         [](CTervanDlg& d) { d.DrawSideGauge(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1021"}},
          {"gauge picture", Op::SelectBitmap, At(2), {"error 1017c"}},
          {"small tube", Op::SelectBitmap, At(3), {"error 1017c"}}}},

        // 54 frames, each selecting the bottle afresh.
        {"RaiseBottle",
         false,
         [](CTervanDlg& d) { d.RaiseBottle(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1022"}},
          {"bottle in frame 27", Op::SelectBitmap, At(1 + 27), {"error 1023"}}}},

        {"RampWaterTemp",
         false,
         [](CTervanDlg& d) { d.RampWaterTemp(0.3, 10); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1034"}}}},

        // Pens created: scratch, then bench top, walls and inner edge in each
        // fade frame, the probe, the water. Selections: scratch, then for each
        // pen of a frame the saved pen and the pen; the probe likewise; then
        // per water line the water, wall and inner-edge pens; last the saved
        // pen.
        {"FillWaterBath",
         false,
         [](CTervanDlg& d) { d.FillWaterBath(); },
         {{"back buffer", Op::SelectBitmap, At(1), {"error 1024"}},
          {"scratch pen created", Op::CreatePen, At(1), {"error 1024b", "error 1025"}},
          {"scratch pen selected", Op::SelectPen, At(1), {"error 1025"}},
          {"bench-top pen created", Op::CreatePen, At(2 + 3 * frame), {"error 1044", "error 1026"}},
          {"bench-top pen selected", Op::SelectPen, At(3 + 6 * frame), {"error 1026"}},
          {"wall pen created", Op::CreatePen, At(3 + 3 * frame), {"error 1045", "error 1027"}},
          {"wall pen selected", Op::SelectPen, At(5 + 6 * frame), {"error 1027"}},
          {"inner-edge pen created",
           Op::CreatePen,
           At(4 + 3 * frame),
           {"error 1046", "error 1028"}},
          {"inner-edge pen selected", Op::SelectPen, At(7 + 6 * frame), {"error 1028"}},
          {"probe pen created", Op::CreatePen, FromEnd(1), {"error 1047", "error 1032"}},
          {"probe pen selected", Op::SelectPen, FromEnd(302), {"error 1032"}},
          {"water pen created", Op::CreatePen, FromEnd(0),
           Repeated({"error 1034"}, "error 1029", 100, {"ERROR 385em"})},
          {"water pen selected", Op::SelectPen, FromEnd(300 - 3 * line), {"error 1029"}},
          {"wall pen redrawn", Op::SelectPen, FromEnd(299 - 3 * line), {"error 1030"}},
          {"inner-edge pen redrawn", Op::SelectPen, FromEnd(298 - 3 * line), {"error 1031"}},
          // After the last frame: the saved pen back, the pens released.
          {"saved pen", Op::SelectPen, FromEnd(0), {"error 1033"}, false},
          {"releasing the water pen", Op::DeletePen, FromEnd(3), {"ERROR 385em"}, false},
          {"releasing the wall pen", Op::DeletePen, FromEnd(2), {"ERROR 386em"}, false},
          {"releasing the inner-edge pen", Op::DeletePen, FromEnd(1), {"ERROR 387em"}, false}}},
    };
    return all;
}
