// The desktop's dialogs and the browser's are the same picture: every
// template, in every state of its controls (as it opens, without the focus,
// enabled and disabled, held down and let go, the focus on each control),
// painted by the Qt backend offscreen and by the browser backend's window
// painting, pixel for pixel, outside the typing edit's text (Qt's own line
// edit draws that).
#include <QDir>

#include "DialogStates.h"
#include "E2eFixture.h"
#include "res/ResourceIds.h"

namespace {
// "n pixels differ, the first at (x, y): rrggbb against rrggbb".
std::string Differences(const QImage& qt, const QImage& browser, const QRect& skip)
{
    if (qt.size() != browser.size())
        return "sizes differ";
    int count = 0;
    std::string first;
    for (int y = 0; y < qt.height(); ++y)
        for (int x = 0; x < qt.width(); ++x) {
            if (skip.contains(x, y) || qt.pixel(x, y) == browser.pixel(x, y))
                continue;
            if (count++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "the first at (%d, %d): %06x against %06x", x, y,
                              qt.pixel(x, y) & 0xFFFFFFu, browser.pixel(x, y) & 0xFFFFFFu);
                first = text;
            }
        }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ, " + first;
}
} // namespace

class LookTest : public E2eTest {};

TEST_F(LookTest, QtAndTheBrowserPaintEveryTemplateInEveryStateAlike)
{
    QDir().mkpath(QStringLiteral("artefacts"));
    int compared = 0;
    for (UINT id :
         {IDD_TERVAN_DIALOG, IDD_SPLASH, IDD_WARNING, IDD_LEVEL, IDD_ABOUTBOX, IDD_KEEP_WORK}) {
        const QRect skip = TypingTextBox(id);
        for (const DialogState& state : StatesOf(*FindDialogTemplate(id))) {
            SCOPED_TRACE("template " + std::to_string(id) + ", " + state.name);
            const QImage qt = PaintedByQt(*backend, id, state);
            const QImage browser = PaintedLikeTheBrowser(id, state);
            const std::string differences = Differences(qt, browser, skip);
            EXPECT_EQ(differences, "");
            if (!differences.empty()) {
                const QString name = QStringLiteral("artefacts/look-%1-%2").arg(id).arg(compared);
                qt.save(name + "-qt.png");
                browser.save(name + "-browser.png");
            }
            ++compared;
        }
    }
    // Six templates, and a state for each control that takes the focus.
    EXPECT_GE(compared, 40);
}
