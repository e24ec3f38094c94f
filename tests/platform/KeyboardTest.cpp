// The keyboard and what assistive technology is told, on the scripted
// backend: the tab order with client parts, the focus handed on from a
// button that disabled itself, keys routed to parts and buttons, the ring
// over the client pixels once a key is used, and the window's description.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProbeResources.h"
#include "platform/ClassicLook.h"
#include "platform/Framework.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kDial = 900;  // a focusable part before kSecond
constexpr int kGauge = 901; // a focusable part that names no control: last
constexpr int kTable = 902; // a table nobody tabs to

class CKeysDlg : public CDialog {
  public:
    CKeysDlg() : CDialog(Probe::kKeysDialog) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ClientPart dial;
        dial.id = kDial;
        dial.role = PartRole::Slider;
        dial.name = "Dial";
        dial.value = "3,5 cm";
        dial.rect = {20, 20, 30, 40};
        dial.focusable = true;
        dial.before = Probe::kSecond;
        SetClientPart(dial);
        ClientPart gauge = dial;
        gauge.id = kGauge;
        gauge.before = 0;
        gauge.rect = {60, 20, 10, 10};
        SetClientPart(gauge);
        ClientPart table;
        table.id = kTable;
        table.role = PartRole::Table;
        table.name = "Quadern";
        table.rows = {{"n", "T"}, {"1", "20,0"}};
        SetClientPart(table);
        return TRUE;
    }
    // The first button hands its work on to the second, as a procedure
    // button does.
    void OnFirst()
    {
        GetDlgItem(Probe::kFirst)->EnableWindow(FALSE);
        GetDlgItem(Probe::kSecond)->EnableWindow(TRUE);
    }
    void OnSecond() { log.push_back("second"); }
    void OnHelp() { log.push_back("help"); }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT)
    {
        log.push_back("key " + std::to_string(nChar) + "x" + std::to_string(nRepCnt) + " part " +
                      std::to_string(GetFocusedPart()) +
                      (GetKeyState(VK_SHIFT) < 0 ? " shift" : ""));
    }
    void OnOK() override { log.push_back("ok"); }
    void OnCancel() override { log.push_back("cancel"); }

    std::vector<std::string> log;
    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(CKeysDlg, CDialog)
    ON_BN_CLICKED(Probe::kFirst, OnFirst)
    ON_BN_CLICKED(Probe::kSecond, OnSecond)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()
// clang-format on

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        SetApplicationResources(&Probe::Resources());
        backend.Open(dlg);
    }
    void TearDown() override { backend.Close(dlg); }

    // The focused stop as a word: a control's ID or a part's.
    std::string Focused()
    {
        const FocusStop f = backend.Focus(dlg);
        if (f.kind == FocusStop::Part)
            return "part " + std::to_string(f.index);
        if (f.kind == FocusStop::Control)
            return "control " + std::to_string(backend.FocusedControl(dlg));
        return "none";
    }
    std::vector<std::string> TabRound(bool backwards)
    {
        std::vector<std::string> seen;
        for (int i = 0; i < 6; ++i) {
            backend.Key(dlg, VK_TAB, backwards);
            seen.push_back(Focused());
        }
        return seen;
    }

    HeadlessBackend backend;
    CKeysDlg dlg;
};

TEST_F(KeyboardTest, TabWalksControlsAndPartsInOneOrder)
{
    EXPECT_EQ(Focused(), "control 1");
    // kSecond is disabled and IDCANCEL hidden: the dial stands before the
    // one and the gauge, naming no control, after the edit.
    EXPECT_EQ(TabRound(false), (std::vector<std::string>{"control 301", "part 900", "control 300",
                                                         "part 901", "control 1", "control 301"}));
    EXPECT_EQ(TabRound(true), (std::vector<std::string>{"control 1", "part 901", "control 300",
                                                        "part 900", "control 301", "control 1"}));
}

TEST_F(KeyboardTest, ButtonThatDisablesItselfHandsTheFocusOn)
{
    backend.Key(dlg, VK_TAB);
    ASSERT_EQ(Focused(), "control 301");
    // Space presses it; it enables kSecond after disabling itself, and the
    // focus goes to the next stop that takes it once the handler is done:
    // the dial, which comes before kSecond.
    backend.Key(dlg, VK_SPACE);
    EXPECT_EQ(Focused(), "part 900");
    backend.Key(dlg, VK_TAB);
    EXPECT_EQ(Focused(), "control 302");
    backend.Key(dlg, VK_RETURN);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"second"}));
    // A click gives a button the focus too.
    backend.Click(dlg, IDOK);
    EXPECT_EQ(Focused(), "control 1");
}

TEST_F(KeyboardTest, KeysOnAPartAreTheWindowsOwn)
{
    backend.Key(dlg, VK_TAB);
    backend.Key(dlg, VK_TAB);
    ASSERT_EQ(Focused(), "part 900");
    backend.Key(dlg, VK_UP);
    backend.Key(dlg, VK_DOWN, true);
    // Return and Space on a part never reach the default command.
    backend.Key(dlg, VK_RETURN);
    backend.Key(dlg, VK_SPACE);
    backend.Key(dlg, VK_F1);
    backend.Key(dlg, VK_ESCAPE);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"key 38x1 part 900", "key 40x1 part 900 shift",
                                                 "key 13x1 part 900", "key 32x1 part 900", "help",
                                                 "cancel"}));
    // On a button, Return is the button's; with nothing focused, the default's.
    backend.Key(dlg, VK_TAB, true);
    backend.Key(dlg, VK_TAB, true);
    ASSERT_EQ(Focused(), "control 1");
    backend.Key(dlg, VK_RETURN);
    EXPECT_EQ(dlg.log.back(), "ok");
}

TEST_F(KeyboardTest, RingShowsOverTheClientOnlyOnceAKeyIsUsed)
{
    Surface* client = backend.ClientSurface(dlg);
    ASSERT_NE(client, nullptr);
    client->Reset(client->width, client->height, 0x406080); // what the window drew
    Box part = dlg.FindClientPart(kDial)->rect;
    auto shownMatchesClient = [&] {
        for (int y = 0; y < client->height; ++y)
            for (int x = 0; x < client->width; ++x)
                if (backend.ShownPixel(dlg, x, y) != backend.ClientPixel(dlg, x, y))
                    return false;
        return true;
    };
    EXPECT_FALSE(backend.CuesShown(dlg));
    EXPECT_TRUE(shownMatchesClient());

    backend.Key(dlg, VK_TAB);
    backend.Key(dlg, VK_TAB);
    ASSERT_EQ(Focused(), "part 900");
    EXPECT_TRUE(backend.CuesShown(dlg));
    // Two black rows and columns right round the part, a white one outside
    // them, and nothing inside changed; the client's own pixels stay.
    const int midX = part.x + part.w / 2, midY = part.y + part.h / 2;
    const COLORREF black = ColorFromPixel(ClassicLook::kFocusRing);
    const COLORREF white = ColorFromPixel(ClassicLook::kFocusRingHalo);
    for (int d : {1, 2}) {
        EXPECT_EQ(backend.ShownPixel(dlg, part.x - d, midY), black);
        EXPECT_EQ(backend.ShownPixel(dlg, part.Right() - 1 + d, midY), black);
        EXPECT_EQ(backend.ShownPixel(dlg, midX, part.y - d), black);
        EXPECT_EQ(backend.ShownPixel(dlg, midX, part.Bottom() - 1 + d), black);
    }
    EXPECT_EQ(backend.ShownPixel(dlg, part.x - 3, midY), white);
    EXPECT_EQ(backend.ShownPixel(dlg, part.x, midY), backend.ClientPixel(dlg, part.x, midY));
    EXPECT_EQ(backend.ShownPixel(dlg, part.x - 4, midY),
              backend.ClientPixel(dlg, part.x - 4, midY));
    EXPECT_NE(backend.ClientPixel(dlg, part.x - 1, midY), black);
}

TEST_F(KeyboardTest, DescriptionNamesControlsAndParts)
{
    dlg.SetAlert(true);
    backend.SetControlText(dlg, Probe::kEdit, "12,5");
    EXPECT_EQ(DescribeAsText(backend.Describe(dlg)), "alert \"Tecles\"\n"
                                                     "push button \"Sortir\" focused\n"
                                                     "push button \"Primer\"\n"
                                                     "push button \"Segon\" disabled\n"
                                                     "label \"Nivell:\"\n"
                                                     "text \"Nivell:\" = \"12,5\"\n"
                                                     "slider \"Dial\" = \"3,5 cm\"\n"
                                                     "slider \"Dial\" = \"3,5 cm\"\n"
                                                     "table \"Quadern\"\n"
                                                     "  | n | T |\n"
                                                     "  | 1 | 20,0 |\n");
    dlg.SetAccessibleName(Probe::kEdit, "Nivell en cm");
    const AccessibleWindow w = backend.Describe(dlg);
    EXPECT_EQ(w.items[4].name, "Nivell en cm");
    EXPECT_TRUE(w.items[0].focusable);
    EXPECT_FALSE(w.items[4].readOnly);
}
} // namespace
