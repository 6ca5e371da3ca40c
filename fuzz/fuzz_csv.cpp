// The table generator's CSV reader on any bytes: it reads the text or fails
// with a message naming the place; what it reads, written out again with
// every cell quoted, reads back cell for cell (a CR LF in a quoted cell reads
// as LF, so a cell's own CR before LF comes back without it).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/tools/CsvReader.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string quotedCsv(const std::vector<dbfgen::CsvRecord>& records) {
    std::string text;
    for (const auto& record : records) {
        for (std::size_t k = 0; k < record.cells.size(); ++k) {
            text += k ? ",\"" : "\"";
            for (char c : record.cells[k].text) text += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += '"';
        }
        text += '\n';
    }
    return text;
}

std::string withoutCrBeforeLf(const std::string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) out += text[k];
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<dbfgen::CsvRecord> records;
    try {
        records = dbfgen::parseCsv(text, "input.csv");
    } catch (const dbfgen::SourceError& e) {
        require(std::string(e.what()).rfind("input.csv:", 0) == 0);
        return 0;
    }
    int line = 0;
    for (const auto& record : records) {
        require(record.line > line && !record.cells.empty());
        line = record.line;
    }
    const auto again = dbfgen::parseCsv(quotedCsv(records), "again.csv");
    require(again.size() == records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        require(again[r].cells.size() == records[r].cells.size());
        for (std::size_t k = 0; k < records[r].cells.size(); ++k)
            require(again[r].cells[k].text == withoutCrBeforeLf(records[r].cells[k].text));
    }
    return 0;
}
