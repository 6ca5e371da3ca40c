#pragma once
// An item model over a table's visible rows (its current order, filter and
// master link), for the bound grids.
//
// Columns are the named fields, or all fields. The model follows the table:
// a new order or filter resets it, a written field updates its cell. With
// editing allowed, a cell edit is written to the file through the table.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "data/DataSource.h"

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `fields` empty: every field of the table, in file order.
    TableModel(TDataSource* source, QStringList fields = {}, QObject* parent = nullptr);

    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool readOnly() const { return readOnly_; }
    // Column titles; a field's name unless set here.
    void setColumnTitle(int column, const QString& title);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The table's current row (-1 when none); grids follow it.
    int currentRow() const;
    // Makes `row` the table's current row (a grid's selection moved).
    void setCurrentRow(int row);

signals:
    void currentRowChanged(int row);

private:
    void resolveColumns();

    TDataSource* source_;
    QStringList fieldNames_;
    std::vector<int> columns_;  // field index of each column
    QStringList titles_;
    bool readOnly_ = true;
};
