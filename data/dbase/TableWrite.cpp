// Writing one field of the current row back to the table file.
#include "data/dbase/FieldValue.h"
#include "data/dbase/FileIO.h"
#include "data/dbase/TableImpl.h"

namespace dbase {

namespace {

bool sameLayout(const DbfImage& a, const DbfImage& b) {
    if (a.header.headerLength != b.header.headerLength || a.header.recordLength != b.header.recordLength ||
        a.codePage != b.codePage || a.fields.size() != b.fields.size())
        return false;
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        const FieldDef& x = a.fields[i];
        const FieldDef& y = b.fields[i];
        if (x.name != y.name || x.type != y.type || x.length != y.length || x.decimals != y.decimals) return false;
    }
    return true;
}

}  // namespace

void Table::setValue(int field, const std::string& text) {
    d->requireOpen();
    const int record = d->currentRecord();
    if (record < 0) d->fail("no current record to write");
    if (field < 0 || field >= int(d->image.fields.size())) d->fail("no field number " + std::to_string(field));
    const FieldDef& def = d->image.fields[std::size_t(field)];
    std::string stored;
    try {
        stored = encodeFieldValue(def, text, d->image.codePage);
    } catch (const DbfError& e) {
        d->fail("record " + std::to_string(record + 1) + ", field " + def.name + ": " + e.what());
    }

    if (d->writeRedirect) {
        std::string moved = d->writeRedirect(d->path);
        if (!moved.empty()) d->path = std::move(moved);
    }

    // Patch the file as it is on disk now, so that changes made by another
    // program to other records survive; refuse if its layout has changed.
    DbfImage disk = readDbf(d->path);
    if (!sameLayout(disk, d->image) || record >= disk.recordCount())
        d->fail("the file was changed by another program; reopen the table before writing");
    std::string bytes = std::move(disk.bytes);
    bytes.replace(disk.recordOffset(record) + std::size_t(d->image.fieldOffsets[std::size_t(field)]),
                  stored.size(), stored);
    stampToday(bytes);
    writeFileAtomically(d->path, bytes);

    // Reload what was written, keeping order, filter and the current record.
    d->load(parseDbf(std::move(bytes), d->path));
    d->compileOrder();
    const std::vector<int> before = d->visible;
    d->rebuild(true);
    d->ensureRows();
    d->notify(Change::Data);
    if (d->visible != before) d->notify(Change::Rows);
}

void Table::setWriteRedirect(WriteRedirect redirect) { d->writeRedirect = std::move(redirect); }

}  // namespace dbase
