#include "platform/web/MessageBoxLayout.h"

#include <algorithm>
#include <vector>

#include "platform/ClassicLook.h"

namespace {
constexpr int kTextWidth = 280;
constexpr int kMargin = 12;
// A little room to spare beside the text.
constexpr int kIconRoom = 20;
constexpr int kButtonW = 75;
constexpr int kButtonH = 23;
} // namespace

MessageBoxLayout LayOutMessageBox(const std::string& text)
{
    const FontRequest font = ClassicLook::TemplateFont(nullptr);
    int textW = 0;
    const std::vector<std::string> lines = WrapText(font, text, kTextWidth);
    for (const std::string& line : lines)
        textW = std::max(textW, TextWidth(font, line));
    const int textH = static_cast<int>(lines.size()) * LineHeight(font);

    MessageBoxLayout box;
    box.clientW = std::max(textW, kButtonW) + 2 * kMargin + kIconRoom;
    box.clientH = kMargin + textH + kMargin + kButtonH + kMargin;
    box.text.rect = {kMargin, kMargin, box.clientW - 2 * kMargin, textH};
    box.text.style = CS_NOPREFIX;
    box.text.edit.text = text;
    box.ok.id = IDOK;
    box.ok.cls = ControlClass::Button;
    box.ok.style = CS_DEFAULT | CS_TABSTOP;
    box.ok.edit.text = "OK";
    box.ok.rect = {(box.clientW - kButtonW) / 2, box.clientH - kMargin - kButtonH, kButtonW,
                   kButtonH};
    return box;
}
