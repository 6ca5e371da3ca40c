#pragma once
// A health report of the reference tables: which opened, with what inside.
#include <QString>
#include <string>

struct TableReport {
    std::string text;     // one block per table, in opening order
    bool allOpen = false;
};

// Opens the tables from `dir` the way the program does (the data module's
// nine at start-up, then the periodic table's two; each failure is reported
// in the text beside its table, not in a message box) and describes them.
TableReport reportTables(const QString& dir);
