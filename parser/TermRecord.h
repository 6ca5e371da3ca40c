#pragma once
// A node of the compile-time tree: one term of the expression and where its
// value goes in the operation grid.
#include <string_view>

struct TermRecord {
    // Views into the prepared expression text, which outlives the tree.
    std::string_view Text;
    // Operand texts of the last split tried; a single blank until then, which
    // no real operand can be (blanks are refused before compiling).
    std::string_view LeftText = " ";
    std::string_view RightText = " ";
    int Level = 0;     // the whole expression is level 0
    int Position = 1;  // with Level: the operation this term feeds
    int Side = 1;      // 1: feeds Arg1 of that operation, 2: Arg2
};
