#pragma once
// A health report of the reference tables: which opened, with what inside.
#include <QString>
#include <string>

struct TableReport {
    std::string text;     // one block per table, in opening order
    bool allOpen = false;
};

// Opens the nine tables from `dir` the way the program does at start-up
// (each failure is reported in the text beside its table, not in a message
// box) and describes them.
TableReport reportTables(const QString& dir);
