// The controls that only show something: text, frames and filled rectangles,
// group boxes, bitmap pictures and the icon. None takes the mouse: clicks on
// them reach the window's client area, as the classic statics let them.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/DialogTemplate.h"

class StaticControl : public QWidget {
  public:
    // `picture` is the bitmap or icon of a picture static, null otherwise.
    StaticControl(const ControlTemplate& t, const QImage& picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintText(QPainter& p);
    void PaintGroupBox(QPainter& p);
    void PaintBlackFrame(QPainter& p);

    DWORD m_style;
    QString m_text;
    QImage m_picture;
};
