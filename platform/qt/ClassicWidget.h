// A control widget painted with the classic look: it tells its window what
// state its control is in (ClassicLook paints it), and shows the part of
// the window's picture it covers, on a surface of its own.
#pragma once

#include "platform/ControlTable.h"

class QPaintEvent;
class QWidget;

class ClassicWidget {
  public:
    virtual ~ClassicWidget() = default;
    // The control as it stands now, its rectangle in the window's client
    // coordinates.
    virtual DialogControl Look() const = 0;
    // Only the control's frame is the look's to paint: a widget of Qt's own
    // shows the rest.
    virtual bool ShowsOnlyItsFrame() const { return false; }
};

// The part of `widget` that `event` asks for, painted with the classic look
// by the window it stands in.
void PaintClassic(QWidget& widget, const QPaintEvent& event);
