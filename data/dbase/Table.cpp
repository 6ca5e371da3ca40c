#include "data/dbase/Table.h"

#include <dirent.h>

#include <cmath>
#include <cstdio>

#include "data/dbase/FieldValue.h"
#include "data/dbase/Mdx.h"
#include "data/dbase/TableImpl.h"

namespace dbase {

namespace {

Table::TagReader& tagReaderOverride() {
    static Table::TagReader reader;
    return reader;
}

// The production index: the table's stem with ".MDX", in any letter case.
// Returns the path found, or the expected name (upper-case extension) and false.
std::pair<std::string, bool> findProductionIndex(const std::string& tablePath) {
    const auto slash = tablePath.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : tablePath.substr(0, slash == 0 ? 1 : slash);
    const std::string prefix = slash == std::string::npos ? "" : tablePath.substr(0, slash + 1);
    std::string stem = slash == std::string::npos ? tablePath : tablePath.substr(slash + 1);
    const auto dot = stem.rfind('.');
    if (dot != std::string::npos) stem.resize(dot);
    const std::string wanted = stem + ".MDX";
    if (DIR* dir = ::opendir(directory.c_str())) {
        std::string found;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (!sameNoCase(name, wanted)) continue;
            // Prefer the exact spelling when several files differ only in case.
            if (found.empty() || name == wanted) found = name;
        }
        ::closedir(dir);
        if (!found.empty()) return {prefix + found, true};
    }
    return {prefix + wanted, false};
}

}  // namespace

Table::Table() : d(std::make_unique<Impl>(*this)) {}

Table::~Table() {
    if (d->master && !d->masterAlive.expired()) d->master->removeListener(d->masterListener);
}

void Table::setTagReaderForTesting(TagReader reader) { tagReaderOverride() = std::move(reader); }

void Table::setFileName(std::string path) {
    if (d->active) close();
    d->path = std::move(path);
}

const std::string& Table::fileName() const { return d->path; }

void Table::open() { openFile(true); }

void Table::openWithoutIndex() { openFile(false); }

void Table::openFile(bool withIndex) {
    if (d->active) close();
    if (d->path.empty()) throw DbfError("no table file name set");
    try {
        DbfImage parsed = readDbf(d->path);
        d->tags.clear();
        if (withIndex && parsed.header.productionIndex) {
            const auto [indexPath, exists] = findProductionIndex(d->path);
            if (!exists) d->fail("production index " + indexPath + " not found");
            const TagReader& reader = tagReaderOverride();
            d->tags = reader ? reader(indexPath) : readMdxTags(indexPath);
        }
        d->load(std::move(parsed));
        d->compileOrder();
        d->filter = parseFilter(d->filterText, d->image.fields);
    } catch (...) {
        d->unload();
        throw;
    }
    d->active = true;
    d->rebuild(false);
    d->notify(Change::Opened);
}

void Table::close() {
    if (!d->active) return;
    d->unload();
    d->notify(Change::Opened);
}

bool Table::active() const { return d->active; }

const std::vector<FieldDef>& Table::fields() const { return d->image.fields; }

int Table::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < d->image.fields.size(); ++i)
        if (sameNoCase(d->image.fields[i].name, name)) return int(i);
    return -1;
}

const std::vector<TagInfo>& Table::tags() const { return d->tags; }
int Table::codePage() const { return d->image.codePage; }
int Table::physicalRecordCount() const { return d->image.recordCount(); }

// --- order -------------------------------------------------------------------

void Table::setIndexName(const std::string& tag) { d->selectOrder(tag, ""); }

const std::string& Table::indexName() const { return d->indexName; }

void Table::setIndexFieldNames(const std::string& field) { d->selectOrder("", field); }

const std::string& Table::indexFieldNames() const { return d->indexFieldNames; }

// --- filter ------------------------------------------------------------------

void Table::setFilter(const std::string& text) {
    if (d->active) d->filter = parseFilter(text, d->image.fields);  // throws before anything changes
    d->filterText = text;
    if (!d->active) return;
    d->rebuild(false);
    d->notify(Change::Rows);
}

const std::string& Table::filter() const { return d->filterText; }

void Table::setFiltered(bool on) {
    if (d->filtered == on) return;
    d->filtered = on;
    if (!d->active) return;
    d->rebuild(false);
    d->notify(Change::Rows);
}

bool Table::filtered() const { return d->filtered; }

// --- walk --------------------------------------------------------------------

void Table::first() {
    d->ensureRows();
    const int old = d->pos;
    d->pos = d->visible.empty() ? -1 : 0;
    d->bof = true;
    d->eof = d->visible.empty();
    if (d->pos != old) d->notify(Change::Current);
}

void Table::last() {
    d->ensureRows();
    const int old = d->pos;
    d->pos = int(d->visible.size()) - 1;
    d->eof = true;
    d->bof = d->visible.empty();
    if (d->pos != old) d->notify(Change::Current);
}

void Table::next() {
    d->ensureRows();
    if (d->pos + 1 < int(d->visible.size())) {
        ++d->pos;
        d->bof = d->eof = false;
        d->notify(Change::Current);
    } else {
        d->eof = true;
    }
}

void Table::prior() {
    d->ensureRows();
    if (d->pos > 0) {
        --d->pos;
        d->bof = d->eof = false;
        d->notify(Change::Current);
    } else {
        d->bof = true;
    }
}

bool Table::eof() const {
    d->ensureRows();
    return d->eof;
}

bool Table::bof() const {
    d->ensureRows();
    return d->bof;
}

int Table::recordCount() const {
    d->ensureRows();
    return int(d->visible.size());
}

int Table::recNo() const {
    d->ensureRows();
    return d->pos;
}

void Table::moveTo(int position) {
    d->ensureRows();
    if (position < 0 || position >= int(d->visible.size()))
        d->fail("row " + std::to_string(position) + " does not exist (" + std::to_string(d->visible.size()) + " rows)");
    const int old = d->pos;
    d->pos = position;
    d->bof = d->eof = false;
    if (old != position) d->notify(Change::Current);
}

int Table::physicalRecNo() const { return d->currentRecord() + 1; }

// --- fields ------------------------------------------------------------------

std::string Table::asString(int field) const { return d->text(d->currentCell(field), field); }

std::string Table::asString(std::string_view field) const {
    const int index = d->requireField(field);
    return asString(index);
}

// Numbers are read from the stored bytes: a number is ASCII, which every code
// page leaves as it is, so only a refused value needs decoding (for the message).
long long Table::asInteger(int field) const {
    const std::string_view raw = d->image.fieldBytes(d->currentCell(field), field);
    double value = 0;
    if (parseNumber(raw, value) && std::fabs(value) < 9.2e18) return std::llround(value);
    if (isBlank(raw)) return 0;
    d->fail("'" + asString(field) + "' is not a valid integer value (field " + d->image.fields[std::size_t(field)].name + ")");
}

long long Table::asInteger(std::string_view field) const {
    const int index = d->requireField(field);
    return asInteger(index);
}

double Table::asFloat(int field) const {
    const std::string_view raw = d->image.fieldBytes(d->currentCell(field), field);
    double value = 0;
    if (parseNumber(raw, value)) return value;
    if (isBlank(raw)) return 0;
    d->fail("'" + asString(field) + "' is not a valid floating point value (field " + d->image.fields[std::size_t(field)].name + ")");
}

double Table::asFloat(std::string_view field) const {
    const int index = d->requireField(field);
    return asFloat(index);
}

std::string_view Table::storedBytes(int field) const {
    return d->image.fieldBytes(d->currentCell(field), field);
}

bool Table::asBoolean(int field) const {
    const std::string text = asString(field);
    const char c = text.empty() ? ' ' : text.front();
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

bool Table::asBoolean(std::string_view field) const {
    const int index = d->requireField(field);
    return asBoolean(index);
}

std::string Table::valueAt(int position, int field) const {
    d->requireOpen();
    d->ensureRows();
    if (position < 0 || position >= int(d->visible.size())) d->fail("row " + std::to_string(position) + " does not exist");
    if (field < 0 || field >= int(d->image.fields.size())) d->fail("no field number " + std::to_string(field));
    return d->text(d->visible[std::size_t(position)], field);
}

// --- key search --------------------------------------------------------------

bool Table::findKey(const std::string& key) {
    d->requireOpen();
    if (!d->order) d->fail("key search needs an index order");
    Key target;
    if (d->order->numeric()) {
        target.numeric = true;
        if (!parseNumber(key, target.number)) return false;
    } else {
        target.text = key;
    }
    const int position = d->findRow(target);
    if (position < 0) return false;
    moveTo(position);
    return true;
}

bool Table::findKey(double key) {
    d->requireOpen();
    if (!d->order) d->fail("key search needs an index order");
    if (!d->order->numeric()) {
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", key);
        return findKey(std::string(text));
    }
    const int position = d->findRow(Key{true, key, {}});
    if (position < 0) return false;
    moveTo(position);
    return true;
}

// --- master-detail -------------------------------------------------------------

void Table::setMasterSource(Table* master, const std::string& masterField) {
    for (Table* t = master; t; t = t->d->masterAlive.expired() ? nullptr : t->d->master)
        if (t == this) d->fail("a table cannot be its own master");
    if (d->master && !d->masterAlive.expired()) d->master->removeListener(d->masterListener);
    d->master = master;
    d->masterField = masterField;
    d->masterAlive.reset();
    d->masterListener = 0;
    if (master) {
        d->masterAlive = master->d->alive;
        d->masterListener = master->addListener([this](Change) {
            if (!d->active) return;
            d->rebuild(false);
            d->notify(Change::Rows);
        });
    }
    if (!d->active) return;
    d->rebuild(false);
    d->notify(Change::Rows);
}

// --- listeners -----------------------------------------------------------------

int Table::addListener(Listener listener) {
    const int id = d->nextListener++;
    d->listeners.emplace(id, std::move(listener));
    return id;
}

void Table::removeListener(int id) { d->listeners.erase(id); }

}  // namespace dbase
