// A push button painted with the classic look: raised 3-D edges, a black
// outline while it is the default button, or a flat face with a thin border
// for the flat style. Return and Space are left to the window, which decides
// which button they press.
#pragma once

#include <QPushButton>

#include "platform/DialogTemplate.h"
#include "platform/qt/ClassicWidget.h"

class ClassicButton : public QPushButton, public ClassicWidget {
  public:
    ClassicButton(const ControlTemplate& t, QWidget* parent);

    bool IsDefaultButton() const { return (m_style & CS_DEFAULT) != 0; }
    DialogControl Look() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int m_id;
    DWORD m_style;
};
