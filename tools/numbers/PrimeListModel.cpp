#include "tools/numbers/PrimeListModel.h"

void PrimeListModel::setRows(numbers::PrimeRows rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void PrimeListModel::growTo(numbers::PrimeRows rows) {
    const int before = rowCount(), after = static_cast<int>(rows.size());
    if (after < before) return setRows(std::move(rows));
    if (after > before) beginInsertRows({}, before, after - 1);
    rows_ = std::move(rows);
    if (after > before) endInsertRows();
}

int PrimeListModel::rowCount(const QModelIndex& parent) const {
    // 105,097,565 primes lie below 2^31, so every count fits an int.
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant PrimeListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return QString::number(rows_.at(index.row()));
}

QString PrimeListModel::lines(int first, int last) const {
    QString text;
    text.reserve((last - first + 1) * 11);
    for (int row = first; row <= last; ++row) {
        if (row > first) text += QLatin1Char('\n');
        text += QString::number(rows_.at(row));
    }
    return text;
}
