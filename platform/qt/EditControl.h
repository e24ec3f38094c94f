// An edit control: one line (a QLineEdit) or several lines that wrap at word
// boundaries without scroll bars (a QPlainTextEdit), inside the edge its
// style asks for: a sunken static edge, a border, or none.
#pragma once

#include <QWidget>
#include <optional>

#include "platform/DialogTemplate.h"
#include "platform/qt/QtLook.h"

class QLineEdit;
class QPlainTextEdit;

class EditControl : public QWidget {
  public:
    EditControl(const ControlTemplate& t, QWidget* parent);

    QString Text() const;
    void SetText(const QString& text);
    // The widget that takes the keyboard focus.
    QWidget* FocusTarget() const;
    bool WantsReturn() const { return m_bWantReturn; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLineEdit* m_pLine = nullptr;
    QPlainTextEdit* m_pLines = nullptr;
    bool m_bWantReturn;
    std::optional<QtLook::Edge> m_edge;
};
