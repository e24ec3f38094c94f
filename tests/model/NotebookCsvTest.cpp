// The notebook's rows as a table for a spreadsheet set to Catalan.
#include <gtest/gtest.h>

#include "model/GraphData.h"
#include "model/LinearFit.h"
#include "model/NotebookCsv.h"
#include "support/CsvReader.h"

namespace {
const NotebookCsvTexts kTexts{"Núm.;T (ºC);h (cm);P (mmHg)", "Pendent", "Ordenada"};

ExperimentState Rows(int count)
{
    ExperimentState s;
    s.m_dAtmPressure = 755.25;
    s.m_strInitialLevel = "12,5 cm";
    s.m_nCount = count;
    for (int i = 0; i < count; ++i) {
        s.m_dTemp[i] = 18.04 + 3.1 * i;
        s.m_dLevel[i] = 12.5 + 0.35 * i;
    }
    return s;
}

TEST(NotebookCsvTest, EachRowReadsBackAsItsNumbersWithTheFitBelow)
{
    const ExperimentState s = Rows(9);
    const std::string csv = NotebookCsv(s, kTexts);
    const CsvTable t = ReadCsv(csv);
    EXPECT_TRUE(t.byteOrderMark);
    EXPECT_TRUE(t.crlf);
    ASSERT_EQ(t.lines.size(), 1u + 9u + 1u + 2u);
    EXPECT_EQ(t.lines[0], (std::vector<std::string>{"Núm.", "T (ºC)", "h (cm)", "P (mmHg)"}));
    double p[ExperimentState::kMaxRows];
    RowPressures(s, p);
    for (int i = 0; i < 9; ++i) {
        const auto& f = t.lines[1 + i];
        ASSERT_EQ(f.size(), 4u) << i;
        double n = 0, temp = 0, level = 0, pressure = 0;
        ASSERT_TRUE(CsvNumber(f[0], n) && CsvNumber(f[1], temp) && CsvNumber(f[2], level) &&
                    CsvNumber(f[3], pressure))
            << i;
        EXPECT_EQ(n, i + 1);
        EXPECT_NEAR(temp, s.m_dTemp[i], 0.05) << i;
        EXPECT_EQ(f[1].size() - f[1].find(','), 2u) << "one decimal, as the notebook: " << f[1];
        EXPECT_EQ(level, s.m_dLevel[i]) << "the level as noted: " << f[2];
        EXPECT_NEAR(pressure, p[i], 0.005) << i;
    }
    EXPECT_EQ(t.lines[1][2], "12,5");
    EXPECT_EQ(t.lines[2][2], "12,85");
    EXPECT_EQ(t.lines[1][3], "755,25"); // the first row is the atmosphere
    EXPECT_EQ(t.lines[10], (std::vector<std::string>{""}));
    double a = 0, b = 0, slope = 0, intercept = 0;
    LinearFit(p, s.m_dTemp, 0, 8, b, a);
    ASSERT_EQ(t.lines[11].size(), 2u);
    EXPECT_EQ(t.lines[11][0], "Pendent");
    EXPECT_EQ(t.lines[12][0], "Ordenada");
    ASSERT_TRUE(CsvNumber(t.lines[11][1], slope) && CsvNumber(t.lines[12][1], intercept));
    EXPECT_NEAR(slope, a, 5e-7);
    EXPECT_NEAR(intercept, b, 5e-4);
}

TEST(NotebookCsvTest, NoFitWithoutTwoRowsThatSpread)
{
    const std::string header = "\xEF\xBB\xBFNúm.;T (ºC);h (cm);P (mmHg)\r\n";
    EXPECT_EQ(NotebookCsv(Rows(0), kTexts), header);
    EXPECT_EQ(NotebookCsv(Rows(1), kTexts), header + "1;18,0;12,5;755,25\r\n");
    ExperimentState flat = Rows(5);
    for (int i = 0; i < 5; ++i)
        flat.m_dTemp[i] = 20.0; // the graph page fits nothing either
    EXPECT_EQ(ReadCsv(NotebookCsv(flat, kTexts)).lines.size(), 6u);
    EXPECT_EQ(ReadCsv(NotebookCsv(Rows(2), kTexts)).lines.size(), 6u);
}

TEST(NotebookCsvTest, NumbersTakeACommaAndFileNamesTheDate)
{
    EXPECT_EQ(WithDecimalComma(23.45, 1), "23,4"); // 23.45 is a shade below
    EXPECT_EQ(WithDecimalComma(-261.3749, 3), "-261,375");
    EXPECT_EQ(WithDecimalComma(760.0, 2), "760,00");
    EXPECT_EQ(PracticalFileName(2026, 12, 8, ".csv"), "tervan-2026-12-08.csv");
    EXPECT_EQ(PracticalFileName(2027, 1, 31, ".png"), "tervan-2027-01-31.png");
}
} // namespace
