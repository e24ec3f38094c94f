// The short codes the drawing routines show when a drawing object fails,
// named after what failed; some texts serve two places. The fault tests
// expect these very texts, and kAll lists each constant once.
#pragma once

namespace Err {
// The bench scene.
constexpr const char* kBenchBackBuffer = "error 1001";
constexpr const char* kBenchStopperOrBottle = "error 1003";
constexpr const char* kBenchTubeH = "error 1004";
constexpr const char* kBenchTubeV = "error 1004b";
constexpr const char* kBenchFunnel = "error 1004c";
// The thermometer.
constexpr const char* kThermometerBackBuffer = "error 1005";
constexpr const char* kThermometerBarPen = "error 1006";
constexpr const char* kThermometerCase = "error 1006b";
constexpr const char* kThermometerRestorePen = "error 1007";
// The water bath.
constexpr const char* kBathBackBuffer = "error 1008";
constexpr const char* kBathTopPenCreate = "error 1036";
constexpr const char* kBathTopPenSelect = "error 1009";
constexpr const char* kBathWaterPenCreate = "error 1037";
constexpr const char* kBathWaterPenSelect = "error 1010";
constexpr const char* kBathWaterPenReselect = "error 1011";
constexpr const char* kBathWallPenCreate = "error 1038";
constexpr const char* kBathWallPenSelect = "error 1012";
constexpr const char* kBathEdgePenCreate = "error 1039";
constexpr const char* kBathEdgePenSelect = "error 1013";
constexpr const char* kBathProbePenCreate = "error 1040";
constexpr const char* kBathProbePenSelect = "error 1014";
constexpr const char* kBathRestorePen = "error 1015";
constexpr const char* kBathProbePenRelease = "ERROR 995mk";
// The manometer and the side gauge.
constexpr const char* kManometerBackBuffer = "error 1016";
constexpr const char* kManometerBenchPenCreate = "error 1016b";
constexpr const char* kManometerBenchPenSelect = "error 1017";
constexpr const char* kManometerTubeV = "error 1017b";
constexpr const char* kManometerPicture = "error 1017c"; // funnel, gauge, small tube
constexpr const char* kManometerBenchPenRelease = "error 1041a";
constexpr const char* kManometerHosePenCreate = "error 1041";
constexpr const char* kManometerHosePenSelect = "error 1018";
constexpr const char* kManometerHosePenRelease = "error 1043a";
constexpr const char* kManometerGaugeHosePenCreate = "error 1043";
constexpr const char* kManometerGaugeHosePenSelect = "error 1020";
constexpr const char* kManometerMercuryPenCreate = "error 1041f"; // and the highlight's
constexpr const char* kManometerMarkPenCreate = "error 1041d";
constexpr const char* kManometerRestorePen = "error 1020";
constexpr const char* kManometerMarkPenRelease = "ERROR 384em";
constexpr const char* kSideGaugeBackBuffer = "error 1021";
// The bottle rising onto its stopper.
constexpr const char* kRiseBackBuffer = "error 1022";
constexpr const char* kRiseBottle = "error 1023";
// The water bath fading in and filling.
constexpr const char* kFillBackBuffer = "error 1024";
constexpr const char* kFillScratchPenCreate = "error 1024b";
constexpr const char* kFillScratchPenSelect = "error 1025";
constexpr const char* kFillTopPenCreate = "error 1044";
constexpr const char* kFillTopPenSelect = "error 1026";
constexpr const char* kFillWallPenCreate = "error 1045";
constexpr const char* kFillWallPenSelect = "error 1027";
constexpr const char* kFillEdgePenCreate = "error 1046";
constexpr const char* kFillEdgePenSelect = "error 1028";
constexpr const char* kFillProbePenCreate = "error 1047";
constexpr const char* kFillProbePenSelect = "error 1032";
constexpr const char* kFillWaterPenCreate = "error 1034";
constexpr const char* kFillWaterPenSelect = "error 1029";
constexpr const char* kFillWallPenReselect = "error 1030";
constexpr const char* kFillEdgePenReselect = "error 1031";
constexpr const char* kFillRestorePen = "error 1033";
constexpr const char* kFillWaterPenRelease = "ERROR 385em";
constexpr const char* kFillWallPenRelease = "ERROR 386em";
constexpr const char* kFillEdgePenRelease = "ERROR 387em";
// The water temperature's ramp, heating and cooling.
constexpr const char* kRampBackBuffer = "error 1034";
// The notebook.
constexpr const char* kNotebookBackBuffer = "error 1001";

constexpr const char* kAll[] = {
    kBenchBackBuffer,
    kBenchStopperOrBottle,
    kBenchTubeH,
    kBenchTubeV,
    kBenchFunnel,
    kThermometerBackBuffer,
    kThermometerBarPen,
    kThermometerCase,
    kThermometerRestorePen,
    kBathBackBuffer,
    kBathTopPenCreate,
    kBathTopPenSelect,
    kBathWaterPenCreate,
    kBathWaterPenSelect,
    kBathWaterPenReselect,
    kBathWallPenCreate,
    kBathWallPenSelect,
    kBathEdgePenCreate,
    kBathEdgePenSelect,
    kBathProbePenCreate,
    kBathProbePenSelect,
    kBathRestorePen,
    kBathProbePenRelease,
    kManometerBackBuffer,
    kManometerBenchPenCreate,
    kManometerBenchPenSelect,
    kManometerTubeV,
    kManometerPicture,
    kManometerBenchPenRelease,
    kManometerHosePenCreate,
    kManometerHosePenSelect,
    kManometerHosePenRelease,
    kManometerGaugeHosePenCreate,
    kManometerGaugeHosePenSelect,
    kManometerMercuryPenCreate,
    kManometerMarkPenCreate,
    kManometerRestorePen,
    kManometerMarkPenRelease,
    kSideGaugeBackBuffer,
    kRiseBackBuffer,
    kRiseBottle,
    kFillBackBuffer,
    kFillScratchPenCreate,
    kFillScratchPenSelect,
    kFillTopPenCreate,
    kFillTopPenSelect,
    kFillWallPenCreate,
    kFillWallPenSelect,
    kFillEdgePenCreate,
    kFillEdgePenSelect,
    kFillProbePenCreate,
    kFillProbePenSelect,
    kFillWaterPenCreate,
    kFillWaterPenSelect,
    kFillWallPenReselect,
    kFillEdgePenReselect,
    kFillRestorePen,
    kFillWaterPenRelease,
    kFillWallPenRelease,
    kFillEdgePenRelease,
    kRampBackBuffer,
    kNotebookBackBuffer,
};
} // namespace Err
