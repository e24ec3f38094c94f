// What the window paints over its client area and its controls, never into
// its pixels: the focus ring once keys are in use, and the buttons the
// window asks for. A transparent widget on top of the others that lets the
// mouse through; with nothing to paint, it changes no pixel.
#pragma once

#include <QWidget>

#include "platform/ClientOverlay.h"

class OverlayWidget : public QWidget {
  public:
    explicit OverlayWidget(QWidget* client);

    const ClientOverlay& Overlay() const { return m_overlay; }
    // Shows `overlay` instead: repaints what either covers.
    void Show(const ClientOverlay& overlay);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ClientOverlay m_overlay;
};
