#pragma once
// A grid bound to a table: it shows the table's rows through a model and
// keeps its current row and the table's current record together, whichever
// of them moves. A click or an arrow key makes the row's record current; a
// move of the table's cursor (a search, a navigator, a new order) moves the
// grid's current row, in the column it was in, and scrolls it into view.
//
// The model is any item model that knows the table's current row: it has
// `int currentRow() const` (-1 for none), `void setCurrentRow(int)` and the
// signal `currentRowChanged(int)`, as TableModel has.
#include <QAbstractItemModel>
#include <QList>
#include <QTableView>
#include <cstddef>
#include <functional>

class TDBGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // Shows `model` (null: nothing) and follows its current row. The grid
    // does not own the model.
    template <class Model>
    void setSource(Model* model) {
        if (!model) return setSource(nullptr);
        bind(model, [model] { return model->currentRow(); }, [model](int row) { model->setCurrentRow(row); });
        connections_ << connect(model, &Model::currentRowChanged, this, &TDBGrid::followRow);
        followRow(tableRow_());
    }

    void setSource(std::nullptr_t) { bind(nullptr, {}, {}); }

    // Makes `row` the grid's current row (a row it does not have: no change).
    void followRow(int row);

private:
    void bind(QAbstractItemModel* model, std::function<int()> tableRow, std::function<void(int)> moveTable);

    std::function<int()> tableRow_;
    std::function<void(int)> moveTable_;
    QList<QMetaObject::Connection> connections_;
};
