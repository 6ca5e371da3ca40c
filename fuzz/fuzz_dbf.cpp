// libFuzzer target: arbitrary bytes as a table file. The reader must reject
// them with DbfError or read them; walking, orders, filters, key search, field
// reads and a write of the opened table (in memory) must then never crash or
// hang.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "data/dbase/DbfFormat.h"
#include "data/dbase/KeyExpression.h"
#include "data/dbase/Table.h"

using namespace dbase;

namespace {

// Tags of the production index: fixed ones and one whose expression is the
// input's last bytes, so that odd expressions reach the order code too.
std::string tailExpression;

std::vector<TagInfo> fuzzTags(const std::string&) {
    return {{"FIRST", "UPPER(NAME)", false, false},
            {"MIXED", "str(NUM)+NAME", true, true},
            {"TAIL", tailExpression, false, false}};
}

// The input's table lives in memory: reads and writes of its path go to
// `files`. Only a production index beside it is a real (empty) file, in a
// folder of its own, so that the table finds it; its tags come from fuzzTags.
std::map<std::string, std::string> files;
char scratchFolder[] = "/tmp/fuzz_dbf-XXXXXX";
std::string scratchIndex;

void removeScratch() {
    ::unlink(scratchIndex.c_str());
    ::rmdir(scratchFolder);
}

std::string tablePath() {
    static const std::string path = [] {
        if (!::mkdtemp(scratchFolder)) std::abort();
        scratchIndex = std::string(scratchFolder) + "/input.MDX";
        if (FILE* index = std::fopen(scratchIndex.c_str(), "wb")) std::fclose(index);
        std::atexit(removeScratch);
        Table::setTagReaderForTesting(fuzzTags);
        Table::setFileAccessForTesting(
            [](const std::string& file) {
                const auto found = files.find(file);
                if (found == files.end()) throw DbfError(file + ": cannot open the file");
                return found->second;
            },
            [](const std::string& file, const std::string& bytes) { files[file] = bytes; });
        return std::string(scratchFolder) + "/input.dbf";
    }();
    return path;
}

template <typename F>
void tolerate(F&& action) {
    try {
        action();
    } catch (const DbfError&) {
    }
}

void exercise(Table& table) {
    for (const TagInfo& tag : table.tags()) tolerate([&] { table.setIndexName(tag.name); table.first(); });
    const int fieldCount = int(table.fields().size());
    int steps = 0;
    for (table.first(); !table.eof() && steps < 64; table.next(), ++steps) {
        for (int f = 0; f < fieldCount; ++f) {
            tolerate([&] { table.asInteger(f); });
            tolerate([&] { table.asFloat(f); });
            table.asBoolean(f);
            table.asString(f);
        }
    }
    for (table.last(); !table.bof() && steps < 128; table.prior(), ++steps) table.recNo();

    // Orders by the first few fields, and a key expression taken from the data.
    for (int f = 0; f < fieldCount && f < 4; ++f) {
        const std::string name = table.fields()[std::size_t(f)].name;
        tolerate([&] { table.setIndexFieldNames(name); });
        if (table.recordCount() > 0) {
            table.moveTo(table.recordCount() / 2);
            const std::string value = table.asString(f);
            tolerate([&] { table.findKey(value); });
            tolerate([&] { table.findKey(1.0); });
            tolerate([&] { table.setFilter(name + "=" + value); });
            tolerate([&] { table.setFilter(name + "='1'"); });
            table.setFiltered(true);
            table.setFiltered(false);
            tolerate([&] { KeyExpression e(value, table.fields()); table.first(); });
        }
    }
    table.setIndexFieldNames("");
    tolerate([&] { table.setFilter(""); });

    // A write of a value taken from another row, to the table in memory.
    if (table.recordCount() > 1 && fieldCount > 0) {
        table.last();
        const std::string value = table.asString(0);
        table.first();
        tolerate([&] { table.setValue(0, value); });
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    tolerate([&] { parseDbf(bytes, "input"); });

    tailExpression = bytes.substr(bytes.size() > 24 ? bytes.size() - 24 : 0);
    const std::string path = tablePath();
    files[path] = bytes;
    Table table;
    table.setFileName(path);
    tolerate([&] {
        table.open();
        exercise(table);
    });
    return 0;
}
