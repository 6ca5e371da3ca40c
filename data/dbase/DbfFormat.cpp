#include "data/dbase/DbfFormat.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>

#include "data/dbase/CodePages.h"
#include "data/dbase/FileIO.h"

namespace dbase {

namespace {

unsigned byteAt(const std::string& b, std::size_t i) { return static_cast<unsigned char>(b[i]); }
unsigned uint16At(const std::string& b, std::size_t i) { return byteAt(b, i) | byteAt(b, i + 1) << 8; }
std::uint32_t uint32At(const std::string& b, std::size_t i) {
    return std::uint32_t(uint16At(b, i)) | std::uint32_t(uint16At(b, i + 2)) << 16;
}

std::string hexByte(unsigned v) {
    char s[8];
    std::snprintf(s, sizeof s, "0x%02X", v);
    return s;
}

[[noreturn]] void fail(const std::string& fileName, const std::string& fault) {
    throw DbfError(fileName + ": " + fault);
}

// dBASE III/IV (0x03/0x04/0x05 with or without memo bits) and the FoxPro family.
bool knownVersion(unsigned v) {
    switch (v) {
    case 0x02: case 0x03: case 0x04: case 0x05: case 0x30: case 0x31: case 0x32:
    case 0x43: case 0x63: case 0x83: case 0x8B: case 0x8E: case 0xCB: case 0xF5: case 0xFB:
        return true;
    default:
        return false;
    }
}

FieldDef readDescriptor(const DbfImage& image, std::size_t at, int number) {
    const std::string& b = image.bytes;
    std::size_t nameLength = 0;
    while (nameLength < 11 && b[at + nameLength] != '\0') ++nameLength;
    FieldDef f;
    f.name = decodeText(std::string_view(b).substr(at, nameLength), 1252);
    while (!f.name.empty() && f.name.back() == ' ') f.name.pop_back();
    for (char& c : f.name)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    f.type = char(std::toupper(static_cast<unsigned char>(b[at + 11])));
    f.length = int(byteAt(b, at + 16));
    f.decimals = int(byteAt(b, at + 17));
    const std::string which = "field " + std::to_string(number);
    if (f.name.empty()) fail(image.fileName, which + " has no name");
    if (f.length == 0) fail(image.fileName, "field " + f.name + " has length 0");
    return f;
}

}  // namespace

bool DbfImage::deleted(int record) const { return bytes[recordOffset(record)] == '*'; }

DbfImage parseDbf(std::string bytes, const std::string& fileName) {
    DbfImage image;
    image.fileName = fileName;
    image.bytes = std::move(bytes);
    const std::string& b = image.bytes;
    if (b.size() < std::size_t(kHeaderSize))
        fail(fileName, "file is too short for a dBASE table (" + std::to_string(b.size()) + " bytes)");
    DbfHeader& h = image.header;
    h.version = std::uint8_t(byteAt(b, 0));
    if (!knownVersion(h.version))
        fail(fileName, "not a dBASE table (version byte " + hexByte(h.version) + ")");
    h.year = 1900 + int(byteAt(b, 1));
    h.month = int(byteAt(b, 2));
    h.day = int(byteAt(b, 3));
    h.recordCount = uint32At(b, 4);
    h.headerLength = int(uint16At(b, 8));
    h.recordLength = int(uint16At(b, 10));
    h.productionIndex = byteAt(b, 28) == 1;
    h.languageDriver = std::uint8_t(byteAt(b, 29));

    image.codePage = codePageForDriver(h.languageDriver);
    if (image.codePage == 0)
        fail(fileName, "unsupported language driver " + hexByte(h.languageDriver) + " (unknown code page)");
    if (std::size_t(h.headerLength) > b.size())
        fail(fileName, "file is truncated: the header says it is " + std::to_string(h.headerLength) +
                           " bytes long, the file has " + std::to_string(b.size()) + " bytes");

    // Descriptors run from offset 32 up to the 0x0D terminator, inside the header.
    std::size_t at = kHeaderSize;
    while (true) {
        if (at < std::size_t(h.headerLength) && b[at] == kHeaderTerminator) break;
        if (at + kDescriptorSize > std::size_t(h.headerLength))
            fail(fileName, "field descriptors run past the header length of " + std::to_string(h.headerLength));
        image.fields.push_back(readDescriptor(image, at, int(image.fields.size()) + 1));
        at += kDescriptorSize;
    }
    if (image.fields.empty()) fail(fileName, "table has no fields");

    int offset = 1;
    for (const FieldDef& f : image.fields) {
        image.fieldOffsets.push_back(offset);
        offset += f.length;
    }
    if (offset != h.recordLength)
        fail(fileName, "field lengths add up to " + std::to_string(offset - 1) + " bytes but the record length " +
                           std::to_string(h.recordLength) + " leaves " + std::to_string(h.recordLength - 1));

    const std::uint64_t expected = std::uint64_t(h.headerLength) + std::uint64_t(h.recordCount) * std::uint64_t(h.recordLength);
    const std::uint64_t size = b.size();
    if (size < expected) {
        const std::uint64_t held = (size - std::uint64_t(h.headerLength)) / std::uint64_t(h.recordLength);
        fail(fileName, "file is truncated: the header counts " + std::to_string(h.recordCount) +
                           " records of " + std::to_string(h.recordLength) + " bytes, the file holds " +
                           std::to_string(held));
    }
    // Real files end with 0x1A and some carry a few stray bytes; a whole
    // record beyond the count means the count is wrong.
    std::uint64_t extra = size - expected;
    if (extra > 0 && b.back() == kEndOfFile) --extra;
    if (extra >= std::uint64_t(h.recordLength))
        fail(fileName, "the header counts " + std::to_string(h.recordCount) + " records but the file holds " +
                           std::to_string(h.recordCount + extra / std::uint64_t(h.recordLength)) +
                           " (record count and file size disagree)");
    return image;
}

DbfImage readDbf(const std::string& path) {
    return parseDbf(readWholeFile(path), path);
}

void putUint16(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

void putUint32(std::string& bytes, std::size_t at, std::uint32_t value) {
    putUint16(bytes, at, value & 0xFFFF);
    putUint16(bytes, at + 2, value >> 16);
}

void stampToday(std::string& bytes) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    bytes[1] = char(std::min(local.tm_year, 255));
    bytes[2] = char(local.tm_mon + 1);
    bytes[3] = char(local.tm_mday);
}

}  // namespace dbase
