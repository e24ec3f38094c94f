// A browser window's keyboard focus among its controls and its client
// parts, the focus a disabled button hands on (or, before any key, gives up
// as a pointer's user has always seen it), the ring's box, the buttons the
// window has painted over its client, and the DOM mirror's JSON.
#include <gtest/gtest.h>

#include "ProbeResources.h"
#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/web/MirrorJson.h"
#include "platform/web/WebWindow.h"
#include "support/BoxPrinter.h"

using namespace ClassicLook;

namespace {
constexpr int kFirst = 20, kSecond = 21, kEdit = 22, kValve = 40, kReading = 41, kStep = 42;

const DialogTemplate kBench = {
    1,
    "Banc",
    "MS Sans Serif",
    8,
    120,
    60,
    DS_MODALFRAME,
    {
        {IDOK, ControlClass::Button, "Sortir", 80, 4, 36, 12, CS_DEFAULT | CS_TABSTOP},
        {kFirst, ControlClass::Button, "Primer", 80, 20, 36, 12, CS_TABSTOP},
        {kSecond, ControlClass::Button, "Segon", 80, 36, 36, 12, CS_TABSTOP},
        {IDC_STATIC, ControlClass::Static, "Gas", 4, 40, 20, 8, 0},
        {kEdit, ControlClass::Edit, "", 30, 40, 26, 12, CS_BORDER | CS_READONLY | CS_TABSTOP},
    },
};

ClientPart Valve()
{
    ClientPart p;
    p.id = kValve;
    p.role = PartRole::Toggle;
    p.name = "Clau";
    p.value = "oberta";
    p.rect = {10, 10, 20, 20};
    p.focusable = true;
    p.before = kEdit;
    return p;
}

Surface Drawn(const WebWindow& w)
{
    const Box outer{0, 0, w.Outer().w, w.Outer().h};
    Surface s(outer.w, outer.h, 0x2F4F4F);
    w.DrawInto(s, outer, 0, 0);
    return s;
}
} // namespace

TEST(WebFocusTest, TabWalksTheControlsWithTheWindowsPartsAmongThem)
{
    CDialog dlg(1);
    dlg.SetClientPart(Valve());
    WebWindow w(dlg, &kBench, false);
    w.FocusFirstTabStop();
    EXPECT_EQ(w.Focus(), 0);
    w.FocusNext(false);
    w.FocusNext(false);
    EXPECT_EQ(w.Focus(), 2);
    w.FocusNext(false); // the valve comes before the edit
    EXPECT_EQ(w.Focus(), -1);
    EXPECT_EQ(w.FocusedStop(), FocusStop::OfPart(kValve));
    w.FocusNext(false);
    EXPECT_EQ(w.Focus(), 4);
    w.FocusNext(true);
    w.FocusNext(true);
    EXPECT_EQ(w.Focus(), 2);

    // The ring goes round the focused stop once a key has been used.
    w.SetFocusStop(FocusStop::OfPart(kValve));
    EXPECT_TRUE(w.RingAround().Empty());
    w.UseKeys();
    EXPECT_EQ(w.RingAround(), (Box{10, 10, 20, 20}));
    w.SetFocus(1);
    EXPECT_EQ(w.RingAround(), w.Control(kFirst)->rect);
}

TEST(WebFocusTest, ADisabledButtonHandsTheFocusOnOnceKeysAreInUse)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kBench, false);
    // Before any key: the focus goes, as a pointer's user has always seen
    // it, and the default button wears its outline again.
    w.SetFocus(1);
    w.Control(kFirst)->enabled = false;
    w.LosingFocus(1);
    w.SettleFocus();
    EXPECT_EQ(w.Focus(), -1);
    const Box ok = w.Control(IDOK)->rect.Offset(3, 3);
    EXPECT_EQ(Drawn(w).At(ok.x, ok.y), kDarkShadow);
    // The first Tab goes on from where the focus was.
    w.UseKeys();
    w.FocusNext(false);
    EXPECT_EQ(w.Focus(), 2);
    // Another key than Tab finds the focus on the next stop too.
    w.SetFocus(2);
    w.Control(kFirst)->enabled = true;
    CDialog dlg2(1);
    WebWindow fresh(dlg2, &kBench, false);
    fresh.SetFocus(1);
    fresh.Control(kFirst)->enabled = false;
    fresh.LosingFocus(1);
    fresh.RestoreLostFocus();
    EXPECT_EQ(fresh.Focus(), 2);

    // With keys in use the focus stays until the event is over, then moves
    // on to the next stop that can take it, round the end.
    w.Control(kSecond)->enabled = false;
    w.LosingFocus(2);
    EXPECT_EQ(w.Focus(), 2);
    w.SettleFocus();
    EXPECT_EQ(w.Focus(), 4);
    // Re-enabled before the event ends, a button keeps it.
    w.SetFocus(1);
    w.Control(kFirst)->enabled = false;
    w.LosingFocus(1);
    w.Control(kFirst)->enabled = true;
    w.SettleFocus();
    EXPECT_EQ(w.Focus(), 1);
}

TEST(WebFocusTest, PaintedPartsGoOverTheClientAndNeverIntoIt)
{
    CDialog dlg(1);
    WebWindow w(dlg, &kBench, false);
    const Box client = w.ClientOnScreen();
    w.Update();
    ClientPart step;
    step.id = kStep;
    step.role = PartRole::PushButton;
    step.rect = {4, 4, 24, 24};
    step.painted = true;
    step.glyph = PartGlyph::ArrowUp;
    dlg.SetClientPart(step);
    w.PartsChanged();
    EXPECT_EQ(w.Update(), step.rect.Offset(client.x, client.y));
    Surface s = Drawn(w);
    EXPECT_EQ(s.At(client.x + 4, client.y + 10), kDarkShadow);  // its outline
    EXPECT_EQ(s.At(client.x + 16, client.y + 16), kDarkShadow); // its arrow
    EXPECT_EQ(s.At(client.x + 8, client.y + 20), kFace);
    EXPECT_EQ(w.Client().At(4, 10), kFace); // the client's own pixels
    // Gone, it is drawn away.
    dlg.RemoveClientPart(kStep);
    w.PartsChanged();
    EXPECT_EQ(w.Update(), step.rect.Offset(client.x, client.y));
    EXPECT_EQ(Drawn(w).At(client.x + 16, client.y + 16), kFace);
    // A part the window does not paint changes nothing on the page.
    dlg.SetClientPart(Valve());
    w.PartsChanged();
    EXPECT_TRUE(w.Update().Empty());
}

TEST(WebFocusTest, TheMirrorReadsPartsBeforeTheControlTheyComeBefore)
{
    CDialog dlg(1);
    ClientPart reading;
    reading.id = kReading;
    reading.name = "Lectura";
    reading.value = "20,5 \"cm\"\n\x01";
    reading.rect = {2, 50, 10, 8};
    dlg.SetClientPart(reading);
    dlg.SetClientPart(Valve());
    WebWindow w(dlg, &kBench, false);
    w.UseKeys();
    w.SetFocusStop(FocusStop::OfPart(kValve));
    const AccessibleWindow description = w.Describe();
    MirrorFacts facts;
    facts.window = &description;
    facts.controls = &w.Controls();
    facts.parts = &w.Parts();
    facts.serial = 7;
    facts.originX = 100;
    facts.originY = 50;
    facts.ring = w.RingAround();
    const std::string json = MirrorJson(facts);
    EXPECT_EQ(json.find("{\"window\":7,\"role\":\"dialog\",\"name\":\"Banc\",\"focus\":4,"
                        "\"ring\":[110,60,20,20],\"ringColours\":[\"#000000\",\"#ffffff\"]"),
              0u)
        << json;
    // Sortir, Primer, Segon, the label, the valve, the edit, the reading.
    const std::size_t label = json.find("\"name\":\"Gas\"");
    const std::size_t valve = json.find("\"name\":\"Clau\"");
    const std::size_t edit = json.find("\"stop\":\"c\",\"index\":4");
    const std::size_t last = json.find("\"name\":\"Lectura\"");
    EXPECT_LT(json.find("\"name\":\"Segon\""), label);
    EXPECT_LT(label, valve);
    EXPECT_LT(valve, edit);
    EXPECT_LT(edit, last);
    EXPECT_NE(json.find("\"role\":\"toggle\",\"name\":\"Clau\",\"value\":\"oberta\""),
              std::string::npos);
    EXPECT_NE(json.find("\"value\":\"20,5 \\\"cm\\\"\\n\\u0001\""), std::string::npos);
    EXPECT_NE(json.find("\"x\":110,\"y\":60,\"w\":20,\"h\":20"), std::string::npos);
    // A read-only edit that shows nothing is named by the texts on it.
    EXPECT_NE(json.find("\"role\":\"edit\",\"name\":\"\""), std::string::npos);
    ClientPart onPanel = reading;
    onPanel.rect = w.Control(kEdit)->rect.Inset(2);
    onPanel.name = "Sobre\nel tauler";
    onPanel.value.clear();
    AccessibleWindow panel = description;
    AccessibleItem text;
    text.role = AccessibleRole::StaticText;
    text.name = onPanel.name;
    text.rect = onPanel.rect;
    panel.items.push_back(text);
    facts.window = &panel;
    EXPECT_NE(MirrorJson(facts).find("\"role\":\"edit\",\"name\":\"Sobre el tauler\""),
              std::string::npos);
}
