// A part of a window's client area as Qt sees it: a widget that paints
// nothing and lets the mouse through to the client area, standing where
// the part is, so that it takes its place in Qt's focus chain, passes its
// keys to the window as WM_KEYDOWN and speaks for the part to assistive
// technology (AT-SPI on Linux) with the part's role, name, value and state.
#pragma once

#include <QWidget>

#include "platform/ClientPart.h"

class CWnd;
class QtBackend;

class PartWidget : public QWidget {
  public:
    PartWidget(QtBackend& backend, CWnd& wnd, const ClientPart& part, QWidget* parent);

    int PartId() const { return m_part.id; }
    const ClientPart& Part() const { return m_part; }
    // The part as the window declares it now; tells assistive technology
    // what changed.
    void Update(const ClientPart& part);

    // What a press through assistive technology does: Space on the part,
    // or a painted button's command.
    void PressSpace();
    void Activate();

    // Makes Qt's accessibility ask the parts for their interfaces.
    static void ShowToAssistiveTechnology();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QtBackend& m_backend;
    CWnd& m_wnd;
    ClientPart m_part;
};
