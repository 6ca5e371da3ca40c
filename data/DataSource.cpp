#include "data/DataSource.h"

#include "core/HandlerGuard.h"

TDataSource::TDataSource(dbase::Table* table, QObject* parent) : QObject(parent), table_(table) {
    listenerId_ = table_->addListener([this](dbase::Change change) {
        switch (change) {
            case dbase::Change::Opened:
            case dbase::Change::Rows: emit rowsChanged(); break;
            case dbase::Change::Current: emit currentChanged(); break;
            case dbase::Change::Data: emit dataChanged(); break;
        }
    });
}

TDataSource::~TDataSource() { table_->removeListener(listenerId_); }

void TDataSource::navigate(void (dbase::Table::*move)()) {
    kv::guarded([&] { (table_->*move)(); });
}

void TDataSource::first() { navigate(&dbase::Table::first); }
void TDataSource::prior() { navigate(&dbase::Table::prior); }
void TDataSource::next() { navigate(&dbase::Table::next); }
void TDataSource::last() { navigate(&dbase::Table::last); }

void TDataSource::refresh() {
    // The rows are computed from the table in memory; a refresh redraws them.
    emit rowsChanged();
}
