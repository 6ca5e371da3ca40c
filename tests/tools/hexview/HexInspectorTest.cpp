// The data inspector's fields for chosen bytes in both byte orders, its
// times at the edges of their range, and how the view's lines place the
// cursor, step through units and copy a selection.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QThread>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

#include "tools/hexview/Inspector.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/ViewLines.h"

namespace {

using namespace hexview;

std::string field(const std::string& bytes, std::size_t available, bool big, const std::string& name) {
    for (const InspectorField& f :
         inspectBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), available, big))
        if (name == f.name) return f.value;
    return "(no field " + name + ")";
}

TEST(Inspector, ReadsEachFieldInEitherOrder) {
    const struct { std::string bytes; std::size_t available; bool big; const char* name; std::string value; } cases[] = {
        {"\x01\x02", 2, false, "int16", "513"},
        {"\x01\x02", 2, true, "int16", "258"},
        {"\x80", 1, false, "int8", "-128"},
        {"\x80", 1, false, "uint8", "128"},
        {"\xFF\xFF\xFF\xFF", 4, true, "int32", "-1"},
        {"\xFF\xFF\xFF\xFF", 4, true, "uint32", "4294967295"},
        {std::string("\0\0\0\0\0\0\0\x80", 8), 8, false, "int64", "-9223372036854775808"},
        {std::string("\0\0\0\0\0\0\0\x80", 8), 8, true, "uint64", "128"},
        {std::string("\0\0\x80\x3F", 4), 4, false, "float32", "1"},
        {std::string("\x3F\xC0\0\0", 4), 4, true, "float32", "1.5"},
        {std::string("\0\0\0\0\0\0\xF0\x7F", 8), 8, false, "float64", "INF"},
        {std::string("\xFF\xF8\0\0\0\0\0\0", 8), 8, true, "float64", "NAN"},
        {"\xA5", 1, false, "binary", "10100101"},
        {"\x08", 1, false, "octal", "010"},
        {"\xE2\x82\xAC", 3, false, "utf8", "U+20AC \xE2\x82\xAC"},
        {"\x0A", 1, false, "utf8", "U+000A"},
        {"\xE2\x80\xA8", 3, false, "utf8", "U+2028"},
        {"\xED\xA0\x80", 3, false, "utf8", kInvalidUtf8},  // a surrogate
        {"\xC0\x80", 2, false, "utf8", kInvalidUtf8},      // overlong
        {"\xF4\x90\x80\x80", 4, false, "utf8", kInvalidUtf8},
        {"\xE2\x41", 2, false, "utf8", kInvalidUtf8},
        {"\xE2\x82", 2, false, "utf8", kPastTheEnd},       // the file ends inside it
        {std::string("\0\0\0\0", 4), 4, false, "unix32", "1970-01-01 00:00:00 UTC"},
        {"\x7F\xFF\xFF\xFF", 4, true, "unix32", "2038-01-19 03:14:07 UTC"},
        {"\xFF\xFF\xFF\xFF", 4, false, "unix32", "1969-12-31 23:59:59 UTC"},
        {"\x01\x02\x03", 3, false, "int32", kPastTheEnd},
        {"\x01\x02\x03", 3, false, "int16", "513"},
        {"", 0, false, "binary", kPastTheEnd},
        {"1234567", 7, true, "unix64", kPastTheEnd},
    };
    for (const auto& c : cases) {
        std::string bytes = c.bytes;
        bytes.resize(kInspectedBytes, '\xEE');  // what lies past the end is never read
        EXPECT_EQ(field(bytes, c.available, c.big, c.name), c.value) << c.name << " " << c.available;
    }
}

TEST(Inspector, TimesAtTheEdgesOfTheirRange) {
    const struct { std::int64_t seconds; std::string shown; } cases[] = {
        {253402300799, "9999-12-31 23:59:59 UTC"}, {253402300800, kOutOfRange},
        {-62135596800, "0001-01-01 00:00:00 UTC"}, {-62135596801, kOutOfRange},
        {951782400, "2000-02-29 00:00:00 UTC"},    {-86401, "1969-12-30 23:59:59 UTC"},
        {std::numeric_limits<std::int64_t>::min(), kOutOfRange},
        {std::numeric_limits<std::int64_t>::max(), kOutOfRange},
    };
    for (const auto& c : cases) EXPECT_EQ(unixTimeText(c.seconds), c.shown) << c.seconds;
}

class Lines : public ::testing::Test {
protected:
    std::shared_ptr<MappedFile> open(const std::string& bytes) {
        const std::string path = dir_.filePath(QString::number(++count_)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return std::make_shared<MappedFile>(path);
    }
    QTemporaryDir dir_;
    int count_ = 0;
};

// Every byte of the dump is reached by a click on its own column, both of them.
TEST_F(Lines, DumpClicksReachTheirByte) {
    std::string bytes(16 * 3 + 5, 'x');
    const DumpLines lines(open(bytes));
    for (const ShownLine& line : lines.lines(0, 4))
        for (std::uint64_t offset = line.offset; offset < line.offset + line.byteCount; ++offset)
            for (const bool printable : {false, true}) {
                const Place place = lines.placeAt(line, lines.columnOf(line, offset, printable));
                EXPECT_EQ(place.offset, offset);
                EXPECT_EQ(place.printable, printable);
            }
}

// What a selection copies is as long as said beforehand (the refusal of large copies rests on it).
TEST_F(Lines, CopiesAsLongAsTold) {
    std::string bytes;
    for (int k = 0; k < 300; ++k) bytes += static_cast<char>(k * 37);
    bytes += "caf\xC3\xA9\r\n\xE2\x82\xAC\n";
    const DumpLines dump(open(bytes));
    const TextLines text(open(bytes));
    while (!text.index().complete()) QThread::msleep(1);
    const std::uint64_t size = bytes.size();
    const struct { std::uint64_t from, to; } ranges[] = {{0, 1}, {0, 16}, {15, 17}, {3, 290}, {0, size}, {7, 7}};
    for (const auto& r : ranges) {
        for (const bool printable : {false, true}) {
            const QString copied = dump.copyText(r.from, r.to, printable);
            EXPECT_EQ(dump.copySize(r.from, r.to, printable), std::uint64_t(copied.toUtf8().size()));
            EXPECT_EQ(std::uint64_t(copied.size()), printable ? r.to - r.from : r.to > r.from ? 3 * (r.to - r.from) - 1 : 0);
        }
        EXPECT_EQ(text.copySize(r.from, r.to, false), r.to - r.from);
    }
    EXPECT_EQ(dump.copyText(14, 18, false), QString::fromStdString(
        [&] { char t[32]; std::snprintf(t, sizeof t, "%02X %02X %02X %02X", bytes[14] & 255, bytes[15] & 255,
                                        bytes[16] & 255, bytes[17] & 255); return std::string(t); }()));
}

// Text goes by characters, a line's end counting as one: forwards and back
// through every unit of the file, each once.
TEST_F(Lines, TextStepsThroughCharacters) {
    const std::string bytes = "a\xC3\xA9\xE2\x82\xAC\xFFz\r\n\nnext\n";
    const std::uint64_t units[] = {0, 1, 3, 6, 7, 8, 10, 11, 12, 13, 14, 15};
    const TextLines text(open(bytes));
    while (!text.index().complete()) QThread::msleep(1);
    std::uint64_t at = 0;
    for (std::size_t k = 1; k < std::size(units); ++k) {
        EXPECT_EQ(text.unitEnd(at), units[k]);
        at = text.nextUnit(at);
        EXPECT_EQ(at, units[k]);
        EXPECT_EQ(text.unitAt(units[k - 1] + 1 < units[k] ? units[k - 1] + 1 : units[k - 1]), units[k - 1]);
    }
    EXPECT_EQ(text.nextUnit(at), at);  // the last stays
    for (std::size_t k = std::size(units) - 1; k > 0; --k) {
        at = text.previousUnit(at);
        EXPECT_EQ(at, units[k - 1]);
    }
    EXPECT_EQ(text.previousUnit(0), 0u);
    EXPECT_EQ(text.lineLast(0), 8u);
    EXPECT_EQ(text.lineFirst(2), 11u);
}

}  // namespace
