// A dialog template shown in one state of its controls, painted two ways:
// by the Qt backend offscreen and by the browser backend's own window
// painting (which the page puts on its canvas as it is). Both start from
// the template, with the same texts in its edits.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "platform/DialogTemplate.h"

class QtBackend;

struct DialogState {
    std::string name;
    int enable = -1;      // -1 as the template says, 0 every control disabled, 1 enabled
    bool pressed = false; // every button held down
    int focus = -2;       // -2 the first tab stop, -1 none, else a template index
};

// The states worth looking at for a template: as it opens, without the
// focus, every control enabled and every one disabled, every button held
// down, and the focus on each control that can take it, brought by Tab (an
// edit's text selected).
std::vector<DialogState> StatesOf(const DialogTemplate& t);

QImage PaintedByQt(QtBackend& backend, UINT templateId, const DialogState& state);
QImage PaintedLikeTheBrowser(UINT templateId, const DialogState& state);

// Where the typing edit's own text box lies in the window (Qt's edit draws
// its text there itself), or an empty rectangle.
QRect TypingTextBox(UINT templateId);
