// Order, filter and master link: which rows a Table shows, and in what order.
#include <algorithm>

#include "data/dbase/FieldValue.h"
#include "data/dbase/TableImpl.h"

namespace dbase {

void Table::Impl::fail(const std::string& fault) const { throw DbfError(path + ": " + fault); }

void Table::Impl::notify(Change change) {
    // A listener may add or remove listeners while it runs.
    const auto current = listeners;
    for (const auto& [id, listener] : current)
        if (listeners.count(id)) listener(change);
}

void Table::Impl::load(DbfImage parsed) {
    image = std::move(parsed);
    orderedValid = false;
}

std::string Table::Impl::text(int record, int field) const {
    return readFieldText(image.fields[std::size_t(field)], image.fieldBytes(record, field), image.codePage);
}

void Table::Impl::unload() {
    active = false;
    image = DbfImage();
    tags.clear();
    order.reset();
    keys.clear();
    filter.reset();
    ordered.clear();
    orderedValid = false;
    rowsStale = false;
    visible.clear();
    pos = -1;
    eof = bof = true;
}

void Table::Impl::failNotOpen() const {
    throw DbfError((path.empty() ? std::string("table") : path) + ": the table is not open");
}

int Table::Impl::requireField(std::string_view name) const {
    requireOpen();
    const int index = self.fieldIndex(name);
    if (index < 0) fail("no field " + std::string(name));
    return index;
}

int Table::Impl::currentCell(int field) const {
    requireOpen();
    const int record = currentRecord();
    if (record < 0) fail("no current record");
    if (field < 0 || field >= int(image.fields.size())) fail("no field number " + std::to_string(field));
    return record;
}

void Table::Impl::compileOrder() {
    orderedValid = false;
    order.reset();
    descending = false;
    unique = false;
    keys.clear();
    if (!indexName.empty()) {
        const TagInfo* tag = nullptr;
        for (const TagInfo& t : tags)
            if (sameNoCase(t.name, indexName)) tag = &t;
        if (!tag) fail("index tag " + indexName + " not found" + (tags.empty() ? " (no production index)" : ""));
        order.emplace(tag->expression, image.fields);
        descending = tag->descending;
        unique = tag->unique;
    } else if (!indexFieldNames.empty()) {
        if (self.fieldIndex(indexFieldNames) < 0) fail("no field " + indexFieldNames + " to order by");
        order.emplace(indexFieldNames, image.fields);
    }
}

void Table::Impl::ensureKeys() const {
    if (!order || !keys.empty() || image.recordCount() == 0) return;
    const int count = image.recordCount();
    keys.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r)
        keys.push_back(order->evaluate([&](int f) { return text(r, f); }));
}

int Table::Impl::findRow(const Key& key) const {
    ensureRows();
    ensureKeys();
    for (std::size_t i = 0; i < visible.size(); ++i)
        if (compareKeys(keys[std::size_t(visible[i])], key) == 0) return int(i);
    return -1;
}

void Table::Impl::selectOrder(const std::string& tag, const std::string& field) {
    ensureRows();  // the current record is the one under the old order
    const std::string oldTag = indexName, oldField = indexFieldNames;
    indexName = tag;
    indexFieldNames = field;
    if (!active) return;
    try {
        compileOrder();
    } catch (...) {
        indexName = oldTag;
        indexFieldNames = oldField;
        compileOrder();
        throw;
    }
    rebuild(true);
    notify(Change::Rows);
}

Key Table::Impl::keyFromText(const std::string& text) const {
    Key key;
    if (order && order->numeric()) {
        key.numeric = true;
        if (!parseNumber(text, key.number)) key.number = 0;
    } else {
        key.text = text;
    }
    return key;
}

bool Table::Impl::masterKey(Key& key) const {
    if (!master || masterAlive.expired() || !master->active()) return false;
    if (master->d->currentRecord() < 0) return false;
    const int field = master->fieldIndex(masterField);
    if (field < 0) return false;
    key = keyFromText(master->asString(field));
    return true;
}

void Table::Impl::rebuild(bool keepRecord) {
    // Only noted here; the rows are made when they are first looked at, so a
    // table set up at start and not shown yet costs no sort.
    const int keep = keepRecord ? currentRecord() : -1;
    rowsStale = true;
    staleKeep = keep;
}

void Table::Impl::buildStaleRows() const {
    rowsStale = false;
    const_cast<Impl*>(this)->buildRows(staleKeep);
}

void Table::Impl::buildRows(int keep) {
    ensureKeys();
    // The rows in order are sorted once per order; a filter or a master's
    // move only picks from them.
    if (!orderedValid) {
        ordered.clear();
        const int count = image.recordCount();
        for (int r = 0; r < count; ++r)
            if (!image.deleted(r)) ordered.push_back(r);
        if (order && std::none_of(keys.begin(), keys.end(), [](const Key& k) { return k.numeric; })) {
            // Text keys are folded once each rather than at every comparison.
            std::vector<std::u32string> folded;
            folded.reserve(keys.size());
            for (const Key& k : keys) folded.push_back(foldedKeyText(k));
            const bool down = descending;
            std::stable_sort(ordered.begin(), ordered.end(), [&](int a, int b) {
                return down ? folded[std::size_t(b)] < folded[std::size_t(a)] : folded[std::size_t(a)] < folded[std::size_t(b)];
            });
            if (unique) {
                const auto end = std::unique(ordered.begin(), ordered.end(),
                                             [&](int a, int b) { return folded[std::size_t(a)] == folded[std::size_t(b)]; });
                ordered.erase(end, ordered.end());
            }
        } else if (order) {
            const bool down = descending;
            std::stable_sort(ordered.begin(), ordered.end(), [&](int a, int b) {
                const int c = compareKeys(keys[std::size_t(a)], keys[std::size_t(b)]);
                return down ? c > 0 : c < 0;
            });
            if (unique) {
                const auto end = std::unique(ordered.begin(), ordered.end(), [&](int a, int b) {
                    return compareKeys(keys[std::size_t(a)], keys[std::size_t(b)]) == 0;
                });
                ordered.erase(end, ordered.end());
            }
        }
        orderedValid = true;
    }
    visible = ordered;
    if (filtered && filter) {
        const FilterCondition c = *filter;
        std::erase_if(visible, [&](int r) { return !filterMatches(c, text(r, c.field)); });
    }
    if (master) {
        Key target;
        if (!masterKey(target)) {
            visible.clear();
        } else if (order) {
            std::erase_if(visible, [&](int r) { return compareKeys(keys[std::size_t(r)], target) != 0; });
        } else {
            // Without an order the link compares the field of the master's name.
            const int field = self.fieldIndex(masterField);
            std::erase_if(visible, [&](int r) {
                return field < 0 || compareKeys(Key{false, 0, text(r, field)}, target) != 0;
            });
        }
    }
    pos = visible.empty() ? -1 : 0;
    if (keep >= 0) {
        const auto it = std::find(visible.begin(), visible.end(), keep);
        if (it != visible.end()) pos = int(it - visible.begin());
    }
    bof = true;
    eof = visible.empty();
    if (pos > 0) bof = false;
}

}  // namespace dbase
