#include "platform/qt/EditControl.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "platform/ClassicLook.h"
#include "platform/Dialog.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/QtLook.h"

namespace {
class ReadOnlyEditAccessible : public QAccessibleWidget {
  public:
    explicit ReadOnlyEditAccessible(EditControl* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText), m_edit(edit)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        // The name the window gave the edit, where its text alone would not
        // say what it is (a temperature beside its unit).
        if (t == QAccessible::Name) {
            const auto* window = dynamic_cast<const DialogWindow*>(m_edit->window());
            const std::string given =
                window ? window->Dialog().AccessibleName(m_edit->Id()) : std::string();
            return given.empty() ? m_edit->Text() : QString::fromStdString(given);
        }
        // Its text is also its description, which a screen reader speaks
        // after the name where it reads no value of a text.
        if (t == QAccessible::Value || t == QAccessible::Description)
            return m_edit->Text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

  private:
    EditControl* m_edit;
};

QAccessibleInterface* AccessibleReadOnlyEdit(const QString&, QObject* object)
{
    auto* edit = dynamic_cast<EditControl*>(object);
    return edit && edit->IsReadOnly() ? new ReadOnlyEditAccessible(edit) : nullptr;
}
} // namespace

void EditControl::ShowToAssistiveTechnology()
{
    QAccessible::installFactory(AccessibleReadOnlyEdit);
}

EditControl::EditControl(const ControlTemplate& t, const FontRequest& font, QWidget* parent)
    : QWidget(parent), m_id(t.id), m_style(t.style), m_font(font)
{
    const Qt::FocusPolicy policy = (t.style & CS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
    if (m_style & CS_READONLY) {
        setFocusPolicy(policy);
        setAttribute(Qt::WA_OpaquePaintEvent);
        return;
    }
    m_pLine = new QLineEdit(this);
    m_pLine->setFrame(false);
    m_pLine->setTextMargins(1, 0, 1, 0);
    m_pLine->setAlignment((t.style & CS_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_pLine->palette();
    palette.setColor(QPalette::Base, QColor(QRgb(0xFF000000u | ClassicLook::kField)));
    m_pLine->setPalette(palette);
    m_pLine->setAutoFillBackground(true);
    QObject::connect(m_pLine, &QLineEdit::textChanged, m_pLine,
                     [this](const QString& text) { m_text.text = text.toStdString(); });
    // The text goes inside the edge; one line sits at the top of a field
    // taller than a line.
    const int edge = ClassicLook::EditTextBox(Look()).y;
    setContentsMargins(edge, edge, edge, edge);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pLine, 0, Qt::AlignTop);
    setFocusProxy(m_pLine);
    m_pLine->setFocusPolicy(policy);
}

DialogControl EditControl::Look() const
{
    DialogControl c;
    c.id = m_id;
    c.cls = ControlClass::Edit;
    c.style = m_style;
    c.rect = {x(), y(), width(), height()};
    c.enabled = isEnabled();
    c.visible = !isHidden();
    c.edit = m_text;
    return c;
}

void EditControl::paintEvent(QPaintEvent* event)
{
    PaintClassic(*this, *event);
}

QString EditControl::Text() const
{
    return QString::fromStdString(m_text.text);
}

void EditControl::SetText(const QString& text)
{
    if (!m_text.Set(text.toStdString()))
        return;
    if (m_pLine) {
        m_pLine->setText(text);
        m_pLine->setCursorPosition(0);
    }
    update();
}

QWidget* EditControl::FocusTarget() const
{
    return m_pLine ? static_cast<QWidget*>(m_pLine) : const_cast<EditControl*>(this);
}

// --- A read-only edit's own selection ------------------------------------------

std::size_t EditControl::OffsetAt(int x) const
{
    DialogControl c = Look();
    const Box box = ClassicLook::EditTextBox(c);
    return OffsetAtX(m_font, m_text.text, x - box.x + m_text.scroll);
}

void EditControl::focusInEvent(QFocusEvent* event)
{
    // Tabbing into an edit selects its text.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_text.SelectAll();
    QWidget::focusInEvent(event);
    update();
}

void EditControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void EditControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_text.caret = m_text.anchor = OffsetAt(event->position().toPoint().x());
    update();
}

void EditControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    m_text.caret = OffsetAt(event->position().toPoint().x());
    update();
}

void EditControl::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        m_text.SelectAll();
        update();
    } else if (event->matches(QKeySequence::Copy) && m_text.HasSelection()) {
        const std::string& t = m_text.text;
        QGuiApplication::clipboard()->setText(QString::fromStdString(
            t.substr(m_text.SelStart(), m_text.SelEnd() - m_text.SelStart())));
    } else {
        // Return, Escape and Tab are the window's.
        QWidget::keyPressEvent(event);
    }
}
