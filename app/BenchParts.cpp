// What the bench tells a screen reader: the valve, the right branch, the
// thermometer, the bottle and the notebook, declared as parts of the
// window's client area each time the window is shown a new picture, in
// words a student reads off the bench.
#include <cstdlib>

#include "app/TervanDlg.h"
#include "model/DecimalComma.h"
#include "model/ManometerGeometry.h"
#include "model/NotebookPages.h"
#include "model/RightBranch.h"
#include "notebook/NotebookPage.h"
#include "view/BenchLayout.h"

namespace {
// The pen's round end shows the mercury 3 rows above a surface's row: the
// ruler is read there.
constexpr int kMercuryCapRows = 3;
// The lower of the two reference marks across the left branch.
constexpr int kLowerMarkRow = 249;

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

Box BackBufferBox(int x, int y, int w, int h)
{
    return Box{Bench::kBackBufferX + x, Bench::kBackBufferY + y, w, h}.Intersect(
        {Bench::kBackBufferX, Bench::kBackBufferY, Bench::kBackBufferW, Bench::kBackBufferH});
}

ClientPart Part(int id, PartRole role, UINT name, Box rect)
{
    ClientPart p;
    p.id = id;
    p.role = role;
    p.name = Loaded(name).str();
    p.rect = rect;
    return p;
}
} // namespace

void CTervanDlg::DescribeBench()
{
    ClientPart valve =
        Part(IDC_VALVE, PartRole::Toggle, IDS_VALVE,
             BackBufferBox(Bench::kValveX, Bench::kValveY, Bench::kValveSize, Bench::kValveSize));
    // The last frame of a turn is shown before the turn is over.
    const bool turning =
        m_bValveMoving && m_nValveFrame != (m_nValveStep > 0 ? IDB_VALVE_CLOSED : IDB_VALVE_OPEN);
    valve.value = Loaded(turning                             ? IDS_VALVE_TURNING
                         : m_nValveFrame == IDB_VALVE_CLOSED ? IDS_VALVE_CLOSED
                                                             : IDS_VALVE_OPEN)
                      .str();
    valve.pressed = m_nValveFrame == IDB_VALVE_CLOSED && !turning;
    valve.focusable = true;
    valve.before = IDC_GAS_TEMP_C;
    SetClientPart(valve);
    SetClientPart(DescribeRightBranch());

    ClientPart water = Part(IDC_THERMOMETER, PartRole::Text, IDS_WATER_TEMP,
                            BackBufferBox(Bench::kThermometer.x, Bench::kThermometer.y, 100, 80));
    water.value = OneDecimalWithComma(m_dWaterTemp) + " ºC";
    SetClientPart(water);

    ClientPart bottle = Part(IDC_BOTTLE, PartRole::Text, IDS_BOTTLE,
                             BackBufferBox(Bench::kBottleX, m_nBottleY, 80, 120));
    bottle.value = Loaded(m_bSubmerged      ? IDS_BOTTLE_SUBMERGED
                          : m_bBottleClosed ? IDS_BOTTLE_CLOSED
                                            : IDS_BOTTLE_ON_BENCH)
                       .str();
    SetClientPart(bottle);
    DescribeNotebook();
}

ClientPart CTervanDlg::DescribeRightBranch()
{
    ClientPart branch =
        Part(IDC_RIGHT_BRANCH, PartRole::Slider, IDS_RIGHT_BRANCH,
             BackBufferBox(Bench::kGrabStripX - Bench::kGrabStripReach + 1, m_nTubeY - 5,
                           2 * Bench::kGrabStripReach - 1, Bench::kBackBufferH));
    const double diff = MercuryStandsLevel(*this) ? 0.0 : m_dPressureDiff;
    const ManometerGeometry g = ComputeManometer(m_nTubeY, diff);
    const double level = m_nRulerTop - (g.R - kMercuryCapRows) / double(Bench::kRulerPxPerCm);
    CString text;
    text.Format(Loaded(IDS_BRANCH_LEVEL), OneDecimalWithComma(level).c_str());
    // Rows from the mark in millimetres of the ruler.
    const int rows = g.L - kLowerMarkRow;
    const double mm = std::abs(rows) * 10.0 / Bench::kRulerPxPerCm;
    CString left;
    if (rows == 0)
        left = Loaded(IDS_LEFT_AT_MARK);
    else
        left.Format(Loaded(rows < 0 ? IDS_LEFT_ABOVE_MARK : IDS_LEFT_BELOW_MARK),
                    OneDecimalWithComma(mm).c_str());
    branch.value = text.str() + "; " + left.str();
    // Up is higher: the position counts rows up from the lowest.
    branch.minimum = 0;
    branch.maximum = kTubeYLowest - kTubeYHighest;
    branch.now = kTubeYLowest - m_nTubeY;
    branch.focusable = true;
    branch.before = IDC_GAS_TEMP_C;
    return branch;
}

void CTervanDlg::DescribeNotebook()
{
    if (m_strPage.IsEmpty()) {
        RemoveClientPart(IDC_NOTEBOOK);
        RemoveClientPart(IDC_EQUATION);
        return;
    }
    const int page = PageNumber(m_strPage);
    CString name;
    name.Format(Loaded(IDS_NOTEBOOK), page);
    ClientPart notebook = Part(IDC_NOTEBOOK, PartRole::Table, IDS_NOTEBOOK,
                               BackBufferBox(Bench::kNotebookPage.x, Bench::kNotebookPage.y,
                                             Bench::kNotebookW, Bench::kNotebookH));
    notebook.name = name.str();
    notebook.rows = {{Loaded(IDS_NOTEBOOK_ROW).str(), Loaded(IDS_NOTEBOOK_TEMP).str(),
                      Loaded(IDS_NOTEBOOK_LEVEL).str()}};
    if (PageKindFor(page, m_nCount) == PageKind::Measurements) {
        for (int row = 10 * (page - 2); row < m_nCount && row < 10 * (page - 1); ++row)
            notebook.rows.push_back({std::to_string(row + 1), OneDecimalWithComma(m_dTemp[row]),
                                     OneDecimalWithComma(m_dLevel[row])});
    } else {
        notebook.role = PartRole::Text;
        notebook.rows.clear();
        notebook.value = DescribeNotebookCover(page).str();
    }
    SetClientPart(notebook);
    if (PageKindFor(page, m_nCount) == PageKind::Graph) {
        ClientPart equation =
            Part(IDC_EQUATION, PartRole::Text, IDS_EQUATION, BackBufferBox(486, 147, 110, 12));
        equation.value = Notebook::FittedEquation(*this).str();
        SetClientPart(equation);
    } else {
        RemoveClientPart(IDC_EQUATION);
    }
}

CString CTervanDlg::DescribeNotebookCover(int page)
{
    CString text;
    if (page != 1)
        return text;
    text = Loaded(IDS_NOTEBOOK_COVER);
    CString line;
    if (m_bInitialNoted) {
        line.Format(Loaded(IDS_COVER_INITIAL), OneDecimalWithComma(m_dAtmPressure).c_str(),
                    OneDecimalWithComma(m_dRoomTemp).c_str());
        text += line;
    }
    if (!m_strInitialLevel.IsEmpty()) {
        line.Format(Loaded(IDS_COVER_LEVEL), m_strInitialLevel.str().c_str());
        text += line;
    }
    return text;
}
