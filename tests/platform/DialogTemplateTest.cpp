// A template's geometry in pixels: controls placed edge by edge, the frames
// a window draws round its client area, and where the focus goes.
#include <gtest/gtest.h>

#include "platform/DialogTemplate.h"
#include "support/BoxPrinter.h"

namespace {
DialogTemplate Template(DWORD style, const char* face = "MS Sans Serif", int points = 8)
{
    return {1, "Prova", face, points, 100, 40, style, {}};
}
} // namespace

TEST(DialogTemplateTest, ControlsAndClientAreasArePlacedEdgeByEdgeInPixels)
{
    // "MS Sans Serif" 8: 1.5 px per unit across and 1.625 down.
    const DialogTemplate t = Template(DS_MODALFRAME);
    const ControlTemplate first{1, ControlClass::Button, "A", 7, 5, 3, 3, 0};
    const ControlTemplate next{2, ControlClass::Button, "B", 10, 8, 3, 3, 0};
    EXPECT_EQ(ControlRect(t, first), (Box{10, 8, 5, 5}));
    EXPECT_EQ(ControlRect(t, next), (Box{15, 13, 4, 4}));
    // Neighbours in dialog units stay neighbours in pixels: no gap, no overlap.
    EXPECT_EQ(ControlRect(t, first).Right(), ControlRect(t, next).x);
    EXPECT_EQ(ControlRect(t, first).Bottom(), ControlRect(t, next).y);

    EXPECT_EQ(ClientBox(&t), (Box{0, 0, 150, 65}));
    const DialogTemplate comic = Template(0, "Comic Sans MS", 11);
    EXPECT_EQ(ClientBox(&comic), (Box{0, 0, 240, 103}));
    EXPECT_EQ(ClientBox(nullptr), (Box{0, 0, 800, 500}));
}

TEST(DialogTemplateTest, FramesByStyleAndWhoDrawsTheCaption)
{
    const Box client{0, 0, 150, 65};
    const DialogTemplate modal = Template(DS_MODALFRAME);
    const DialogTemplate thin = Template(DS_THINBORDER);
    const DialogTemplate bare = Template(0);
    const DialogTemplate captioned = Template(DS_CAPTION | DS_MODALFRAME);
    for (bool ownCaption : {false, true}) {
        const WindowFrame m = FrameOf(&modal, ownCaption);
        EXPECT_EQ(m.border, 3);
        EXPECT_FALSE(m.thin);
        EXPECT_EQ(m.caption, 0);
        const WindowFrame t = FrameOf(&thin, ownCaption);
        EXPECT_EQ(t.border, 1);
        EXPECT_TRUE(t.thin);
        EXPECT_EQ(FrameOf(&bare, ownCaption).border, 0);
        EXPECT_EQ(FrameOf(nullptr, ownCaption).border, 0);
    }
    // The window system frames a captioned window, unless the backend does.
    EXPECT_EQ(FrameOf(&captioned, false).border, 0);
    EXPECT_EQ(FrameOf(&captioned, false).caption, 0);
    const WindowFrame own = FrameOf(&captioned, true);
    EXPECT_EQ(own.border, 3);
    EXPECT_EQ(own.caption, 18);

    EXPECT_EQ(OuterBox(client, FrameOf(&modal, false)), (Box{0, 0, 156, 71}));
    EXPECT_EQ(ClientInOuter(client, FrameOf(&modal, false)), (Box{3, 3, 150, 65}));
    EXPECT_EQ(OuterBox(client, own), (Box{0, 0, 156, 89}));
    EXPECT_EQ(ClientInOuter(client, own), (Box{3, 21, 150, 65}));
    EXPECT_EQ(OuterBox(client, FrameOf(&thin, false)), (Box{0, 0, 152, 67}));
}

TEST(DialogTemplateTest, TheFocusGoesToVisibleEnabledButtonsAndEditsInTemplateOrder)
{
    const DWORD tab = CS_TABSTOP;
    const std::vector<ControlFacts> controls = {
        {ControlClass::Static, tab, true, true},               // 0: a static never
        {ControlClass::Button, tab | CS_GROUPBOX, true, true}, // 1: nor a group box
        {ControlClass::Button, tab, false, true},              // 2: hidden
        {ControlClass::Button, tab, true, false},              // 3: disabled
        {ControlClass::Button, 0, true, true},                 // 4: no tab stop
        {ControlClass::Edit, tab, true, true},                 // 5
        {ControlClass::Button, tab | CS_FLAT, true, true},     // 6
    };
    EXPECT_TRUE(TakesFocus(controls[5]));
    EXPECT_TRUE(TakesFocus(controls[6]));
    for (int i : {0, 1, 2, 3, 4})
        EXPECT_FALSE(TakesFocus(controls[static_cast<std::size_t>(i)])) << i;

    EXPECT_EQ(FirstTabStop(controls), 5);
    EXPECT_EQ(NextTabStop(controls, 5, false), 6);
    EXPECT_EQ(NextTabStop(controls, 6, false), 5); // round the end
    EXPECT_EQ(NextTabStop(controls, 5, true), 6);  // round the start
    EXPECT_EQ(NextTabStop(controls, -1, false), 5);
    EXPECT_EQ(NextTabStop(controls, -1, true), 6); // Shift+Tab from nothing: the last
    EXPECT_EQ(NextTabStop(controls, 2, false), 5); // from a control that lost it

    const std::vector<ControlFacts> one = {{ControlClass::Button, tab, true, true},
                                           {ControlClass::Static, 0, true, true}};
    EXPECT_EQ(NextTabStop(one, 0, false), 0); // the only one keeps it
    const std::vector<ControlFacts> none = {{ControlClass::Static, 0, true, true}};
    EXPECT_EQ(FirstTabStop(none), -1);
    EXPECT_EQ(NextTabStop(none, -1, false), -1);
    EXPECT_EQ(NextTabStop({}, -1, false), -1);
}

TEST(DialogTemplateTest, ReturnGivesTheFocusedButtonsCommandElseTheDefaults)
{
    const DWORD tab = CS_TABSTOP;
    std::vector<ControlFacts> controls = {
        {ControlClass::Button, tab | CS_DEFAULT, true, true, 1},   // 0: OK, the default
        {ControlClass::Button, tab, true, true, 2},                // 1: Cancel
        {ControlClass::Edit, tab, true, true, 10},                 // 2
        {ControlClass::Edit, tab | CS_WANTRETURN, true, true, 11}, // 3: keeps its Return
        {ControlClass::Button, tab | CS_GROUPBOX, true, true, 12}, // 4: no button
    };
    EXPECT_EQ(ReturnCommand(controls, 1), 2);
    EXPECT_EQ(ReturnCommand(controls, 0), 1);
    EXPECT_EQ(ReturnCommand(controls, 2), 1);
    EXPECT_EQ(ReturnCommand(controls, -1), 1);
    EXPECT_EQ(ReturnCommand(controls, 3), 0);
    EXPECT_EQ(ReturnCommand(controls, 4), 1);
    controls[0].enabled = false;
    EXPECT_EQ(ReturnCommand(controls, 2), 0);
    controls[0].style = tab;
    EXPECT_EQ(ReturnCommand(controls, 2), IDOK);
}
