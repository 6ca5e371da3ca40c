#pragma once
// A table's data source: where grids, navigators and detail links attach.
//
// It turns the table's change notifications into Qt signals and offers the
// navigator's moves.
#include <QObject>

#include "data/dbase/Table.h"

class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(dbase::Table* table, QObject* parent = nullptr);
    ~TDataSource() override;

    dbase::Table* dataSet() const { return table_; }

    // The navigator's moves; each reports a table error through the handler guard.
    void first();
    void prior();
    void next();
    void last();
    void refresh();

signals:
    void rowsChanged();     // opened, closed, new order, filter or master row
    void currentChanged();  // the current row moved
    void dataChanged();     // a field of the current row was written

private:
    void navigate(void (dbase::Table::*move)());

    dbase::Table* table_;
    int listenerId_;
};
