// The table of a window's controls: built from a template, found by ID,
// painted transparent ones last, hit by the pointer from the top.
#include <gtest/gtest.h>

#include "platform/ControlTable.h"
#include "support/BoxPrinter.h"

namespace {
const DialogTemplate kTemplate = {
    1,
    "Prova",
    "MS Sans Serif",
    8,
    100,
    60,
    DS_MODALFRAME,
    {
        {10, ControlClass::Button, "&Sortir", 10, 10, 30, 14, CS_TABSTOP | CS_DISABLED},
        {IDC_STATIC, ControlClass::Static, "7", 0, 0, 0, 0, CS_BITMAP},
        {IDC_STATIC, ControlClass::Static, "Nivell", 5, 5, 40, 8, CS_TRANSPARENT},
        {11, ControlClass::Edit, "", 10, 30, 30, 12, CS_HIDDEN | CS_TABSTOP},
        {IDC_STATIC, ControlClass::Button, "Grup", 0, 0, 100, 60, CS_GROUPBOX},
    },
};
} // namespace

TEST(ControlTableTest, BuiltFromTheTemplateInItsOrder)
{
    ControlTable table;
    table.Build(kTemplate);
    ASSERT_EQ(table.Size(), 5u);
    const DialogControl& sortir = table[0];
    EXPECT_EQ(sortir.id, 10);
    EXPECT_TRUE(sortir.IsButton());
    EXPECT_EQ(sortir.rect, ControlRect(kTemplate, kTemplate.controls[0]));
    EXPECT_FALSE(sortir.enabled);
    EXPECT_TRUE(sortir.visible);
    EXPECT_EQ(sortir.Text(), "&Sortir"); // as written: the look drops the '&'
    // A picture's caption is its resource's number, not a text.
    EXPECT_TRUE(table[1].IsPicture());
    EXPECT_EQ(table[1].Text(), "");
    EXPECT_FALSE(table[3].visible);
    EXPECT_TRUE(table[3].IsTypedInto());
    EXPECT_FALSE(table[4].IsButton()); // a group box is no push button

    EXPECT_EQ(table.Find(11), &table[3]);
    EXPECT_EQ(table.Find(12), nullptr);
    EXPECT_EQ(table.Find(IDC_STATIC), nullptr); // names no control

    // Building again starts afresh.
    table.Build(kTemplate);
    EXPECT_EQ(table.Size(), 5u);
    DialogControl added;
    added.id = 12;
    table.Add(added);
    EXPECT_NE(table.Find(12), nullptr);
}

TEST(ControlTableTest, TransparentControlsComeLastAndThePointerHitsTheTop)
{
    ControlTable table;
    table.Build(kTemplate);
    EXPECT_EQ(table.PaintOrder(), (std::vector<int>{0, 1, 3, 4, 2}));
    const Box sortir = table[0].rect;
    // The group box over everything lets the pointer through; a static too.
    EXPECT_EQ(table.HitControl(sortir.x + 1, sortir.y + 1), 0);
    EXPECT_EQ(table.HitControl(sortir.Right(), sortir.y + 1), -1);
    // A hidden edit takes nothing.
    const Box edit = table[3].rect;
    EXPECT_EQ(table.HitControl(edit.x + 1, edit.y + 1), -1);
    table[3].visible = true;
    EXPECT_EQ(table.HitControl(edit.x + 1, edit.y + 1), 3);

    // Of two buttons on the same spot the one painted later is on top.
    DialogControl over;
    over.id = 13;
    over.cls = ControlClass::Button;
    over.style = CS_TRANSPARENT;
    over.rect = sortir;
    table.Add(over);
    EXPECT_EQ(table.HitControl(sortir.x + 1, sortir.y + 1), 5);

    EXPECT_EQ(FirstTabStop(table.Facts()), 3); // "Sortir" is disabled
}
