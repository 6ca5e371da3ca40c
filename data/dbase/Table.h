#pragma once
// A dBASE III/IV table with a cursor: the program's own table engine.
//
// A Table is opened from a file path, reads the whole file into memory (the
// program's tables are small) and offers what the windows need of it: an order
// (an index tag of the production ".MDX" file or a field name), a filter of the
// form FIELD=n, a walk over the visible rows, field reads, key search, a
// master-detail link and a crash-safe write of one field. Text is decoded from
// the table's code page to UTF-8 on read and encoded back on write.
//
// Every failure throws dbase::DbfError (a kv::Error) whose message names the
// file and the fault.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"

namespace dbase {

class DbfError : public kv::Error {
public:
    using kv::Error::Error;
};

struct FieldDef {
    std::string name;   // upper case, as stored
    char type = 'C';    // C, N, F, L, D; others are kept as raw text
    int length = 0;
    int decimals = 0;
};

struct TagInfo {
    std::string name;        // as stored in the .MDX tag directory, upper case
    std::string expression;  // key expression, e.g. "NAME" or "str(CLASS)+NUMBER"
    bool descending = false;
    bool unique = false;
};

// What changed on a table, for views bound to it.
enum class Change {
    Opened,    // opened or closed
    Rows,      // the visible rows changed: order, filter, master row
    Current,   // the current row moved
    Data,      // a field of the current row was written
};

class Table {
public:
    Table();
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // --- file -------------------------------------------------------------
    void setFileName(std::string path);
    const std::string& fileName() const;
    // Opens the file and its production index (same stem, ".MDX", any letter
    // case) when the header flags one. Throws DbfError; the table stays closed.
    void open();
    // Opens the file alone, for a reader that walks its rows once in their
    // stored order: the production index is neither read nor checked, so no
    // order by tag can be chosen.
    void openWithoutIndex();
    void close();
    bool active() const;

    // --- structure ---------------------------------------------------------
    const std::vector<FieldDef>& fields() const;
    int fieldIndex(std::string_view name) const;  // letter case ignored; -1 if none
    const std::vector<TagInfo>& tags() const;     // empty without a production index
    int codePage() const;                          // e.g. 1252, 866
    int physicalRecordCount() const;               // all rows, deleted ones included

    // --- order -------------------------------------------------------------
    // By index tag ("NUMBER", "NAME", "IND"); "" selects the physical order.
    // Throws DbfError for a tag the index does not hold.
    void setIndexName(const std::string& tag);
    const std::string& indexName() const;
    // By field name ("CLASS", "NAME", "NUM"); "" selects the physical order.
    void setIndexFieldNames(const std::string& field);
    const std::string& indexFieldNames() const;

    // --- filter ------------------------------------------------------------
    // Texts of the form FIELD=n or FIELD='n' (n a decimal integer, blanks
    // allowed around the parts); the empty text selects all rows. Any other
    // text throws DbfError naming it. The text survives switching the filter
    // off and on.
    void setFilter(const std::string& text);
    const std::string& filter() const;
    void setFiltered(bool on);
    bool filtered() const;

    // --- walk --------------------------------------------------------------
    void first();
    void next();
    void prior();
    void last();
    bool eof() const;   // past the last visible row (or no rows)
    bool bof() const;
    int recordCount() const;          // visible rows: after filter and master link
    int recNo() const;                // position among the visible rows, from 0; -1 if none
    void moveTo(int position);        // 0 .. recordCount()-1
    int physicalRecNo() const;        // record number in the file, from 1; 0 if none

    // --- fields of the current row -----------------------------------------
    // Throws DbfError when the table is closed, there is no current row or the
    // field does not exist.
    // As stored, decoded to UTF-8: text without trailing blanks, numbers
    // without their padding, logicals as T/F/?, dates as YYYYMMDD.
    std::string asString(int field) const;
    std::string asString(std::string_view field) const;
    long long asInteger(int field) const;   // a blank number reads as 0
    long long asInteger(std::string_view field) const;
    double asFloat(int field) const;
    double asFloat(std::string_view field) const;
    bool asBoolean(int field) const;        // T, t, Y, y
    // The field's bytes as stored (code page, padding and all), for a reader
    // of many rows that decodes the plain cases itself and leaves the rest to
    // the reads above.
    std::string_view storedBytes(int field) const;
    bool asBoolean(std::string_view field) const;
    // Row of the visible rows at `position`, without moving the cursor (for views).
    std::string valueAt(int position, int field) const;

    // --- key search ----------------------------------------------------------
    // Exact match on the key of the current order, within the filter and the
    // master link. Found: the row becomes current and true is returned. Not
    // found: the current row stays, false. Text keys compare ignoring trailing
    // blanks and letter case; numeric keys compare as numbers.
    bool findKey(const std::string& key);
    bool findKey(double key);

    // --- master-detail -------------------------------------------------------
    // This table shows only the rows whose key on the current order equals the
    // master's `masterField` in the master's current row, and follows the
    // master as it moves. nullptr unlinks. Without an order the detail's field
    // of the same name is compared. A link that would make a cycle throws.
    void setMasterSource(Table* master, const std::string& masterField);

    // --- writing -------------------------------------------------------------
    // Writes one field of the current row to the file. The new text is
    // validated against the field's type and size (DbfError otherwise). The
    // file is never left torn: the change goes to a copy that replaces the
    // original atomically.
    void setValue(int field, const std::string& text);
    // Called with the table's path before a write touches the file; it may
    // copy the file elsewhere and return the copy's path, which the write
    // and every later one then go to ("" keeps the path). A throw stops the
    // write with nothing changed.
    using WriteRedirect = std::function<std::string(const std::string& path)>;
    void setWriteRedirect(WriteRedirect redirect);

    // --- observers -------------------------------------------------------------
    using Listener = std::function<void(Change)>;
    int addListener(Listener listener);
    void removeListener(int id);

    // --- test seam -------------------------------------------------------------
    // Replaces the production index reader (nullptr restores the real one), so
    // tests can give a table tags without writing an index file.
    using TagReader = std::function<std::vector<TagInfo>(const std::string& indexPath)>;
    static void setTagReaderForTesting(TagReader reader);
    // Replaces the reading and the writing of whole table files (nullptr
    // restores the real ones), so that a fuzzer keeps its tables in memory
    // rather than on a disc that each write waits for.
    using FileReader = std::function<std::string(const std::string& path)>;
    using FileWriter = std::function<void(const std::string& path, const std::string& bytes)>;
    static void setFileAccessForTesting(FileReader reader, FileWriter writer);

private:
    void openFile(bool withIndex);

    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace dbase
