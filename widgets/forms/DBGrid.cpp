#include "widgets/forms/DBGrid.h"

#include <QItemSelectionModel>

void TDBGrid::bind(QAbstractItemModel* model, std::function<int()> tableRow, std::function<void(int)> moveTable) {
    for (const QMetaObject::Connection& c : connections_) disconnect(c);
    connections_.clear();
    tableRow_ = std::move(tableRow);
    moveTable_ = std::move(moveTable);
    // The view makes a selection model for each model and leaves the old one to its caller.
    QItemSelectionModel* old = selectionModel();
    setModel(model);
    if (old != selectionModel()) delete old;
    if (!model) return;
    connections_ << connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                            [this](const QModelIndex& current) {
                                if (current.isValid()) moveTable_(current.row());
                            });
    // A new order or filter keeps the cursor on its record, which stands at another row now.
    connections_ << connect(model, &QAbstractItemModel::modelReset, this, [this] { followRow(tableRow_()); });
}

void TDBGrid::followRow(int row) {
    if (!model() || row < 0 || row >= model()->rowCount()) return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row) return;
    const QModelIndex to = model()->index(row, current.isValid() ? current.column() : 0);
    setCurrentIndex(to);
    scrollTo(to);
}
