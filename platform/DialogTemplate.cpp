#include "platform/DialogTemplate.h"

#include <cstring>

DialogUnits BaseUnitsFor(const DialogTemplate& t)
{
    // Base units are the font's average character width / 4 and its cell
    // height / 8. "MS Sans Serif" 8 at 96 dpi has 6 x 13 pixels; other faces
    // and sizes scale from it by point size.
    double width = 6.0;
    double height = 13.0;
    if (t.fontFace && std::strcmp(t.fontFace, "Comic Sans MS") == 0) {
        width = 7.0;
        height = 15.0;
    }
    const double scale = t.pointSize > 0 ? t.pointSize / 8.0 : 1.0;
    return {width * scale / 4.0, height * scale / 8.0};
}

int DluToPixelsX(const DialogTemplate& t, int units)
{
    return static_cast<int>(units * BaseUnitsFor(t).xPerUnit);
}

int DluToPixelsY(const DialogTemplate& t, int units)
{
    return static_cast<int>(units * BaseUnitsFor(t).yPerUnit);
}
