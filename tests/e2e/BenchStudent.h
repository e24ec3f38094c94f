// A student at the bench window: runs the program from its title dialog,
// clicks the procedure buttons, turns the valve and drags the right branch
// with the mouse, types levels into the level dialog, and reads what the
// window shows: the mercury surfaces in its pixels, the ruler, the notebook's
// text. A dialog that shows up without an answer queued for it fails the test
// and is closed, so a surprise never hangs the run.
#pragma once

#include <QDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "E2eFixture.h"
#include "app/TervanDlg.h"
#include "model/ManometerGeometry.h"
#include "platform/TextRenderer.h"
#include "support/BenchPoints.h"
#include "support/TextPixels.h"
#include "view/DrawBitmap.h"

namespace Bench {
constexpr Pixel kMercury = 0xADADAD;
constexpr Pixel kBench = 0xD7FFD7;
constexpr Pixel kRulerBlue = 0x0080C0;
// Columns one pixel left of each 7-px mercury line's axis: plain mercury
// there, since the 2-px highlight covers only the axis column and the one
// after it. The pen's round end reaches 3 rows above the surface's row in
// these columns.
constexpr int kLeftColumn = kLeftMercuryX - 1;
constexpr int kRightColumn = kRightMercuryX - 1;
constexpr int kCapRows = 3;
constexpr int kBranchX = Client::kStripX; // client x of the right branch's grab strip

// The pixel of the back buffer's (x, y) as the window shows it.
inline Pixel Shown(DialogWindow& window, int x, int y)
{
    return window.Client().Pixels().At(Client::X(x), Client::Y(y)) & 0xFFFFFFu;
}

// Back-buffer row of the first mercury pixel at or below `fromRow` in
// `column`; -1 when the column shows no mercury.
inline int MercuryTop(DialogWindow& window, int column, int fromRow)
{
    for (int y = std::max(fromRow, 0); y < 400; ++y)
        if (Shown(window, column, y) == kMercury)
            return y;
    return -1;
}
inline int LeftTop(DialogWindow& window)
{
    return MercuryTop(window, kLeftColumn, 164); // the left branch starts below the valve
}
inline int RightTop(DialogWindow& window)
{
    return MercuryTop(window, kRightColumn, 0);
}

// What a student writes for a surface seen at `row`: the ruler shows
// `rulerTop` at row 0 and falls one centimetre every 24 rows; read to a
// millimetre and written with a decimal comma.
inline std::string LevelText(int rulerTop, int row)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", rulerTop - row / 24.0);
    std::string level = text;
    level[level.find('.')] = ',';
    return level;
}

// The window's drawing area as a 600 x 400 picture.
inline Surface ShownPicture(DialogWindow& window)
{
    Surface picture(600, 400);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            picture.Row(y)[x] = Shown(window, x, y);
    return picture;
}

// Pixels of the window's drawing area that differ from the back buffer.
inline int WindowMismatch(DialogWindow& window, CTervanDlg& dlg)
{
    const Surface& back = *dlg.m_bmpBack.GetSurface();
    int mismatches = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            if (back.At(x, y) != Shown(window, x, y))
                ++mismatches;
    return mismatches;
}

// Keeps a picture of the window for a person to look at.
inline void SavePicture(DialogWindow& window, const char* name)
{
    QDir().mkpath(QStringLiteral("artefacts"));
    window.grab().save(QStringLiteral("artefacts/") + QString::fromUtf8(name));
}
} // namespace Bench

class BenchStudent : public E2eTest {
  protected:
    using Body = std::function<void(CTervanDlg&, DialogWindow&)>;

    void SetUp() override
    {
        E2eTest::SetUp();
        backend->onModalShown = [this](CDialog& dlg, DialogWindow& window) {
            if (scripts.empty()) {
                ++unexpectedDialogs;
                ADD_FAILURE() << "dialog " << dlg.GetTemplateId() << " showed unasked: \""
                              << window.ControlText(IDC_WARNING_TEXT).toStdString() << "\"";
                QTimer::singleShot(0, &window, [&window] { Key(window, Qt::Key_Escape); });
                return;
            }
            Script script = std::move(scripts.front());
            scripts.pop_front();
            QTimer::singleShot(0, &window, [script, &dlg, &window] { script(dlg, window); });
        };
    }

    // Runs the program: "Entra" on the title dialog, then `body` on the main
    // window once its first frame is painted, then "Sortir" (and "No desis"
    // once rows are noted).
    void RunProgram(const Body& body)
    {
        OnNextModal([](CDialog& dlg, DialogWindow& window) {
            EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_SPLASH));
            Click(window, IDOK);
        });
        OnNextModal([this, &body](CDialog& dlg, DialogWindow& window) {
            auto& main = static_cast<CTervanDlg&>(dlg);
            EXPECT_TRUE(WaitUntil([&] { return Bench::Shown(window, 300, 20) == Bench::kBench; }));
            body(main, window);
            // With rows noted, ending asks first: the rows are not kept.
            if (main.m_nCount > 0)
                OnNextModal(
                    [](CDialog&, DialogWindow& question) { Click(question, IDC_KEEP_DISCARD); });
            Click(window, IDOK);
        });
        EXPECT_EQ(AfxGetApp()->InitInstance(), FALSE);
    }

    // Queues the level dialog's answer: the text typed into its edit, then
    // Return or a click on OK.
    void AnswerLevel(const std::string& level, bool byReturn)
    {
        OnNextModal([level, byReturn](CDialog& dlg, DialogWindow& window) {
            EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_LEVEL));
            QWidget* edit = window.Control(IDC_LEVEL)->focusProxy();
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClicks(edit, QString::fromStdString(level));
            if (byReturn)
                Key(window, Qt::Key_Return);
            else
                Click(window, IDOK);
        });
    }

    // Queues the answer to a warning, checking its text first.
    void AnswerWarning(const char* expected)
    {
        OnNextModal([text = std::string(expected)](CDialog& dlg, DialogWindow& window) {
            EXPECT_EQ(dlg.GetTemplateId(), UINT(IDD_WARNING));
            EXPECT_EQ(window.ControlText(IDC_WARNING_TEXT).toStdString(), text);
            Key(window, Qt::Key_Return);
        });
    }

    static void ClickClient(DialogWindow& window, int x, int y)
    {
        QTest::mouseClick(&window.Client(), Qt::LeftButton, {}, QPoint(x, y));
    }

    // Grabs the right branch at client row `from` and moves the pointer by
    // `dy` in steps of at most 8 pixels, then lets go.
    static void DragBranch(DialogWindow& window, int from, int dy)
    {
        ClientArea& client = window.Client();
        QTest::mousePress(&client, Qt::LeftButton, {}, QPoint(Bench::kBranchX, from));
        int y = from;
        while (y != from + dy) {
            const int step = std::max(-8, std::min(8, from + dy - y));
            y += step;
            QTest::mouseMove(&client, QPoint(Bench::kBranchX, y));
        }
        QTest::mouseRelease(&client, Qt::LeftButton, {}, QPoint(Bench::kBranchX, y));
    }

    // Drags the right branch until the left surface, as the window shows it,
    // is back on row `target`. Two pixels of branch move the common level one
    // row, except around the branch's row 60, where the halving truncates.
    static bool Relevel(DialogWindow& window, int target)
    {
        for (int tries = 0; tries < 12; ++tries) {
            const int top = Bench::LeftTop(window);
            if (top == target)
                return true;
            if (top < 0)
                return false; // no mercury in sight: nothing to aim at
            int dy = 2 * (target - top);
            if (tries >= 6)
                dy = target > top ? 1 : -1; // creep over a plateau
            DragBranch(window, 240, dy);
        }
        return Bench::LeftTop(window) == target;
    }

    // The gas temperature the window shows in its edit, in degrees Celsius.
    static double ShownGasTemp(DialogWindow& window)
    {
        return window.ControlText(IDC_GAS_TEMP_C).trimmed().toDouble();
    }

    // Lets the gas follow the water until the window shows it within `gap`
    // degrees of the water, or `maxMs` have passed; the gap left, in degrees.
    static double WaitForGas(CTervanDlg& dlg, DialogWindow& window, double gap, int maxMs)
    {
        WaitUntil([&] { return std::fabs(ShownGasTemp(window) - dlg.m_dWaterTemp) <= gap; }, maxMs);
        return dlg.m_dWaterTemp - dlg.m_dGasTemp;
    }

    int unexpectedDialogs = 0;
};
