// How the browser backend lays out a message box, which it builds and
// draws itself: the text wrapped to lines of at most 280 pixels in the
// dialog font, on the face with a margin round it, and one OK button
// (the default, a tab stop) centred below it. The caption bar comes with
// the window.
#pragma once

#include <string>

#include "platform/ControlTable.h"

struct MessageBoxLayout {
    int clientW = 0, clientH = 0;
    DialogControl text;
    DialogControl ok;
};

MessageBoxLayout LayOutMessageBox(const std::string& text);
