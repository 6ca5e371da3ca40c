#include "data/tools/SourceTable.h"

#include <charconv>
#include <cmath>
#include <set>

#include "data/dbase/CodePages.h"
#include "data/dbase/FieldValue.h"

namespace dbfgen {

namespace {

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string describe(const dbase::FieldDef& field) {
    std::string text = field.name + " " + field.type + ":" + std::to_string(field.length);
    if (field.decimals) text += ":" + std::to_string(field.decimals);
    return text;
}

bool parseCount(const std::string& text, int& out) {
    if (text.empty() || text.size() > 4) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// NAME:TYPE:LENGTH[:DECIMALS]; the fault as text, or "" when the field is sound.
std::string parseField(const std::string& cell, dbase::FieldDef& field) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = cell.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(cell.substr(start, colon - start));
    parts.push_back(cell.substr(start));
    if (parts.size() < 3 || parts.size() > 4)
        return "a field is defined as NAME:TYPE:LENGTH[:DECIMALS], not \"" + cell + "\"";

    field.name = upper(parts[0]);
    bool nameOk = !field.name.empty() && field.name.size() <= 10 && field.name[0] >= 'A' && field.name[0] <= 'Z';
    for (char c : field.name) nameOk = nameOk && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
    if (!nameOk) return "field name \"" + parts[0] + "\" is not a letter followed by at most 9 letters, digits or _";
    if (parts[1].size() != 1 || std::string("CNFLD").find(upper(parts[1])) == std::string::npos)
        return "field " + field.name + ": type \"" + parts[1] + "\" is none of C, N, F, L, D";
    field.type = upper(parts[1])[0];
    if (!parseCount(parts[2], field.length))
        return "field " + field.name + ": length \"" + parts[2] + "\" is no number";
    field.decimals = 0;
    if (parts.size() == 4 && !parseCount(parts[3], field.decimals))
        return "field " + field.name + ": decimals \"" + parts[3] + "\" is no number";

    switch (field.type) {
    case 'C':
        if (field.length < 1 || field.length > 254) return "field " + field.name + ": text fields hold 1 to 254 characters";
        break;
    case 'N':
    case 'F':
        if (field.length < 1 || field.length > 20) return "field " + field.name + ": numbers hold 1 to 20 characters";
        if (field.decimals > 15 || (field.decimals > 0 && field.decimals > field.length - 2))
            return "field " + field.name + ": " + std::to_string(field.decimals) + " decimals do not fit a width of " +
                   std::to_string(field.length);
        break;
    case 'L':
        if (field.length != 1) return "field " + field.name + ": logical fields have length 1";
        break;
    case 'D':
        if (field.length != 8) return "field " + field.name + ": date fields have length 8";
        break;
    }
    if (field.type != 'N' && field.type != 'F' && field.decimals != 0)
        return "field " + field.name + ": only numbers have decimals";
    return {};
}

std::string toChars(double value, std::chars_format format) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    (void)ec;  // 400 characters hold every double in any format
    return std::string(buffer, end);
}

// Fixed or scientific, whichever is shorter.
std::string shortest(double value) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

std::string formatLogical(const std::string& text) {
    const std::string value = upper(trim(text));
    if (value.empty()) return value;
    if (value.size() == 1 && std::string("TFYN?").find(value) != std::string::npos) return value;
    throw SourceError("\"" + text + "\" is no logical value (T, F, Y, N or ?)");
}

std::string formatDate(const std::string& text) {
    std::string value = trim(text);
    if (value.empty()) return value;
    if (value.size() == 10 && value[4] == '-' && value[7] == '-') value = value.substr(0, 4) + value.substr(5, 2) + value.substr(8, 2);
    const bool digits = value.size() == 8 && value.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || !dbase::validDate(std::stoi(value.substr(0, 4)), std::stoi(value.substr(4, 2)),
                                     std::stoi(value.substr(6, 2))))
        throw SourceError("\"" + text + "\" is no date (YYYYMMDD or YYYY-MM-DD)");
    return value;
}

std::string formatText(const std::string& text, const dbase::FieldDef& field, int codePage) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) throw SourceError("a control character (line break, tab) cannot stand in a text field");
    const std::size_t length = dbase::utf8Length(text);
    if (length > static_cast<std::size_t>(field.length))
        throw SourceError("text of " + std::to_string(length) + " characters does not fit " + describe(field));
    std::string encoded;
    char32_t unmappable = 0;
    if (!dbase::encodeText(text, codePage, encoded, unmappable))
        throw SourceError(dbase::describeCharacter(unmappable) + " has no place in code page " + std::to_string(codePage));
    return text;
}

}  // namespace

std::string formatNumber(const std::string& text, const dbase::FieldDef& field) {
    const std::string value = trim(text);
    if (value.empty()) return value;
    const char* first = value.data() + (value[0] == '+' ? 1 : 0);
    const char* last = value.data() + value.size();
    double number = 0;
    auto [end, ec] = std::from_chars(first, last, number);
    const bool plain = first != last && (std::isdigit(static_cast<unsigned char>(*first)) || *first == '.' || *first == '-');
    if (ec != std::errc() || end != last || !plain || !std::isfinite(number))
        throw SourceError("\"" + text + "\" is no number");
    if (number == 0) number = 0;  // no "-0"

    std::string out;
    if (field.decimals == 0) {
        out = shortest(number);
        const std::string whole = toChars(number, std::chars_format::fixed);
        if (std::trunc(number) == number && whole.size() <= static_cast<std::size_t>(field.length)) out = whole;
    } else {
        out = toChars(number, std::chars_format::fixed);
        const std::size_t point = out.find('.');
        const std::size_t places = point == std::string::npos ? 0 : out.size() - point - 1;
        if (places > static_cast<std::size_t>(field.decimals))
            throw SourceError(value + " has more decimals than " + describe(field) + " holds");
        if (point == std::string::npos) out += '.';
        out.append(static_cast<std::size_t>(field.decimals) - places, '0');
    }
    if (out.size() > static_cast<std::size_t>(field.length))
        throw SourceError(value + " (written " + out + ") does not fit " + describe(field));
    return out;
}

SourceTable readSourceTable(const std::vector<CsvRecord>& records, const std::string& name, int codePage) {
    if (records.empty()) failAt(name, 1, 1, "no header row");
    const CsvRecord& header = records.front();
    SourceTable table;
    std::vector<std::size_t> columns;  // cell index of each field
    std::set<std::string> names;
    for (std::size_t i = 0; i < header.cells.size(); ++i) {
        const CsvCell& cell = header.cells[i];
        if (!cell.text.empty() && cell.text[0] == '#') continue;
        dbase::FieldDef field;
        if (const std::string fault = parseField(cell.text, field); !fault.empty()) failAt(name, cell.line, cell.column, fault);
        if (!names.insert(field.name).second) failAt(name, cell.line, cell.column, "field " + field.name + " defined twice");
        table.fields.push_back(field);
        columns.push_back(i);
    }
    if (table.fields.empty()) failAt(name, header.line, 1, "the header row defines no field");

    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.cells.size() != header.cells.size())
            failAt(name, record.line, 1,
                   std::to_string(record.cells.size()) + " fields where the header has " + std::to_string(header.cells.size()));
        std::vector<std::string> row;
        for (std::size_t f = 0; f < table.fields.size(); ++f) {
            const dbase::FieldDef& field = table.fields[f];
            const CsvCell& cell = record.cells[columns[f]];
            try {
                switch (field.type) {
                case 'N':
                case 'F': row.push_back(formatNumber(cell.text, field)); break;
                case 'L': row.push_back(formatLogical(cell.text)); break;
                case 'D': row.push_back(formatDate(cell.text)); break;
                default: row.push_back(formatText(cell.text, field, codePage)); break;
                }
            } catch (const SourceError& e) {
                failAt(name, cell.line, cell.column, "field " + field.name + ": " + e.what());
            }
        }
        table.rows.push_back(std::move(row));
        table.rowLines.push_back(record.line);
    }
    return table;
}

}  // namespace dbfgen
