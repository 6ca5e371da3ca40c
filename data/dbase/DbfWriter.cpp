#include "data/dbase/DbfWriter.h"

#include <cctype>

#include "data/dbase/CodePages.h"
#include "data/dbase/DbfFormat.h"
#include "data/dbase/FieldValue.h"
#include "data/dbase/FileIO.h"

namespace dbase {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& fault) { throw DbfError(path + ": " + fault); }

void checkField(const std::string& path, const FieldDef& f) {
    const std::string where = "field " + (f.name.empty() ? std::string("(unnamed)") : f.name) + ": ";
    bool nameOk = !f.name.empty() && f.name.size() <= 10 && std::isalpha(static_cast<unsigned char>(f.name[0]));
    for (const char c : f.name) nameOk = nameOk && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
    if (!nameOk) fail(path, where + "a field name is 1 to 10 letters, digits or '_', starting with a letter");
    if (!writableType(f.type)) fail(path, where + "type " + std::string(1, f.type) + " cannot be written");
    bool sizeOk = true;
    switch (f.type) {
    case 'C': sizeOk = f.length >= 1 && f.length <= 254 && f.decimals == 0; break;
    case 'N':
    case 'F': sizeOk = f.length >= 1 && f.length <= 20 && f.decimals >= 0 && (f.decimals == 0 || f.decimals <= f.length - 2); break;
    case 'L': sizeOk = f.length == 1 && f.decimals == 0; break;
    case 'D': sizeOk = f.length == 8 && f.decimals == 0; break;
    }
    if (!sizeOk)
        fail(path, where + "length " + std::to_string(f.length) + " with " + std::to_string(f.decimals) +
                       " decimals is not valid for type " + std::string(1, f.type));
}

std::string descriptor(const FieldDef& f) {
    std::string d(kDescriptorSize, '\0');
    for (std::size_t i = 0; i < f.name.size(); ++i)
        d[i] = char(std::toupper(static_cast<unsigned char>(f.name[i])));
    d[11] = f.type;
    d[16] = char(f.length);
    d[17] = char(f.decimals);
    return d;
}

}  // namespace

void writeTable(const std::string& path, const NewTable& table) {
    if (table.version != 3 && table.version != 4)
        fail(path, "version " + std::to_string(table.version) + " is not dBASE III+ (3) or dBASE IV (4)");
    if (table.productionIndex && table.version == 3) fail(path, "dBASE III+ tables have no production index");
    const std::uint8_t driver = driverForCodePage(table.codePage);
    if (driver == 0 || !codePageSupported(table.codePage))
        fail(path, "code page " + std::to_string(table.codePage) + " is not supported");
    if (table.fields.empty()) fail(path, "a table needs at least one field");
    if (table.fields.size() > 255) fail(path, "a table holds at most 255 fields");

    int recordLength = 1;
    for (const FieldDef& f : table.fields) {
        checkField(path, f);
        recordLength += f.length;
    }
    if (recordLength > 65535) fail(path, "the record is longer than 65535 bytes");
    const int headerLength = kHeaderSize + kDescriptorSize * int(table.fields.size()) + 1;

    std::string bytes(std::size_t(kHeaderSize), '\0');
    bytes[0] = 0x03;  // dBASE III+ and dBASE IV without memo share the version byte
    stampToday(bytes);
    putUint32(bytes, 4, std::uint32_t(table.rows.size()));
    putUint16(bytes, 8, unsigned(headerLength));
    putUint16(bytes, 10, unsigned(recordLength));
    bytes[28] = table.productionIndex ? 1 : 0;
    bytes[29] = char(driver);
    for (const FieldDef& f : table.fields) bytes += descriptor(f);
    bytes += kHeaderTerminator;

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        if (row.size() != table.fields.size())
            fail(path, "row " + std::to_string(r + 1) + " has " + std::to_string(row.size()) + " values for " +
                           std::to_string(table.fields.size()) + " fields");
        bytes += ' ';
        for (std::size_t i = 0; i < row.size(); ++i) {
            try {
                bytes += encodeFieldValue(table.fields[i], row[i], table.codePage);
            } catch (const DbfError& e) {
                fail(path, "row " + std::to_string(r + 1) + ", field " + table.fields[i].name + ": " + e.what());
            }
        }
    }
    bytes += kEndOfFile;
    writeFileAtomically(path, bytes);
}

}  // namespace dbase
