#pragma once
// A health report of the reference tables: which opened, with what inside.
#include <QString>
#include <string>

struct TableReport {
    std::string text;     // one block per table, in opening order
    bool allOpen = false;
};

// Opens the nine tables from `dir` the way the program does at start-up
// (errors are reported in the text, not in message boxes) and describes them.
TableReport reportTables(const QString& dir);
