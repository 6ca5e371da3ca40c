#pragma once
// The prime list as an item model: one row per prime, from the largest down,
// each made when it is asked for.
#include <QAbstractListModel>

#include "tools/numbers/PrimeRows.h"

class PrimeListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `rows` instead of the list shown so far.
    void setRows(numbers::PrimeRows rows);
    // Shows `rows`, which hold the rows shown so far and perhaps more: the
    // rows are added at the end, so a view keeps its place and selection.
    void growTo(numbers::PrimeRows rows);
    const numbers::PrimeRows& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The lines of rows first..last, one per line.
    QString lines(int first, int last) const;

private:
    numbers::PrimeRows rows_;
};
