#pragma once

#include <QAccessibleWidget>

namespace Ui {

// A grid of days read as a table: its cells by row and column, a weekday name
// over each column where the grid has one. Only reading: a screen reader
// cannot select rows or columns of it.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableAccessible(QWidget *w);

    // What the grid holds: the cell at a row and column, nullptr where none is.
    virtual int nbLignes() const = 0;
    virtual int nbColonnes() const = 0;
    virtual QAccessibleInterface *cellule(int ligne, int colonne) const = 0;
    virtual QString entete(int colonne) const;

    void *interface_cast(QAccessible::InterfaceType t) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int ligne, int colonne) const override;
    int rowCount() const override { return nbLignes(); }
    int columnCount() const override { return nbColonnes(); }
    QString columnDescription(int colonne) const override { return entete(colonne); }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}
};

} // namespace Ui
