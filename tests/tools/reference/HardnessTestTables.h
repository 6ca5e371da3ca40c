#pragma once
// Small steel hardness tables (rows, heading boxes, heading texts) written for
// a test, with the shipped tables' field layouts.
#include <string>
#include <vector>

#include "data/dbase/DbfWriter.h"

namespace hardness_test {

struct Box {
    int num, left, top, height, width;
    bool visible;
    int colour;
};

inline void writeBoxes(const std::string& path, const std::vector<Box>& boxes) {
    dbase::NewTable t;
    t.fields = {{"NUM", 'N', 2, 0}, {"L", 'N', 4, 0}, {"TOP", 'N', 4, 0}, {"H", 'N', 4, 0},
                {"W", 'N', 4, 0},   {"V", 'L', 1, 0}, {"COL", 'N', 2, 0}};
    for (const Box& b : boxes)
        t.rows.push_back({std::to_string(b.num), std::to_string(b.left), std::to_string(b.top),
                          std::to_string(b.height), std::to_string(b.width), b.visible ? "T" : "F",
                          std::to_string(b.colour)});
    dbase::writeTable(path, t);
}

// Each row: NUM, then the texts (nam_1.dbf) or the data fields (rvb.dbf).
inline void writeTexts(const std::string& path, const std::vector<std::vector<std::string>>& rows, int fields,
                       const char* prefix, int firstNumber) {
    dbase::NewTable t;
    t.fields = {{"NUM", 'N', 2, 0}};
    for (int i = 0; i < fields; ++i) t.fields.push_back({prefix + std::to_string(firstNumber + i), 'C', 40, 0});
    for (std::vector<std::string> row : rows) {
        row.resize(static_cast<size_t>(fields) + 1);
        t.rows.push_back(row);
    }
    dbase::writeTable(path, t);
}

}  // namespace hardness_test
