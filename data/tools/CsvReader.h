#pragma once
// Reads the build's UTF-8 CSV sources (RFC 4180: comma separated, fields with
// commas, quotes or line breaks in double quotes, "" for a quote inside).
//
// Blank lines and lines starting with '#' are comments (a quoted "#..." cell is
// data). Every cell remembers where it starts, so errors can name file, line
// and column.
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"

namespace dbfgen {

// A fault in a source file; the message reads "file:line:column: fault".
class SourceError : public kv::Error {
public:
    using kv::Error::Error;
};

[[noreturn]] void failAt(const std::string& file, int line, int column, const std::string& fault);

struct CsvCell {
    std::string text;
    int line = 0;    // from 1
    int column = 0;  // from 1, in characters
};

struct CsvRecord {
    int line = 0;
    std::vector<CsvCell> cells;
};

std::vector<CsvRecord> parseCsv(std::string_view text, const std::string& name);
std::vector<CsvRecord> readCsvFile(const std::string& path);

// The whole file; throws SourceError naming it when it cannot be read.
std::string readSourceFile(const std::string& path);

}  // namespace dbfgen
