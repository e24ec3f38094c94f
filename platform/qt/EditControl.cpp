#include "platform/qt/EditControl.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include "platform/qt/QtLook.h"

EditControl::EditControl(const ControlTemplate& t, QWidget* parent)
    : QWidget(parent), m_bWantReturn((t.style & CS_WANTRETURN) != 0)
{
    const bool readOnly = (t.style & CS_READONLY) != 0;
    QWidget* inner = nullptr;
    if (t.style & CS_MULTILINE) {
        m_pLines = new QPlainTextEdit(this);
        m_pLines->setReadOnly(readOnly);
        m_pLines->setFrameShape(QFrame::NoFrame);
        m_pLines->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_pLines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_pLines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_pLines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_pLines->document()->setDocumentMargin(0);
        if (readOnly)
            m_pLines->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                              Qt::TextSelectableByMouse);
        inner = m_pLines;
    } else {
        m_pLine = new QLineEdit(this);
        m_pLine->setReadOnly(readOnly);
        m_pLine->setFrame(false);
        m_pLine->setTextMargins(1, 0, 1, 0);
        m_pLine->setAlignment((t.style & CS_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter
                                                   : Qt::AlignLeft | Qt::AlignVCenter);
        inner = m_pLine;
    }
    // A read-only field without an edge lies on the dialog's face; the others
    // are white.
    const bool bare = !(t.style & (CS_SUNKEN | CS_BORDER));
    const QColor field = bare && readOnly ? QtLook::Face() : QColor(Qt::white);
    QPalette palette = inner->palette();
    palette.setColor(QPalette::Base, field);
    inner->setPalette(palette);
    inner->setAutoFillBackground(true);
    // The whole field inside the edge has the field's colour, also where a
    // single line leaves it empty.
    QPalette own = this->palette();
    own.setColor(QPalette::Window, field);
    setPalette(own);
    setAutoFillBackground(true);

    if (t.style & CS_SUNKEN)
        m_edge = QtLook::Edge::Static;
    else if (t.style & CS_BORDER)
        m_edge = QtLook::Edge::Client;
    // The text goes inside the edge.
    const int edge = m_edge ? QtLook::EdgeWidth(*m_edge) : 0;
    setContentsMargins(edge, edge, edge, edge);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // One line of text sits at the top of a field taller than a line.
    layout->addWidget(inner, 0, m_pLine ? Qt::AlignTop : Qt::Alignment());
    setFocusProxy(inner);
    inner->setFocusPolicy((t.style & CS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
}

void EditControl::paintEvent(QPaintEvent*)
{
    if (!m_edge)
        return;
    QPainter p(this);
    QtLook::DrawEdge(p, rect(), *m_edge);
}

QString EditControl::Text() const
{
    return m_pLine ? m_pLine->text() : m_pLines->toPlainText();
}

void EditControl::SetText(const QString& text)
{
    // The gas read-outs are set on every tick; an unchanged text costs nothing.
    if (Text() == text)
        return;
    if (m_pLine) {
        m_pLine->setText(text);
        m_pLine->setCursorPosition(0);
    } else {
        m_pLines->setPlainText(text);
    }
}

QWidget* EditControl::FocusTarget() const
{
    return m_pLine ? static_cast<QWidget*>(m_pLine) : static_cast<QWidget*>(m_pLines);
}
