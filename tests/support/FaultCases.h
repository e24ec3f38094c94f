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
#include "res/ErrorCodes.h"

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
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kBenchBackBuffer}},
          {"stopper", Op::SelectBitmap, At(2), {Err::kBenchStopperOrBottle}},
          {"bottle", Op::SelectBitmap, At(3), {Err::kBenchStopperOrBottle}},
          {"horizontal tube", Op::SelectBitmap, At(4), {Err::kBenchTubeH}},
          {"valve column", Op::SelectBitmap, At(5), {Err::kBenchTubeV}},
          {"funnel", Op::SelectBitmap, At(6), {Err::kBenchFunnel}}}},

        {"DrawNotebook",
         false,
         [](CTervanDlg& d) { d.DrawNotebook(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kNotebookBackBuffer}}}},

        {"DrawThermometer",
         false,
         [](CTervanDlg& d) { d.DrawThermometer(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kThermometerBackBuffer}},
          {"bar pen", Op::SelectPen, At(1), {Err::kThermometerBarPen}},
          {"thermometer case", Op::SelectBitmap, At(2), {Err::kThermometerCase}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {Err::kThermometerRestorePen}, false}}},

        // Pens in order: bench top, water, walls, inner edge, probe; each is
        // selected, then the previous pen again (the water pen also before
        // each of its 100 lines).
        {"DrawWaterBath",
         false,
         [](CTervanDlg& d) { d.DrawWaterBath(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kBathBackBuffer}},
          {"bench-top pen created",
           Op::CreatePen,
           At(1),
           {Err::kBathTopPenCreate, Err::kBathTopPenSelect}},
          {"bench-top pen selected", Op::SelectPen, At(1), {Err::kBathTopPenSelect}},
          {"water pen created", Op::CreatePen, At(2),
           Repeated({Err::kBathWaterPenCreate, Err::kBathWaterPenSelect},
                    Err::kBathWaterPenReselect, 100)},
          {"water pen selected", Op::SelectPen, At(3), {Err::kBathWaterPenSelect}},
          {"water pen before line 50", Op::SelectPen, At(4 + line), {Err::kBathWaterPenReselect}},
          {"wall pen created",
           Op::CreatePen,
           At(3),
           {Err::kBathWallPenCreate, Err::kBathWallPenSelect}},
          {"wall pen selected", Op::SelectPen, FromEnd(5), {Err::kBathWallPenSelect}},
          {"inner-edge pen created",
           Op::CreatePen,
           At(4),
           {Err::kBathEdgePenCreate, Err::kBathEdgePenSelect}},
          {"inner-edge pen selected", Op::SelectPen, FromEnd(3), {Err::kBathEdgePenSelect}},
          {"probe pen created",
           Op::CreatePen,
           At(5),
           {Err::kBathProbePenCreate, Err::kBathProbePenSelect, Err::kBathProbePenRelease}},
          {"probe pen selected", Op::SelectPen, FromEnd(1), {Err::kBathProbePenSelect}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {Err::kBathRestorePen}},
          {"releasing the probe pen", Op::DeletePen, FromEnd(0), {Err::kBathProbePenRelease}}}},

        // Bitmaps: back buffer, left branch (unreported), right branch,
        // funnel. Pens: bench colour, hose, mercury, highlight, marks.
        {"DrawManometer",
         false,
         [](CTervanDlg& d) { d.DrawManometer(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kManometerBackBuffer}},
          {"bench pen created",
           Op::CreatePen,
           At(1),
           {Err::kManometerBenchPenCreate, Err::kManometerBenchPenSelect,
            Err::kManometerBenchPenRelease}},
          {"bench pen selected", Op::SelectPen, At(1), {Err::kManometerBenchPenSelect}},
          {"right branch", Op::SelectBitmap, At(3), {Err::kManometerTubeV}},
          {"funnel", Op::SelectBitmap, At(4), {Err::kManometerPicture}},
          {"releasing the bench pen", Op::DeletePen, At(1), {Err::kManometerBenchPenRelease}},
          {"hose pen created",
           Op::CreatePen,
           At(2),
           {Err::kManometerHosePenCreate, Err::kManometerHosePenSelect}},
          {"hose pen selected", Op::SelectPen, At(3), {Err::kManometerHosePenSelect}},
          {"mercury pen created", Op::CreatePen, At(3), {Err::kManometerMercuryPenCreate}},
          {"highlight pen created", Op::CreatePen, At(4), {Err::kManometerMercuryPenCreate}},
          {"mark pen created",
           Op::CreatePen,
           At(5),
           {Err::kManometerMarkPenCreate, Err::kManometerMarkPenRelease}},
          {"restoring the pen", Op::SelectPen, FromEnd(0), {Err::kManometerRestorePen}, false},
          {"releasing the mark pen",
           Op::DeletePen,
           FromEnd(0),
           {Err::kManometerMarkPenRelease},
           false}}},

        // Bitmaps: back buffer, left branch, gauge, right branch, funnel,
        // small tube. Pens: bench colour, hose, gauge hose, ...
        {"DrawManometerWithGauge",
         true,
         [](CTervanDlg& d) { d.DrawManometer(); },
         {{"gauge picture", Op::SelectBitmap, At(3), {Err::kManometerPicture}},
          {"small tube", Op::SelectBitmap, At(6), {Err::kManometerPicture}},
          {"releasing the hose pen", Op::DeletePen, At(2), {Err::kManometerHosePenRelease}},
          {"gauge hose pen created",
           Op::CreatePen,
           At(3),
           {Err::kManometerGaugeHosePenCreate, Err::kManometerGaugeHosePenSelect}},
          {"gauge hose pen selected", Op::SelectPen, At(5), {Err::kManometerGaugeHosePenSelect}}}},

        {"DrawSideGauge",
         true,
         [](CTervanDlg& d) { d.DrawSideGauge(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kSideGaugeBackBuffer}},
          {"gauge picture", Op::SelectBitmap, At(2), {Err::kManometerPicture}},
          {"small tube", Op::SelectBitmap, At(3), {Err::kManometerPicture}}}},

        // 54 frames, each selecting the bottle afresh.
        {"RaiseBottle",
         false,
         [](CTervanDlg& d) { d.RaiseBottle(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kRiseBackBuffer}},
          {"bottle in frame 27", Op::SelectBitmap, At(1 + 27), {Err::kRiseBottle}}}},

        {"RampWaterTemp",
         false,
         [](CTervanDlg& d) { d.RampWaterTemp(0.3, 10); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kRampBackBuffer}}}},

        // Pens created: scratch, then bench top, walls and inner edge in each
        // fade frame, the probe, the water. Selections: scratch, then for each
        // pen of a frame the saved pen and the pen; the probe likewise; then
        // per water line the water, wall and inner-edge pens; last the saved
        // pen.
        {"FillWaterBath",
         false,
         [](CTervanDlg& d) { d.FillWaterBath(); },
         {{"back buffer", Op::SelectBitmap, At(1), {Err::kFillBackBuffer}},
          {"scratch pen created",
           Op::CreatePen,
           At(1),
           {Err::kFillScratchPenCreate, Err::kFillScratchPenSelect}},
          {"scratch pen selected", Op::SelectPen, At(1), {Err::kFillScratchPenSelect}},
          {"bench-top pen created",
           Op::CreatePen,
           At(2 + 3 * frame),
           {Err::kFillTopPenCreate, Err::kFillTopPenSelect}},
          {"bench-top pen selected", Op::SelectPen, At(3 + 6 * frame), {Err::kFillTopPenSelect}},
          {"wall pen created",
           Op::CreatePen,
           At(3 + 3 * frame),
           {Err::kFillWallPenCreate, Err::kFillWallPenSelect}},
          {"wall pen selected", Op::SelectPen, At(5 + 6 * frame), {Err::kFillWallPenSelect}},
          {"inner-edge pen created",
           Op::CreatePen,
           At(4 + 3 * frame),
           {Err::kFillEdgePenCreate, Err::kFillEdgePenSelect}},
          {"inner-edge pen selected", Op::SelectPen, At(7 + 6 * frame), {Err::kFillEdgePenSelect}},
          {"probe pen created",
           Op::CreatePen,
           FromEnd(1),
           {Err::kFillProbePenCreate, Err::kFillProbePenSelect}},
          {"probe pen selected", Op::SelectPen, FromEnd(302), {Err::kFillProbePenSelect}},
          {"water pen created", Op::CreatePen, FromEnd(0),
           Repeated({Err::kFillWaterPenCreate}, Err::kFillWaterPenSelect, 100,
                    {Err::kFillWaterPenRelease})},
          {"water pen selected",
           Op::SelectPen,
           FromEnd(300 - 3 * line),
           {Err::kFillWaterPenSelect}},
          {"wall pen redrawn", Op::SelectPen, FromEnd(299 - 3 * line), {Err::kFillWallPenReselect}},
          {"inner-edge pen redrawn",
           Op::SelectPen,
           FromEnd(298 - 3 * line),
           {Err::kFillEdgePenReselect}},
          // After the last frame: the saved pen back, the pens released.
          {"saved pen", Op::SelectPen, FromEnd(0), {Err::kFillRestorePen}, false},
          {"releasing the water pen",
           Op::DeletePen,
           FromEnd(3),
           {Err::kFillWaterPenRelease},
           false},
          {"releasing the wall pen", Op::DeletePen, FromEnd(2), {Err::kFillWallPenRelease}, false},
          {"releasing the inner-edge pen",
           Op::DeletePen,
           FromEnd(1),
           {Err::kFillEdgePenRelease},
           false}}},
    };
    return all;
}
