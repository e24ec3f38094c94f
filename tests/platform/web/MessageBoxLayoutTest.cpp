// The browser's message box: its text wrapped within 280 pixels, its OK
// button centred below it, margins all round.
#include <gtest/gtest.h>

#include "platform/ClassicLook.h"
#include "platform/web/MessageBoxLayout.h"
#include "support/BoxPrinter.h"

TEST(MessageBoxLayoutTest, TextAboveACentredOkButton)
{
    const int line = LineHeight(ClassicLook::TemplateFont(nullptr));
    const MessageBoxLayout shortBox = LayOutMessageBox("error 1001");
    // As wide as the button and the margins ask; one line high.
    EXPECT_EQ(shortBox.clientW, 75 + 2 * 12 + 20);
    EXPECT_EQ(shortBox.clientH, 12 + line + 12 + 23 + 12);
    EXPECT_EQ(shortBox.text.rect, (Box{12, 12, shortBox.clientW - 24, line}));
    EXPECT_EQ(shortBox.text.Text(), "error 1001");
    EXPECT_TRUE(shortBox.text.style & CS_NOPREFIX);
    EXPECT_EQ(shortBox.ok.id, IDOK);
    EXPECT_TRUE(shortBox.ok.IsButton());
    EXPECT_EQ(shortBox.ok.style, static_cast<DWORD>(CS_DEFAULT | CS_TABSTOP));
    EXPECT_EQ(shortBox.ok.Text(), "OK");
    EXPECT_EQ(shortBox.ok.rect, (Box{(shortBox.clientW - 75) / 2, shortBox.clientH - 35, 75, 23}));

    // A long text wraps to lines of at most 280 pixels.
    const std::string text(60, 'm');
    const std::string words = text + " " + text + " " + text;
    const MessageBoxLayout longBox = LayOutMessageBox(words);
    EXPECT_LE(longBox.clientW, 280 + 2 * 12 + 20);
    EXPECT_GT(longBox.clientW, 200 + 2 * 12 + 20);
    EXPECT_GE(longBox.text.rect.h, 3 * line);
    EXPECT_EQ(longBox.text.rect.h % line, 0);
    EXPECT_EQ(longBox.ok.rect.y, longBox.text.rect.Bottom() + 12);
}
