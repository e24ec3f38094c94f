// Every caption of every template painted with the classic look, one
// accented capital at a time, against the same letter drawn where nothing
// can clip it: the accents above À, É, Í, Ó, Ú and the cedilla of Ç show
// whole in each control's own rectangle.
#include <gtest/gtest.h>

#include <string>

#include "platform/ClassicLook.h"
#include "platform/TextRenderer.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

namespace {
using namespace ClassicLook;

// Any trace of a letter on the dialogs' grey, its palest edges too.
bool IsTrace(Pixel p)
{
    const int gray = (((p >> 16) & 0xFF) * 11 + ((p >> 8) & 0xFF) * 16 + (p & 0xFF) * 5) / 32;
    return gray < 180;
}

// The rows from the first to the last with a trace in the block, or 0.
int TraceHeight(const Surface& s, const Box& block)
{
    int first = -1, last = -1;
    for (int y = block.y; y < block.Bottom(); ++y)
        for (int x = block.x; x < block.Right(); ++x)
            if (IsTrace(s.At(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

bool ShowsCaption(const ControlTemplate& c)
{
    const bool text =
        c.cls == ControlClass::Static && !(c.style & (CS_BITMAP | CS_ICON | CS_BLACKRECT |
                                                      CS_WHITERECT | CS_GRAYRECT | CS_BLACKFRAME));
    return (text || c.cls == ControlClass::Button) && !std::string(c.caption).empty();
}
} // namespace

TEST(CaptionsTest, AccentedCapitalsFitWholeInEveryCaption)
{
    int captions = 0;
    for (UINT id : {IDD_TERVAN_DIALOG, IDD_SPLASH, IDD_WARNING, IDD_LEVEL, IDD_ABOUTBOX}) {
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr);
        const FontRequest font = TemplateFont(t);
        ControlTable table;
        table.Build(*t);
        for (std::size_t i = 0; i < t->controls.size(); ++i) {
            if (!ShowsCaption(t->controls[i]))
                continue;
            ++captions;
            for (const char* letter : {"À", "É", "Í", "Ó", "Ú", "Ç"}) {
                SCOPED_TRACE(std::to_string(id) + " \"" + t->controls[i].caption + "\" as " +
                             letter);
                DialogControl c = table[i];
                c.edit.text = letter;
                c.visible = true;
                // The control alone on a surface of its own size.
                Surface shot(c.rect.w, c.rect.h, kFace);
                Painter p(shot, {0, 0, c.rect.w, c.rect.h}, -c.rect.x, -c.rect.y);
                DrawControl(p, c, font, false, false);
                // Where the caption stands: inside a button's edges, in a
                // group box's gap in its frame, anywhere on a static.
                Box caption{0, 0, c.rect.w, c.rect.h};
                if (c.style & CS_GROUPBOX)
                    caption = {9, 0, TextWidth(font, letter) + 2, 2 * LineHeight(font)};
                else if (c.IsButton())
                    caption = caption.Inset(3);

                Surface free(64, 64, kFace);
                TextStyle style;
                TextRenderer::DrawText(free, font, 20, 20, letter, style);
                EXPECT_EQ(TraceHeight(shot, caption), TraceHeight(free, {0, 0, 64, 64}));
            }
        }
    }
    EXPECT_GE(captions, 20);
}
