// The dump line and the conversion registry: the edge cases of the format,
// line by line as the view reads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/hexview/Conversion.h"
#include "tools/hexview/DumpLine.h"

namespace {

using namespace hexview;

std::vector<std::string> convert(const std::string& bytes, std::vector<std::uint64_t>* progress = nullptr) {
    THexConversion conversion([&](std::uint64_t at) {
        if (progress) progress->push_back(at);
    });
    TMemoryStream stream(bytes.data(), bytes.size());
    std::vector<std::string> lines;
    char buffer[256];
    while (int n = conversion.ConvertReadStream(stream, buffer, sizeof buffer)) {
        EXPECT_EQ(buffer[n], '\0');
        lines.emplace_back(buffer, n);
    }
    return lines;
}

std::string bytesFrom(int first, int count) {
    std::string s;
    for (int b = first; b < first + count; ++b) s += static_cast<char>(b);
    return s;
}

struct LineCase {
    const char* what;
    std::string bytes;
    std::size_t line;
    std::string expected;
};

TEST(DumpLine, LinesOfTheFormat) {
    const LineCase cases[] = {
        {"A to P", "ABCDEFGHIJKLMNOP", 0,
         ";00000  41 42 43 44  45 46 47 48  49 4A 4B 4C  4D 4E 4F 50    ABCDEFGHIJKLMNOP\r\n"},
        {"5-byte last line", std::string(16, 'x') + "0123\x7f", 1,
         ";00010  30 31 32 33  7F" + std::string(62 - 23, ' ') + "0123.\r\n"},
        {"17 bytes: second line", std::string(16, '\0') + "~", 1,
         ";00010  7E" + std::string(62 - 10, ' ') + "~\r\n"},
        {"printable edges", std::string("\x1f\x20\x7e\x7f\x80\xff", 6), 0,
         ";00000  1F 20 7E 7F  80 FF" + std::string(62 - 26, ' ') + ". ~...\r\n"},
    };
    for (const LineCase& c : cases) {
        const std::vector<std::string> lines = convert(c.bytes);
        ASSERT_GT(lines.size(), c.line) << c.what;
        EXPECT_EQ(lines[c.line], c.expected) << c.what;
    }
    EXPECT_EQ(convert("ABCDEFGHIJKLMNOP")[0].size(), 80u);
    EXPECT_EQ(convert(std::string(21, 'x'))[1].size(), 69u);
    EXPECT_EQ(convert(std::string(17, 'x')).size(), 2u);
    EXPECT_TRUE(convert("").empty());
}

// Past 100000 hex the offset takes more digits; the text column holds at 62
// until the byte part itself is longer.
TEST(DumpLine, WiderOffsets) {
    const struct {
        std::uint64_t offset;
        int count;
        const char* start;
        int textColumn;
    } cases[] = {
        {0xFFFF0, 16, ";FFFF0  ", 62},       {0x100000, 16, ";100000  ", 62}, {0x1000000, 16, ";1000000  ", 62},
        {0x10000000, 16, ";10000000  ", 63}, {0x10000000, 3, ";10000000  ", 62},
        {0x123456789A0, 16, ";123456789A0  ", 66},
    };
    const std::string bytes = bytesFrom('a', 16);
    for (const auto& c : cases) {
        char line[kMaxDumpLine];
        const int n = dumpLine(line, c.offset, reinterpret_cast<const std::uint8_t*>(bytes.data()), c.count);
        const std::string text(line, n);
        EXPECT_TRUE(text.starts_with(c.start)) << text;
        EXPECT_EQ(text.substr(c.textColumn), bytes.substr(0, c.count) + "\r\n") << text;
        EXPECT_EQ(text[c.textColumn - 1], ' ') << text;
        EXPECT_EQ(n, dumpLineLength(c.offset, c.count)) << text;
        for (int k = 0; k < c.count; ++k) {
            const ByteColumns at = byteColumns(c.offset, c.count, k);
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(bytes[k]));
            EXPECT_EQ(text.substr(at.hex, 2), hex) << text;
            EXPECT_EQ(text[at.text], bytes[k]) << text;
        }
    }
}

TEST(HexConversion, ProgressAtEvery4096AndSmallBuffers) {
    const struct {
        std::size_t size;
        std::vector<std::uint64_t> reported;
    } cases[] = {{4095, {}}, {4096, {4096}}, {12289, {4096, 8192, 12288}}};
    for (const auto& c : cases) {
        std::vector<std::uint64_t> reported;
        convert(std::string(c.size, 'z'), &reported);
        EXPECT_EQ(reported, c.reported) << c.size;
    }
    THexConversion conversion;
    TMemoryStream stream("abc", 3);
    char buffer[128];
    EXPECT_EQ(conversion.ConvertReadStream(stream, buffer, 82), 0);
    EXPECT_EQ(stream.position(), 0u);
}

TEST(ConversionRegistry, ExtensionsPickTheDump) {
    ConversionRegistry registry;
    for (const char* e : {"bin", "obj", "exe"})
        registry.registerConversion(e, [] { return std::make_unique<THexConversion>(); });
    EXPECT_EQ(registry.extensions(), (std::vector<std::string>{"exe", "obj", "bin"}));
    const struct {
        const char* name;
        bool dump;
    } cases[] = {{"/x/data.bin", true}, {"DATA.BIN", true}, {"a.Exe", true}, {"b.obj", true},
                 {"c.txt", false},      {"bin", false},     {"/a.bin/file", false}, {"d.bin.gz", false},
                 {"e.", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(registry.converts(c.name), c.dump) << c.name;
        EXPECT_EQ(registry.forFile(c.name) != nullptr, c.dump) << c.name;
    }
}

}  // namespace
