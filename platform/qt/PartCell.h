// One cell of a client part's table, as assistive technology reads it: its
// text, where it stands and which heading is over its column.
#pragma once

#include <QAccessibleInterface>

class PartAccessible;

class PartCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    PartCell(PartAccessible* table, int row, int column)
        : m_table(table), m_row(row), m_column(column)
    {
    }

    // QAccessibleInterface
    bool isValid() const override { return m_table != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    PartAccessible* m_table;
    int m_row;
    int m_column;
};
