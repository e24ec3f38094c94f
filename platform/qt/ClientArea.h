// The client area of a window: it shows the window's client pixels (what a
// client DC copies there) under the controls, and turns the mouse into the
// window's mouse messages in client coordinates.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/Surface.h"

class CWnd;
class QtBackend;

class ClientArea : public QWidget {
  public:
    ClientArea(QtBackend& backend, CWnd& wnd, QSize size, QWidget* parent);

    Surface& Pixels() { return m_pixels; }
    // The pixels changed: show the changed part, at once when `now`, else
    // with the next repaint.
    void ShowChanges(bool now);
    // How many times the window's pixels reached the screen.
    int Paints() const { return m_nPaints; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRect ChangedSinceShown();
    void SendMouse(unsigned message, QMouseEvent* event, bool leftDown);

    QtBackend& m_backend;
    CWnd& m_wnd;
    Surface m_pixels;
    Surface m_shown; // what the screen was last told to show
    int m_nPaints = 0;
};
