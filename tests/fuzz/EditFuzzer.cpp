// The level edit as the browser drives it, on any sequence of operations:
// the page's text input reporting any text (any bytes, valid UTF-8 or not)
// with any selection, a new text set by the program, select-all, the pointer
// pressing and dragging anywhere, the caret placed and scrolled into view,
// and the edit painted. The caret and the selection's ends stay on
// character starts within the text, a placed caret shows inside the text's
// box, the character under the pointer moves right as the pointer does, and
// the text, its selection and the caret are painted inside the text's box
// only.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "fuzz/Check.h"
#include "platform/ClassicLook.h"
#include "platform/ControlTable.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

namespace {

constexpr Pixel kUntouched = 0x123456;

bool OnCharacterStart(const std::string& text, std::size_t at)
{
    return at <= text.size() &&
           (at == 0 || at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80);
}

class EditSession {
  public:
    EditSession()
        : m_template(*FindDialogTemplate(IDD_LEVEL)), m_font(ClassicLook::TemplateFont(&m_template))
    {
        m_controls.Build(m_template);
    }

    void Step(FuzzedDataProvider& in)
    {
        DialogControl& c = *m_controls.Find(IDC_LEVEL);
        const Box box = ClassicLook::EditTextBox(c);
        switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0: { // what the page's text input reports
            const int start = in.ConsumeIntegral<int>();
            const int end = in.ConsumeIntegral<int>();
            const bool backward = in.ConsumeBool();
            c.edit.Mirror(in.ConsumeRandomLengthString(), static_cast<std::size_t>(start),
                          static_cast<std::size_t>(end), backward);
            PlaceCaret(c, box);
            break;
        }
        case 1:
            c.edit.Set(in.ConsumeRandomLengthString());
            break;
        case 2:
            c.edit.SelectAll();
            break;
        case 3:   // a press: the caret goes to the character nearest the pointer
        case 4: { // a drag: the selection's moving end follows it
            const int x = in.ConsumeIntegralInRange(-100000, 100000);
            const std::size_t at = OffsetAtX(m_font, c.Text(), x - box.x + c.edit.scroll);
            CheckOffsets(c.Text(), x - box.x + c.edit.scroll, in.ConsumeIntegralInRange(0, 50), at);
            c.edit.caret = at;
            if (in.ConsumeBool())
                c.edit.anchor = at;
            PlaceCaret(c, box);
            break;
        }
        case 5:
            PlaceCaret(c, box);
            break;
        default:
            Paint(c, in.ConsumeBool());
            break;
        }
        FUZZ_CHECK(OnCharacterStart(c.Text(), c.edit.caret));
        FUZZ_CHECK(OnCharacterStart(c.Text(), c.edit.anchor));
    }

  private:
    void PlaceCaret(DialogControl& c, const Box& box)
    {
        const int x = ClassicLook::PlaceCaret(c, m_font);
        FUZZ_CHECK(c.edit.scroll >= 0);
        FUZZ_CHECK(x >= 0 && x <= box.w - 1);
    }

    // The character nearest x lies no further right than the one nearest a
    // point `dx` further; left of the text is its start, right of it its end.
    void CheckOffsets(const std::string& text, int x, int dx, std::size_t at) const
    {
        FUZZ_CHECK(OnCharacterStart(text, at));
        FUZZ_CHECK(at <= OffsetAtX(m_font, text, x + dx));
        if (x < 0)
            FUZZ_CHECK(at == 0);
        if (x >= TextWidth(m_font, text))
            FUZZ_CHECK(at == text.size());
    }

    // Paints the edit onto a surface with a margin of untouched pixels round
    // its rectangle: they must stay so, and between the edit's edge and its
    // text's box only the edge and the field show, as they do with no text.
    void Paint(const DialogControl& c, bool focused)
    {
        constexpr int kMargin = 3;
        Surface edit(c.rect.w + 2 * kMargin, c.rect.h + 2 * kMargin, kUntouched);
        Surface frame = edit;
        const Box whole{0, 0, edit.width, edit.height};
        const int dx = kMargin - c.rect.x, dy = kMargin - c.rect.y;
        Painter onEdit(edit, whole, dx, dy);
        ClassicLook::DrawControl(onEdit, c, m_font, focused, false);
        Painter onFrame(frame, whole, dx, dy);
        ClassicLook::DrawEditFrame(onFrame, c);
        const Box text = ClassicLook::EditTextBox(c).Offset(kMargin, kMargin);
        for (int y = 0; y < edit.height; ++y)
            for (int x = 0; x < edit.width; ++x)
                if (!text.Contains(x, y))
                    FUZZ_CHECK(edit.At(x, y) == frame.At(x, y));
    }

    const DialogTemplate& m_template;
    FontRequest m_font;
    ControlTable m_controls;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetApplicationResources(&TervanResources());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    EditSession session;
    while (in.remaining_bytes() > 0)
        session.Step(in);
    return 0;
}
