#include "platform/qt/PartAccessible.h"

#include "platform/qt/PartCell.h"
#include "platform/qt/PartWidget.h"

PartAccessible::PartAccessible(PartWidget* widget) : QAccessibleWidget(widget) {}

PartAccessible::~PartAccessible()
{
    ForgetCells();
}

QAccessibleInterface* PartAccessible::Factory(const QString&, QObject* object)
{
    auto* part = dynamic_cast<PartWidget*>(object);
    return part ? new PartAccessible(part) : nullptr;
}

const ClientPart& PartAccessible::Part() const
{
    return static_cast<const PartWidget*>(widget())->Part();
}

bool PartAccessible::IsTable() const
{
    return Part().role == PartRole::Table;
}

QAccessible::Role PartAccessible::role() const
{
    switch (Part().role) {
    case PartRole::PushButton:
        return QAccessible::Button;
    case PartRole::Toggle:
        return QAccessible::Button; // checkable: a toggle button to AT-SPI
    case PartRole::Slider:
        return QAccessible::Slider;
    case PartRole::Table:
        return QAccessible::Table;
    case PartRole::Text:
        break;
    }
    return QAccessible::StaticText;
}

QAccessible::State PartAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const ClientPart& p = Part();
    s.focusable = p.focusable;
    s.readOnly = p.role == PartRole::Text || p.role == PartRole::Table;
    if (p.role == PartRole::Toggle) {
        s.checkable = true;
        s.checked = p.pressed;
    }
    if (p.role == PartRole::PushButton)
        s.pressed = p.pressed;
    return s;
}

QString PartAccessible::text(QAccessible::Text t) const
{
    const ClientPart& p = Part();
    switch (t) {
    case QAccessible::Name:
        return QString::fromStdString(p.name);
    case QAccessible::Value:
        return QString::fromStdString(p.value);
    case QAccessible::Description:
        // A toggle's state and a reading are spoken after the name.
        return QString::fromStdString(p.description.empty() ? p.value : p.description);
    default:
        return QAccessibleWidget::text(t);
    }
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface && Part().role == PartRole::Slider)
        return static_cast<QAccessibleValueInterface*>(this);
    if (t == QAccessible::TableInterface && IsTable())
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int PartAccessible::childCount() const
{
    return IsTable() ? rowCount() * columnCount() : 0;
}

QAccessibleInterface* PartAccessible::child(int index) const
{
    const int columns = columnCount();
    if (!IsTable() || columns == 0 || index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int PartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const PartCell*>(child);
    if (!cell)
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QStringList PartAccessible::actionNames() const
{
    const PartRole r = Part().role;
    if (r == PartRole::PushButton || r == PartRole::Toggle)
        return {QAccessibleActionInterface::pressAction()};
    return {};
}

void PartAccessible::doAction(const QString& actionName)
{
    // A press through assistive technology is the key a sighted student
    // would use: Space on the focused part.
    if (actionName != QAccessibleActionInterface::pressAction())
        return;
    auto* part = static_cast<PartWidget*>(widget());
    if (Part().role == PartRole::Toggle) {
        part->setFocus(Qt::OtherFocusReason);
        part->PressSpace();
    } else if (Part().role == PartRole::PushButton) {
        part->Activate();
    }
}

QVariant PartAccessible::currentValue() const
{
    return Part().now;
}

void PartAccessible::setCurrentValue(const QVariant&)
{
    // The branch moves only as a drag moves it: by its keys.
}

QVariant PartAccessible::maximumValue() const
{
    return Part().maximum;
}

QVariant PartAccessible::minimumValue() const
{
    return Part().minimum;
}

QVariant PartAccessible::minimumStepSize() const
{
    return 1.0;
}

int PartAccessible::rowCount() const
{
    const auto& rows = Part().rows;
    return rows.empty() ? 0 : static_cast<int>(rows.size()) - 1;
}

int PartAccessible::columnCount() const
{
    const auto& rows = Part().rows;
    return rows.empty() ? 0 : static_cast<int>(rows.front().size());
}

QString PartAccessible::Cell(int row, int column) const
{
    const auto& rows = Part().rows;
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 ||
        column >= static_cast<int>(rows[static_cast<std::size_t>(row)].size()))
        return {};
    return QString::fromStdString(
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

QRect PartAccessible::CellRect(int row, int column) const
{
    // The page's lines: even columns across, one line a row.
    const QRect whole = rect();
    const int columns = std::max(columnCount(), 1);
    const int rows = std::max(rowCount() + 1, 1);
    const int w = whole.width() / columns, h = whole.height() / rows;
    return QRect(whole.x() + column * w, whole.y() + (row + 1) * h, w, h);
}

QString PartAccessible::columnDescription(int column) const
{
    return Cell(0, column);
}

QString PartAccessible::rowDescription(int row) const
{
    return Cell(row + 1, 0);
}

QAccessibleInterface* PartAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    auto it = m_cells.find({row, column});
    if (it != m_cells.end())
        return QAccessible::accessibleInterface(it->second);
    auto* cell = new PartCell(const_cast<PartAccessible*>(this), row, column);
    m_cells[{row, column}] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

void PartAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    ForgetCells();
}

void PartAccessible::ForgetCells()
{
    for (const auto& [at, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

void PartAccessible::Changed(PartWidget& widget, const ClientPart& was)
{
    if (!QAccessible::isActive())
        return;
    const ClientPart& now = widget.Part();
    if (now.name != was.name) {
        QAccessibleEvent e(&widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    if (now.value != was.value || now.now != was.now) {
        if (now.role == PartRole::Slider) {
            QAccessibleValueChangeEvent e(&widget, now.now);
            QAccessible::updateAccessibility(&e);
        }
        QAccessibleEvent described(&widget, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    if (now.pressed != was.pressed) {
        QAccessible::State changed;
        changed.checked = true;
        changed.pressed = true;
        QAccessibleStateChangeEvent e(&widget, changed);
        QAccessible::updateAccessibility(&e);
    }
    if (now.rows != was.rows) {
        // A noted row: the table says it grew, and what it holds now.
        QAccessibleTableModelChangeEvent e(&widget, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&e);
    }
}

// --- Cells ---------------------------------------------------------------------

QWindow* PartCell::window() const
{
    return m_table->window();
}

QAccessibleInterface* PartCell::parent() const
{
    return m_table;
}

QAccessibleInterface* PartCell::table() const
{
    return m_table;
}

QString PartCell::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name || t == QAccessible::Value)
        return m_table->Cell(m_row + 1, m_column);
    if (t == QAccessible::Description)
        return m_table->Cell(0, m_column); // the column's heading
    return {};
}

QRect PartCell::rect() const
{
    return m_table->CellRect(m_row, m_column);
}

QAccessible::State PartCell::state() const
{
    QAccessible::State s;
    s.readOnly = true;
    return s;
}

void* PartCell::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}
