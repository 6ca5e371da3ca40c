#pragma once
// A table source: the field definitions of a CSV header row and the rows as the
// texts dbase::writeTable takes, checked and normalised cell by cell.
//
// A header cell NAME:TYPE:LENGTH[:DECIMALS] defines a field (types C, N, F, L,
// D); a header cell starting with '#' is a note column left out of the table.
#include <string>
#include <vector>

#include "data/dbase/Table.h"
#include "data/tools/CsvReader.h"

namespace dbfgen {

struct SourceTable {
    std::vector<dbase::FieldDef> fields;
    std::vector<std::vector<std::string>> rows;  // one text per field
    std::vector<int> rowLines;                   // source line of each row
};

// Throws SourceError naming `name`, line and column. Text must be encodable in
// `codePage`.
SourceTable readSourceTable(const std::vector<CsvRecord>& records, const std::string& name, int codePage);

// The text stored for a number: the shortest text that reads back as the same
// double, as an integer where the field has no decimals and the value is
// integral, padded to the field's decimals otherwise. Throws SourceError
// (without position) when the text is no number or the result does not fit.
std::string formatNumber(const std::string& text, const dbase::FieldDef& field);

}  // namespace dbfgen
