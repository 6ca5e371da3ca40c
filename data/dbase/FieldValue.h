#pragma once
// Field values: stored bytes to the text the program reads, and text back to
// the bytes a field stores.
#include <string>
#include <string_view>

#include "data/dbase/Table.h"

namespace dbase {

// The stored value as UTF-8: numbers without their padding, other types
// without trailing blanks (and without the NULs some writers pad with).
std::string readFieldText(const FieldDef& field, std::string_view raw, int codePage);

// The stored bytes without the trailing blanks (or NULs) that pad them.
std::string_view withoutTrailingPadding(std::string_view stored);

// Parses a number as dBASE stores it ("  -12.50", "1e-05", "3,5"); false for
// anything else, blank text included.
bool parseNumber(std::string_view text, double& value);

// True for text that is empty or only blanks.
bool isBlank(std::string_view text);

// Field and tag names compare ignoring the letter case of ASCII letters.
bool sameNoCase(std::string_view a, std::string_view b);

// A day of the Gregorian calendar, years from 1.
bool validDate(int year, int month, int day);

// Encodes UTF-8 `text` as the field's stored bytes (exactly field.length
// bytes): C padded with blanks; N and F right-aligned; L as T, F or blank;
// D as YYYYMMDD. Throws DbfError describing the fault (without naming the
// table, row or field: the caller adds them).
std::string encodeFieldValue(const FieldDef& field, std::string_view text, int codePage);

// Whether this engine can write the field type (C, N, F, L, D).
bool writableType(char type);

}  // namespace dbase
