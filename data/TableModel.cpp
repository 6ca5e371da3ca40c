#include "data/TableModel.h"

#include "core/HandlerGuard.h"

TableModel::TableModel(TDataSource* source, QStringList fields, QObject* parent)
    : QAbstractTableModel(parent), source_(source), fieldNames_(std::move(fields)) {
    resolveColumns();
    connect(source_, &TDataSource::rowsChanged, this, [this] {
        beginResetModel();
        resolveColumns();
        endResetModel();
    });
    connect(source_, &TDataSource::currentChanged, this, [this] { emit currentRowChanged(currentRow()); });
    connect(source_, &TDataSource::dataChanged, this, [this] {
        int row = currentRow();
        if (row >= 0) emit QAbstractTableModel::dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void TableModel::resolveColumns() {
    // Fields are looked up again whenever the table reopens: a closed table has none.
    columns_.clear();
    const dbase::Table& t = *source_->dataSet();
    if (!t.active()) return;
    if (fieldNames_.isEmpty()) {
        for (size_t i = 0; i < t.fields().size(); ++i) columns_.push_back(static_cast<int>(i));
    } else {
        for (const QString& name : fieldNames_) columns_.push_back(t.fieldIndex(name.toStdString()));
    }
    while (titles_.size() < static_cast<qsizetype>(columns_.size())) titles_.append(QString());
}

void TableModel::setColumnTitle(int column, const QString& title) {
    while (titles_.size() <= column) titles_.append(QString());
    titles_[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int TableModel::rowCount(const QModelIndex& parent) const {
    const dbase::Table& t = *source_->dataSet();
    return parent.isValid() || !t.active() ? 0 : t.recordCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    int field = columns_.at(static_cast<size_t>(index.column()));
    if (field < 0) return {};
    try {
        return QString::fromStdString(source_->dataSet()->valueAt(index.row(), field));
    } catch (const std::exception&) {
        return {};  // a view asking for a row that just went away
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < titles_.size() && !titles_[section].isEmpty()) return titles_[section];
    if (section < fieldNames_.size()) return fieldNames_[section];
    int field = section < static_cast<int>(columns_.size()) ? columns_[static_cast<size_t>(section)] : -1;
    if (field < 0) return {};
    return QString::fromStdString(source_->dataSet()->fields().at(static_cast<size_t>(field)).name);
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!readOnly_ && index.isValid() && columns_.at(static_cast<size_t>(index.column())) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (readOnly_ || role != Qt::EditRole || !index.isValid()) return false;
    int field = columns_.at(static_cast<size_t>(index.column()));
    if (field < 0) return false;
    return kv::guarded([&] {
        dbase::Table& t = *source_->dataSet();
        t.moveTo(index.row());
        t.setValue(field, value.toString().toStdString());
    });
}

int TableModel::currentRow() const {
    const dbase::Table& t = *source_->dataSet();
    return t.active() ? t.recNo() : -1;
}

void TableModel::setCurrentRow(int row) {
    kv::guarded([&] {
        dbase::Table& t = *source_->dataSet();
        if (t.active() && row >= 0 && row < t.recordCount() && row != t.recNo()) t.moveTo(row);
    });
}
