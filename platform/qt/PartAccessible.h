// What assistive technology reads of a client part through Qt: its role
// (button, toggle button, slider, static text, table), its name, its value
// as a sentence says it, its state, a slider's range and a table's cells.
#pragma once

#include <QAccessibleWidget>
#include <map>
#include <utility>

#include "platform/ClientPart.h"

class PartWidget;
class QObject;
class QString;

class PartAccessible : public QAccessibleWidget,
                       public QAccessibleValueInterface,
                       public QAccessibleTableInterface {
  public:
    explicit PartAccessible(PartWidget* widget);
    ~PartAccessible() override;

    static QAccessibleInterface* Factory(const QString& className, QObject* object);
    // Raises the events that tell assistive technology what changed from `was`.
    static void Changed(PartWidget& widget, const ClientPart& was);

    // QAccessibleInterface
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // QAccessibleValueInterface: a slider's position
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // QAccessibleTableInterface: the rows below the headings
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The part's text of a cell (row 0 is the headings).
    QString Cell(int row, int column) const;
    QRect CellRect(int row, int column) const;

  private:
    const ClientPart& Part() const;
    bool IsTable() const;
    // The cells made so far, by row and column; they go when the rows change.
    void ForgetCells();

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};
