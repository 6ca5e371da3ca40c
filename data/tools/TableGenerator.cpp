#include "data/tools/TableGenerator.h"

#include <algorithm>
#include <numeric>

#include "data/dbase/CodePages.h"
#include "data/dbase/DbfWriter.h"
#include "data/dbase/KeyExpression.h"
#include "data/dbase/Mdx.h"
#include "data/tools/CsvReader.h"
#include "data/tools/SourceTable.h"

namespace dbfgen {

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Key expressions see a field as the record stores it: text padded with
// blanks, numbers right-aligned in their width.
std::string storedText(const std::string& value, const dbase::FieldDef& field) {
    const std::size_t length = dbase::utf8Length(value);
    const std::size_t width = static_cast<std::size_t>(field.length);
    if (length >= width) return value;
    if (field.type == 'N' || field.type == 'F') return std::string(width - length, ' ') + value;
    if (field.type == 'C') return value + std::string(width - length, ' ');
    return value;
}

int textKeyLength(const std::string& expression, const std::vector<dbase::FieldDef>& fields) {
    for (const dbase::FieldDef& field : fields)
        if (field.type == 'C' && field.name == upper(expression)) return field.length;
    return 0;  // the longest key
}

using Rows = std::vector<std::vector<std::string>>;

Rows storedRows(const SourceTable& source) {
    Rows stored;
    for (const auto& row : source.rows) {
        std::vector<std::string> texts;
        for (std::size_t f = 0; f < row.size(); ++f) texts.push_back(storedText(row[f], source.fields[f]));
        stored.push_back(std::move(texts));
    }
    return stored;
}

// `stored` holds the rows of `source` as storedRows gives them.
dbase::MdxTag buildTag(const ManifestTag& wanted, const SourceTable& source, const Rows& stored,
                       const std::string& csv, const std::string& manifest, int line) {
    dbase::MdxTag tag;
    tag.info = {upper(wanted.name), wanted.expression, wanted.descending, wanted.unique};
    std::vector<dbase::Key> keys;
    try {
        const dbase::KeyExpression expression(wanted.expression, source.fields);
        tag.numeric = expression.numeric();
        for (std::size_t r = 0; r < stored.size(); ++r) {
            try {
                keys.push_back(expression.evaluate([&](int field) { return stored[r][static_cast<std::size_t>(field)]; }));
            } catch (const dbase::DbfError& e) {
                failAt(csv, source.rowLines[r], 1, "key of tag " + tag.info.name + ": " + e.what());
            }
        }
    } catch (const dbase::DbfError& e) {
        failAt(manifest, line, wanted.column, e.what());
    }

    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = dbase::compareKeys(keys[a], keys[b]);
        return wanted.descending ? c > 0 : c < 0;
    });
    for (std::size_t r : order) tag.entries.emplace_back(keys[r], static_cast<std::uint32_t>(r + 1));
    tag.keyLength = textKeyLength(wanted.expression, source.fields);
    return tag;
}

}  // namespace

void generateTable(const ManifestEntry& entry, const std::string& manifestName, const std::string& sourceDir,
                   const std::string& outputDir) {
    const std::string csv = sourceDir + "/" + entry.csv;
    const SourceTable source = readSourceTable(readCsvFile(csv), csv, entry.codePage);

    dbase::NewTable table;
    table.fields = source.fields;
    table.version = entry.version;
    table.codePage = entry.codePage;
    table.productionIndex = !entry.mdx.empty();
    table.rows = source.rows;
    try {
        dbase::writeTable(outputDir + "/" + entry.table, table);
    } catch (const dbase::DbfError& e) {
        throw SourceError(csv + ": " + e.what());
    }
    if (entry.mdx.empty()) return;

    const Rows stored = storedRows(source);
    std::vector<dbase::MdxTag> tags;
    for (const ManifestTag& wanted : entry.tags)
        tags.push_back(buildTag(wanted, source, stored, csv, manifestName, entry.line));
    try {
        dbase::writeMdx(outputDir + "/" + entry.mdx, entry.table.substr(0, entry.table.rfind('.')), tags, entry.codePage);
    } catch (const dbase::DbfError& e) {
        failAt(manifestName, entry.line, entry.mdxColumn, e.what());
    }
}

}  // namespace dbfgen
