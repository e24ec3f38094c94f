// A push button drawn as the classic dialogs draw it: raised 3-D edges, a
// black outline when it is the default button, or a flat face with a thin
// border for the flat style. Return and Space are left to the window, which
// decides which button they press.
#pragma once

#include <QPushButton>

class ClassicButton : public QPushButton {
  public:
    ClassicButton(const QString& text, bool flat, bool isDefault, QWidget* parent);

    bool IsDefaultButton() const { return m_bDefault; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PaintFlat(QPainter& p, QRect r);
    void PaintText(QPainter& p, QRect r, bool pressed);

    bool m_bFlat;
    bool m_bDefault;
};
