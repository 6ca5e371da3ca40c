#pragma once
// Scratch directories, sample tables and the open units table of the table
// engine's tests.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dbase/DbfWriter.h"
#include "data/dbase/Table.h"

namespace dbase::testing {

// A fresh directory under /tmp, removed with its files at the end of the test.
class ScratchDir {
public:
    ScratchDir() {
        char name[] = "/tmp/kv-dbf-XXXXXX";
        if (!::mkdtemp(name)) throw std::runtime_error("mkdtemp failed");
        path_ = name;
    }
    ~ScratchDir() {
        for (const std::string& f : files()) ::unlink((path_ + "/" + f).c_str());
        ::rmdir(path_.c_str());
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return path_ + "/" + name; }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        if (DIR* dir = ::opendir(path_.c_str())) {
            while (const dirent* e = ::readdir(dir)) {
                const std::string n = e->d_name;
                if (n != "." && n != "..") names.push_back(n);
            }
            ::closedir(dir);
        }
        return names;
    }

private:
    std::string path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

// A small units table in the shape of the converter's: CLASS, NUMBER, NAME,
// OBOZN, INDEX. Physical order is deliberately not the NUMBER order.
inline NewTable unitsTable() {
    NewTable t;
    t.version = 4;
    t.codePage = 1251;
    t.fields = {{"CLASS", 'N', 3, 0}, {"NUMBER", 'N', 3, 0}, {"NAME", 'C', 40, 0},
                {"OBOZN", 'C', 20, 0}, {"INDEX", 'N', 20, 10}};
    t.rows = {
        {"28", "1", "Fahrenheit", "°F", ""},
        {"1", "1", "metre", "m", "1"},
        {"28", "0", "Celsius", "°C", ""},
        {"1", "0", "millimetre", "mm", "0.001"},
        {"2", "0", "gram", "g", "0.001"},
        {"28", "2", "Kelvin", "K", ""},
        {"1", "2", "kilometre", "km", "1000"},
        {"2", "1", "Килограмм", "кг", "1"},
    };
    return t;
}

// The field's values over the visible rows, walked from the first.
inline std::vector<std::string> column(Table& t, const char* field) {
    std::vector<std::string> values;
    for (t.first(); !t.eof(); t.next()) values.push_back(t.asString(field));
    return values;
}

// The units table, written to members.DBF of a scratch directory and opened.
class OpenUnitsTable : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("members.DBF");
        writeTable(path, unitsTable());
        table.setFileName(path);
        table.open();
    }

    ScratchDir dir;
    std::string path;
    Table table;
};

}  // namespace dbase::testing
