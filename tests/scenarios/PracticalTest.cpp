// A whole practical as a careful student carries it out: the level is read
// on the ruler against the right mercury surface, and before each reading
// the right branch is moved until the left surface is back at its place.
// The table the window menu saves then holds exactly the noted rows, and
// the fit the graph page draws.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>

#include "model/GraphData.h"
#include "model/LinearFit.h"
#include "model/ManometerGeometry.h"
#include "support/BenchPoints.h"
#include "support/CsvReader.h"
#include "support/Pixels.h"
#include "support/TervanFixture.h"
#include "support/TextPixels.h"

namespace {
class PracticalTest : public TervanFixture {
  protected:
    // The level a student reads for the right surface: the ruler shows
    // m_nRulerTop at row 0 and 24 rows per centimetre; noted to a millimetre
    // with a decimal comma.
    std::string ReadLevel()
    {
        const int R = ComputeManometer(dlg->m_nTubeY, dlg->m_dPressureDiff).R;
        char text[32];
        std::snprintf(text, sizeof text, "%.1f",
                      dlg->m_nRulerTop - R / double(Bench::kRulerPxPerCm));
        std::string level = text;
        level[level.find('.')] = ',';
        return level;
    }
    void Note(int button)
    {
        const std::string level = ReadLevel();
        noted.push_back(level);
        backend.ExpectModal([this, level](CDialog& d) {
            backend.SetControlText(d, IDC_LEVEL, level.c_str());
            return IDOK;
        });
        backend.Click(*dlg, button);
    }
    std::vector<std::string> noted; // each level as the student typed it
    // Writes the back buffer to `png` (when named) and holds it to its
    // fingerprint.
    void Keep(const char* png, std::uint64_t print)
    {
        const Surface& back = *dlg->m_bmpBack.GetSurface();
        if (png)
            WritePng(back, ArtefactPath(png));
        EXPECT_EQ(Fingerprint(back), print) << std::hex << "0x" << Fingerprint(back);
    }
    // Drags the right branch until the left surface is back on row `left`.
    void Level(int left)
    {
        for (int tries = 0; tries < 8; ++tries) {
            const int L = ComputeManometer(dlg->m_nTubeY, dlg->m_dPressureDiff).L;
            if (L == left)
                return;
            backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 200);
            backend.Mouse(*dlg, WM_MOUSEMOVE, Client::kStripX, 200 + 2 * (left - L));
            backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, 200 + 2 * (left - L));
        }
    }
};

// The back buffer of this practical at three moments, as this machine's
// fonts draw it: any change to what the program draws shows here, and a
// change to how the code is arranged must leave all three alone.
constexpr std::uint64_t kSubmergedPrint = 0x99dc5d17e7ce47a7;
constexpr std::uint64_t kGraphPagePrint = 0xe14153f79559194d;
constexpr std::uint64_t kSideGaugePrint = 0x6119e9a5e455b1a3;

TEST_F(PracticalTest, TheGraphEstimatesAbsoluteZeroWhereTheApparatusPutsIt)
{
    std::mt19937 random(2026);
    Random::SetSource([&] { return static_cast<int>(random() % 32768); });
    Start();
    backend.Click(*dlg, IDC_ANOTA_VALORS_INICIALS);
    backend.Click(*dlg, IDC_TANCA_BOTELLA);
    const int left = ComputeManometer(dlg->m_nTubeY, 0.0).L;
    Note(IDC_ANOTA_NIVELL_INICIAL);
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kValveX, Client::kValveY); // close the valve
    backend.Advance(200);
    backend.Click(*dlg, IDC_SUBMERGIR_BOTELLA);
    Keep(nullptr, kSubmergedPrint);
    for (int row = 1; row <= 10; ++row) {
        backend.Click(*dlg, IDC_ESCALFAR_AIGUA);
        for (int wait = 0; wait < 12; ++wait) { // the gas follows; keep it level
            backend.Advance(5000);
            Level(left);
        }
        Note(IDC_ANOTACIO);
    }
    ASSERT_EQ(dlg->m_nCount, 11);
    // The right surface stayed where the student could see it on the ruler.
    EXPECT_GE(ComputeManometer(dlg->m_nTubeY, dlg->m_dPressureDiff).R, 0);
    EXPECT_TRUE(backend.MessageBoxes().empty());

    // With 2.5 px between the surfaces per mmHg read on a ruler of 24 px per
    // centimetre, the noted pressures run 25/24 as fast as the gas's, so the
    // line meets zero pressure at (T_room + 273.15) / 25 - 273.15.
    const double expected = (dlg->m_dRoomTemp + 273.15) / 25.0 - 273.15;
    double p[ExperimentState::kMaxRows];
    RowPressures(*dlg, p);
    double b = 0.0, a = 0.0;
    LinearFit(p, dlg->m_dTemp, 0, dlg->m_nCount - 1, b, a);
    std::printf("absolute zero: estimated %.1f, the apparatus puts it at %.1f\n", b, expected);
    EXPECT_NEAR(b, expected, 6.0);
    EXPECT_NEAR(a, 24.0 / 25.0 / dlg->m_dGasConstant, 0.02);

    EXPECT_EQ(dlg->m_strPage, "-3-"); // the page of the last row
    backend.Click(*dlg, IDC_PAGE_FIRST);
    for (int k = 0; k < 3; ++k)
        backend.Click(*dlg, IDC_PAGE_NEXT);
    EXPECT_EQ(dlg->m_strPage, "-4-"); // the graph page
    dlg->DrawBench();                 // what a repaint shows, in its order
    dlg->DrawThermometer();
    dlg->DrawWaterBath();
    dlg->DrawNotebook();
    dlg->DrawManometer();
    Keep("practical-graph.png", kGraphPagePrint);

    // The table from the window menu: one line per noted row, exactly as
    // noted, with the pressure the page plots; below, the fitted line, whose
    // equation drawn from the table's numbers covers the page's pixels.
    backend.Send(*dlg, WM_SYSCOMMAND, IDM_SAVE_CSV);
    ASSERT_EQ(backend.Saves().size(), 1u);
    std::ofstream(ArtefactPath("practical-notebook.csv"), std::ios::binary)
        << backend.Saves()[0].bytes;
    const CsvTable table = ReadCsv(backend.Saves()[0].bytes);
    ASSERT_EQ(table.lines.size(), 1u + 11u + 1u + 2u);
    EXPECT_EQ(table.lines[0], (std::vector<std::string>{"Núm.", "T (ºC)", "h (cm)", "P (mmHg)"}));
    for (int i = 0; i < 11; ++i) {
        const std::vector<std::string>& f = table.lines[1 + static_cast<std::size_t>(i)];
        ASSERT_EQ(f.size(), 4u) << i;
        CString shown;
        shown.Format("%.1f", dlg->m_dTemp[i]); // as the notebook's page writes it
        std::string temp = shown.str();
        temp[temp.find('.')] = ',';
        double pressure = 0.0;
        EXPECT_EQ(f[0], std::to_string(i + 1));
        EXPECT_EQ(f[1], temp);
        double level = 0.0, typed = 0.0;
        ASSERT_TRUE(CsvNumber(f[2], level) && CsvNumber(noted[static_cast<std::size_t>(i)], typed));
        EXPECT_EQ(level, typed) << "the level as typed: " << noted[static_cast<std::size_t>(i)];
        ASSERT_TRUE(CsvNumber(f[3], pressure)) << f[3];
        EXPECT_NEAR(pressure, p[i], 0.005) << "row " << i + 1;
    }
    double slope = 0.0, intercept = 0.0;
    EXPECT_EQ(table.lines[12], std::vector<std::string>{""});
    ASSERT_EQ(table.lines[13].size(), 2u);
    ASSERT_EQ(table.lines[14].size(), 2u);
    ASSERT_TRUE(CsvNumber(table.lines[13][1], slope) && CsvNumber(table.lines[14][1], intercept));
    CString drawn, wrong;
    drawn.Format("T(ºC) = %5.3f P  %+3.0f", slope, intercept);
    wrong.Format("T(ºC) = %5.3f P  %+3.0f", slope + 0.001, intercept);
    const Surface& back = *dlg->m_bmpBack.GetSurface();
    EXPECT_EQ(TextMismatch(back, PageBackground(), kNotebookGraph, 486, 147, drawn, 598), 0)
        << drawn.str();
    EXPECT_GT(TextMismatch(back, PageBackground(), kNotebookGraph, 486, 147, wrong, 598), 0);

    // A grab on the branch puts the notebook away: the side gauge shows.
    backend.Mouse(*dlg, WM_LBUTTONDOWN, Client::kStripX, 200);
    backend.Mouse(*dlg, WM_LBUTTONUP, Client::kStripX, 200);
    dlg->DrawBench();
    dlg->DrawThermometer();
    dlg->DrawWaterBath();
    dlg->DrawSideGauge();
    Keep("practical-gauge.png", kSideGaugePrint);
}
} // namespace
