// The dialog templates as data: their fixed texts, fonts and tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "res/ResourceIds.h"
#include "res/Resources.h"
#include "support/BoxPrinter.h"

namespace {
const ControlTemplate* FindControl(UINT templateId, const char* caption)
{
    const DialogTemplate* t = FindDialogTemplate(templateId);
    for (const ControlTemplate& c : t->controls)
        if (std::string(c.caption) == caption)
            return &c;
    return nullptr;
}

TEST(DialogsTest, TemplatesCarryTheirFixedTexts)
{
    EXPECT_NE(FindControl(IDD_SPLASH, "Entra"), nullptr);
    EXPECT_TRUE(FindControl(IDD_SPLASH, "Entra")->style & CS_TRANSPARENT);
    EXPECT_FALSE(FindControl(IDD_SPLASH, "Entra")->style & CS_TABSTOP);
    EXPECT_NE(FindControl(IDD_WARNING, "ATENCIÓ"), nullptr);
    EXPECT_NE(FindControl(IDD_LEVEL, "Nivell del Mercuri a la branca dreta"), nullptr);
    EXPECT_NE(FindControl(IDD_LEVEL, "Cancela"), nullptr);
    EXPECT_NE(FindControl(IDD_LEVEL, "cm"), nullptr);
    EXPECT_NE(FindControl(IDD_ABOUTBOX, "Obteniu la guia d'operació del programa a l'adreça:"),
              nullptr);
    EXPECT_NE(FindControl(IDD_ABOUTBOX,
                          "Aquest programa permet executar virtualment les operacions "
                          "bàsiques que s'han de fer al laboratori en la pràctica\n\n"
                          "OMBRINA: \nEstimació del zero absolut de temperatures"),
              nullptr);
    EXPECT_STREQ(FindDialogTemplate(IDD_LEVEL)->fontFace, "Comic Sans MS");
    EXPECT_EQ(FindDialogTemplate(IDD_LEVEL)->pointSize, 11);
    // The first control with a tab stop of each dialog is its OK button.
    for (UINT id : {IDD_WARNING, IDD_LEVEL, IDD_ABOUTBOX}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        const auto first =
            std::find_if(t->controls.begin(), t->controls.end(), [](const ControlTemplate& c) {
                return (c.style & CS_TABSTOP) && !(c.style & CS_HIDDEN);
            });
        ASSERT_NE(first, t->controls.end());
        EXPECT_EQ(first->id, IDOK) << id;
    }
}

const ControlTemplate& ControlOf(UINT templateId, int id)
{
    const DialogTemplate* t = FindDialogTemplate(templateId);
    return *std::find_if(t->controls.begin(), t->controls.end(),
                         [id](const ControlTemplate& c) { return c.id == id; });
}

// The sizes below are worked out by hand, not by the conversion under test.
// "MS Sans Serif" 8 has base units of 6 x 13 px: 1.5 px per dialog unit
// across and 1.625 down. "Comic Sans MS" has 7 x 15 px at 8 points; the
// level dialog's 11 points scale it by 11/8 to 9.625 x 20.625 px, so 2.40625
// px per unit across and 2.578125 down. Each edge is rounded down.
TEST(DialogsTest, EachDialogsPixelSizeFollowsItsFontsPointSize)
{
    EXPECT_EQ(ClientBox(FindDialogTemplate(IDD_TERVAN_DIALOG)), (Box{0, 0, 781, 484})); // 521 x 298
    EXPECT_EQ(ClientBox(FindDialogTemplate(IDD_SPLASH)), (Box{0, 0, 399, 268}));        // 266 x 165
    EXPECT_EQ(ClientBox(FindDialogTemplate(IDD_WARNING)), (Box{0, 0, 387, 217}));       // 258 x 134
    EXPECT_EQ(ClientBox(FindDialogTemplate(IDD_ABOUTBOX)), (Box{0, 0, 324, 378}));      // 216 x 233
    // 137 x 61 units: 329.66 x 157.27 px.
    const DialogTemplate* level = FindDialogTemplate(IDD_LEVEL);
    EXPECT_EQ(ClientBox(level), (Box{0, 0, 329, 157}));
    // OK at (87, 23), 35 x 14 units: its edges at 209.34, 293.56 across and
    // 59.30, 95.39 down.
    EXPECT_EQ(ControlRect(*level, ControlOf(IDD_LEVEL, IDOK)), (Box{209, 59, 84, 36}));
    // The edit at (25, 23), 40 x 14 units: 60.16 to 156.41 across.
    EXPECT_EQ(ControlRect(*level, ControlOf(IDD_LEVEL, IDC_LEVEL)), (Box{60, 59, 96, 36}));
    // "Cancela" at (87, 38), 35 x 14 units: 97.97 to 134.06 down.
    EXPECT_EQ(ControlRect(*level, ControlOf(IDD_LEVEL, IDCANCEL)), (Box{209, 97, 84, 37}));
    // The warning's OK at (201, 113), 50 x 14 units, in the 8-point font.
    const DialogTemplate* warning = FindDialogTemplate(IDD_WARNING);
    EXPECT_EQ(ControlRect(*warning, ControlOf(IDD_WARNING, IDOK)), (Box{301, 183, 75, 23}));
}
} // namespace
