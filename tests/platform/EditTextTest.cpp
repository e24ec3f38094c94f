// An edit's text and caret: setting and mirroring it on character
// boundaries of UTF-8, selecting all, the character nearest a click, and
// lines wrapped to a width.
#include <gtest/gtest.h>

#include <string>

#include "platform/ClassicLook.h"
#include "platform/EditText.h"

namespace {
const FontRequest kFont = ClassicLook::TemplateFont(nullptr);
} // namespace

TEST(EditTextTest, SettingMirroringAndSelectingAll)
{
    EditText e;
    EXPECT_TRUE(e.Set("21,4"));
    e.caret = 3;
    e.anchor = 1;
    e.scroll = 5;
    // The read-outs are set on every tick: the same text leaves all as it is.
    EXPECT_FALSE(e.Set("21,4"));
    EXPECT_EQ(e.caret, 3u);
    EXPECT_EQ(e.SelStart(), 1u);
    EXPECT_EQ(e.SelEnd(), 3u);
    EXPECT_EQ(e.scroll, 5);
    // A new text puts the caret at its start.
    EXPECT_TRUE(e.Set("21,5"));
    EXPECT_EQ(e.caret, 0u);
    EXPECT_FALSE(e.HasSelection());
    EXPECT_EQ(e.scroll, 0);

    e.SelectAll();
    EXPECT_EQ(e.SelStart(), 0u);
    EXPECT_EQ(e.SelEnd(), 4u);
    EXPECT_EQ(e.caret, 4u); // the moving end at the text's end

    // "àb": "à" is two bytes. An offset inside it moves to its start; one
    // past the end, to the end.
    e.Mirror("àb", 1, 9, false);
    EXPECT_EQ(e.text, "àb");
    EXPECT_EQ(e.anchor, 0u);
    EXPECT_EQ(e.caret, 3u);
    // A backward selection has its caret at the start.
    e.Mirror("àb", 2, 3, true);
    EXPECT_EQ(e.caret, 2u);
    EXPECT_EQ(e.anchor, 3u);
    // An end before the start is the start.
    e.Mirror("àb", 3, 0, false);
    EXPECT_EQ(e.caret, 3u);
    EXPECT_FALSE(e.HasSelection());
}

TEST(EditTextTest, AClickFindsTheNearestCharacterBoundary)
{
    const std::string text = "àbc";
    const int a = TextWidth(kFont, "à"), ab = TextWidth(kFont, "àb");
    EXPECT_EQ(OffsetAtX(kFont, text, -5), 0u);
    EXPECT_EQ(OffsetAtX(kFont, text, a / 2 - 1), 0u);
    EXPECT_EQ(OffsetAtX(kFont, text, (a + 1) / 2 + 1), 2u); // past the middle of "à"
    EXPECT_EQ(OffsetAtX(kFont, text, a), 2u);
    EXPECT_EQ(OffsetAtX(kFont, text, ab), 3u);
    EXPECT_EQ(OffsetAtX(kFont, text, 1000), text.size());
    EXPECT_EQ(OffsetAtX(kFont, "", 10), 0u);
}

// Bytes that are not all UTF-8 (a lone continuation byte, a sequence cut
// short, a byte that starts none) among characters that are: a click goes
// to the character start nearest it by the width of the text before it.
TEST(EditTextTest, AClickInBrokenUtf8GoesByTheWidthOfTheTextBeforeIt)
{
    const std::string text = "a\x82\xe2\x82€\xff\xc3(b";
    std::vector<std::size_t> starts = {0};
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    ASSERT_EQ(starts, (std::vector<std::size_t>{0, 2, 4, 7, 8, 9, 10, 11}));
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        const int left = TextWidth(kFont, text.substr(0, starts[k]));
        const int right = TextWidth(kFont, text.substr(0, starts[k + 1]));
        ASSERT_GE(right - left, 2) << k;
        const int middle = (left + right + 1) / 2;
        EXPECT_EQ(OffsetAtX(kFont, text, middle - 1), starts[k]) << k;
        EXPECT_EQ(OffsetAtX(kFont, text, middle), starts[k + 1]) << k;
    }
}

TEST(EditTextTest, LinesWrapAtSpacesAndNewLinesWithinTheirWidth)
{
    const std::string text = "El tub dret s'ha de moure per amunt.";
    const int width = TextWidth(kFont, "El tub dret s'ha");
    const std::vector<std::string> lines = WrapText(kFont, text, width);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "El tub dret s'ha");
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(TextWidth(kFont, line), width) << line;
        EXPECT_NE(line.front(), ' ') << line; // the break's space is dropped
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);

    // A new line starts a line; an empty one stays.
    EXPECT_EQ(WrapText(kFont, "OMBRINA:\n\nEstimació", 1000),
              (std::vector<std::string>{"OMBRINA:", "", "Estimació"}));
    // A word wider than the line is broken inside it, between characters.
    const std::vector<std::string> broken =
        WrapText(kFont, "https://tervan.example.org/guia", TextWidth(kFont, "https://ter"));
    ASSERT_GE(broken.size(), 3u);
    std::string whole;
    for (const std::string& line : broken) {
        EXPECT_LE(TextWidth(kFont, line), TextWidth(kFont, "https://ter"));
        whole += line;
    }
    EXPECT_EQ(whole, "https://tervan.example.org/guia");
    EXPECT_EQ(WrapText(kFont, "", 50), (std::vector<std::string>{""}));
}
