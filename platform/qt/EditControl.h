// An edit control inside the edge its style asks for (a sunken static edge,
// a border, or none), painted with the classic look. A read-only edit (one
// that only shows a text) is painted whole by the look: its text, one
// line or wrapped at word boundaries, and its selection; it takes the focus
// where it is a tab stop and the mouse selects in it. An edit that takes
// typing is Qt's own line edit, inside the look's edge.
#pragma once

#include <QWidget>

#include "platform/DialogTemplate.h"
#include "platform/EditText.h"
#include "platform/Gdi.h"
#include "platform/qt/ClassicWidget.h"

class QLineEdit;

class EditControl : public QWidget, public ClassicWidget {
  public:
    EditControl(const ControlTemplate& t, const FontRequest& font, QWidget* parent);

    QString Text() const;
    int Id() const { return m_id; }
    void SetText(const QString& text);
    // The widget that takes the keyboard focus.
    QWidget* FocusTarget() const;
    bool WantsReturn() const { return (m_style & CS_WANTRETURN) != 0; }
    bool IsReadOnly() const { return m_pLine == nullptr; }
    // Where the caret and selection stand (a read-only edit's own).
    const EditText& State() const { return m_text; }

    // What assistive technology reads of a read-only edit: read-only text,
    // named as the window named it (else by its text), its text its value.
    // Qt's own edit speaks for itself.
    static void ShowToAssistiveTechnology();

    DialogControl Look() const override;
    bool ShowsOnlyItsFrame() const override { return m_pLine != nullptr; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::size_t OffsetAt(int x) const;

    int m_id;
    DWORD m_style;
    FontRequest m_font;
    EditText m_text;
    QLineEdit* m_pLine = nullptr; // the typing edit, null for a read-only one
};
