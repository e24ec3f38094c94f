// The controls that only show something: text, frames and filled rectangles,
// group boxes, bitmap pictures and the icon, painted with the classic look.
// None takes the mouse: clicks on them reach the window's client area, as
// the classic statics let them.
#pragma once

#include <QWidget>

#include "platform/DialogTemplate.h"
#include "platform/Surface.h"
#include "platform/qt/ClassicWidget.h"

class StaticControl : public QWidget, public ClassicWidget {
  public:
    // `picture` holds the pixels of a picture static, nothing otherwise.
    StaticControl(const ControlTemplate& t, Surface picture, QWidget* parent);

    DialogControl Look() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ControlClass m_cls;
    DWORD m_style;
    std::string m_text;
    Surface m_picture;
};
