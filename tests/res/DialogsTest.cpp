// The dialog templates as data: their fixed texts, fonts and tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "res/ResourceIds.h"
#include "res/Resources.h"

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
} // namespace
