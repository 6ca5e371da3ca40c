// Prints what the engine reads from tables, for the compatibility scripts:
//   dbf_dump TABLE          fields and visible rows (physical order) as JSON
//   dbf_dump --codepage N   the 256 characters of code page N as code points
//   dbf_dump --drivers      language driver byte -> code page
#include <cstdio>
#include <iostream>
#include <string>

#include "data/dbase/CodePages.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/dbf_tool_json.h"

using namespace dbase;
using dbase::testing::jsonString;

namespace {

// Decodes one UTF-8 character (the decoder's output is always valid).
unsigned codePointOf(const std::string& s) {
    const auto b = [&](std::size_t i) { return unsigned(static_cast<unsigned char>(s[i])); };
    if (s.size() == 1) return b(0);
    if (s.size() == 2) return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    if (s.size() == 3) return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
}

void dumpTable(const std::string& path) {
    Table table;
    table.setFileName(path);
    table.open();
    std::cout << "{\"codePage\": " << table.codePage() << ", \"fields\": [";
    const auto& fields = table.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::cout << (i ? ", " : "") << "[" << jsonString(fields[i].name) << ", " << jsonString(std::string(1, fields[i].type))
                  << ", " << fields[i].length << ", " << fields[i].decimals << "]";
    std::cout << "], \"rows\": [";
    bool firstRow = true;
    for (table.first(); !table.eof(); table.next()) {
        std::cout << (firstRow ? "" : ", ") << "[";
        firstRow = false;
        for (std::size_t i = 0; i < fields.size(); ++i) std::cout << (i ? ", " : "") << jsonString(table.asString(int(i)));
        std::cout << "]";
    }
    std::cout << "]}\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string arg = argc > 1 ? argv[1] : "";
    try {
        if (arg == "--codepage" && argc > 2) {
            const int page = std::stoi(argv[2]);
            if (!codePageSupported(page)) throw DbfError("code page " + std::string(argv[2]) + " is not supported");
            std::cout << "[";
            for (int b = 0; b < 256; ++b)
                std::cout << (b ? ", " : "") << codePointOf(decodeText(std::string(1, char(b)), page));
            std::cout << "]\n";
        } else if (arg == "--drivers") {
            std::cout << "{";
            bool first = true;
            for (int b = 1; b < 256; ++b) {
                const int page = codePageForDriver(std::uint8_t(b));
                if (!page) continue;
                std::cout << (first ? "" : ", ") << "\"" << b << "\": " << page;
                first = false;
            }
            std::cout << "}\n";
        } else if (!arg.empty()) {
            dumpTable(arg);
        } else {
            std::cerr << "usage: dbf_dump TABLE | --codepage N | --drivers\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
