// What assistive technology reads of a dialog window through Qt, by the
// framework's accessible description: the window as a dialog, or as an
// alert when it warns; in its client area only the controls that say
// something (no hidden button, picture, frame or group box) and then the
// client parts; static texts by their captions and read-only edits by the
// names the window gave them.
#pragma once

namespace WindowAccessible {
// Makes Qt's accessibility ask for these interfaces.
void Install();
} // namespace WindowAccessible
