#pragma once
// The inside of a Table, shared by its source files.
#include <map>
#include <memory>
#include <optional>

#include "data/dbase/DbfFormat.h"
#include "data/dbase/Filter.h"
#include "data/dbase/KeyExpression.h"
#include "data/dbase/Table.h"

namespace dbase {

struct Table::Impl {
    explicit Impl(Table& owner) : self(owner) {}

    Table& self;
    std::string path;
    bool active = false;
    Table::WriteRedirect writeRedirect;

    // Content of the open file, kept as read: a field is decoded when it is
    // read, so opening a table costs no more than checking its layout.
    DbfImage image;
    std::vector<TagInfo> tags;

    // Order: a tag or a field list; keys are computed from the data, per record.
    std::string indexName;
    std::string indexFieldNames;
    std::optional<KeyExpression> order;
    bool descending = false;
    bool unique = false;  // a unique tag shows the first record of each key only
    mutable std::vector<Key> keys;  // made on first use (ensureKeys)
    // The rows that are not deleted, in the order (unique keys thinned out);
    // made by rebuild() when the order or the content changed.
    std::vector<int> ordered;
    bool orderedValid = false;

    // Filter.
    std::string filterText;
    bool filtered = false;
    std::optional<FilterCondition> filter;

    // Master link. `masterAlive` expires with the master, so a detail never
    // touches a destroyed master.
    Table* master = nullptr;
    std::weak_ptr<int> masterAlive;
    std::string masterField;
    int masterListener = 0;
    std::shared_ptr<int> alive = std::make_shared<int>(0);

    // A rebuild() not yet done, and the record it keeps current (-1 for none).
    mutable bool rowsStale = false;
    int staleKeep = -1;

    // Cursor over the visible rows (record numbers from 0, in order).
    std::vector<int> visible;
    int pos = -1;
    bool eof = true;
    bool bof = true;

    std::map<int, Listener> listeners;
    int nextListener = 1;

    // --- helpers (TableRows.cpp) ---
    // Takes over a parsed file.
    void load(DbfImage parsed);
    // A field of a record (both from 0), as readFieldText gives it.
    std::string text(int record, int field) const;
    // The current record, checked for reading `field`; throws DbfError.
    int currentCell(int field) const;
    // Forgets the file's content and the cursor (the table is then closed).
    void unload();
    // The checks every field read makes are inline; their failures are not.
    void requireOpen() const {
        if (!active) [[unlikely]] failNotOpen();
    }
    [[noreturn]] void failNotOpen() const;
    int requireField(std::string_view name) const;  // throws for an unknown name
    void notify(Change change);
    // Compiles the selected order for the open table; throws DbfError.
    void compileOrder();
    // Switches to a tag or a field order; a refused switch keeps the old order.
    void selectOrder(const std::string& tag, const std::string& field);
    // Recomputes the visible rows; the current record stays current when it
    // is still visible and `keepRecord` is set, else the first row becomes current.
    // The work is done by ensureRows() when the rows are next looked at; every
    // reader of visible, pos, eof and bof calls it first.
    void rebuild(bool keepRecord);
    void ensureRows() const {
        if (rowsStale) [[unlikely]] buildStaleRows();
    }
    void buildStaleRows() const;
    void buildRows(int keepRecord);  // a record number, -1 for none
    // The order's key of every record, when an order is set.
    void ensureKeys() const;
    int findRow(const Key& key) const;  // first visible row with that key, -1 if none
    Key keyFromText(const std::string& text) const;
    bool masterKey(Key& key) const;
    int currentRecord() const {  // -1 if none
        ensureRows();
        if (pos < 0 || pos >= int(visible.size())) return -1;
        return visible[std::size_t(pos)];
    }
    [[noreturn]] void fail(const std::string& fault) const;
};

}  // namespace dbase
