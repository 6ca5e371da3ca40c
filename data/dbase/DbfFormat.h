#pragma once
// The dBASE file layout: header, field descriptors and records of raw bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/dbase/Table.h"

namespace dbase {

struct DbfHeader {
    std::uint8_t version = 0x03;
    int year = 0, month = 0, day = 0;   // last update
    std::uint32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    bool productionIndex = false;       // byte 28: a production .MDX exists
    std::uint8_t languageDriver = 0;    // byte 29
};

// A whole table file, checked for consistency, kept as the bytes read.
struct DbfImage {
    std::string fileName;  // names the table in error messages
    std::string bytes;
    DbfHeader header;
    std::vector<FieldDef> fields;
    std::vector<int> fieldOffsets;  // within a record, the deletion flag at 0
    int codePage = 1252;

    int recordCount() const { return int(header.recordCount); }
    // Record from 0; the callers have checked both numbers.
    std::size_t recordOffset(int record) const {
        return std::size_t(header.headerLength) + std::size_t(record) * std::size_t(header.recordLength);
    }
    bool deleted(int record) const;
    std::string_view fieldBytes(int record, int field) const {
        return std::string_view(bytes).substr(recordOffset(record) + std::size_t(fieldOffsets[std::size_t(field)]),
                                              std::size_t(fields[std::size_t(field)].length));
    }
};

// Parses a table held in memory. Throws DbfError naming `fileName` and the
// fault for anything that is not a consistent dBASE III/IV table.
DbfImage parseDbf(std::string bytes, const std::string& fileName);

// Reads and parses a table file.
DbfImage readDbf(const std::string& path);

// Header offsets the writers patch.
constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kHeaderTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;

void putUint16(std::string& bytes, std::size_t at, unsigned value);
void putUint32(std::string& bytes, std::size_t at, std::uint32_t value);
// Sets the last-update date (bytes 1..3) to today.
void stampToday(std::string& bytes);

}  // namespace dbase
