#pragma once
// Index key expressions of dBASE tags ("NAME", "str(CLASS)+NUMBER", "UPPER(NAME)").
//
// Understood: field names; 'text' and number literals; "+" (sum of numbers,
// else concatenation, where a number field joined to text counts as
// STR(field) with the field's width and decimals); UPPER, LOWER, STR(x[,len
// [,dec]]), DTOS, TRIM, RTRIM, LTRIM, ALLTRIM, LEFT, RIGHT, SUBSTR and VAL.
#include <functional>
#include <string>
#include <vector>

#include "data/dbase/Table.h"

namespace dbase {

struct Key {
    bool numeric = false;
    double number = 0;
    std::string text;  // UTF-8
};

// Text keys: trailing blanks and letter case ignored. Numbers: numeric order.
// A number sorts before a text (mixed keys only arise from bad data).
int compareKeys(const Key& a, const Key& b);
// A text key as compareKeys sees it: the same order and equality come from
// comparing these as plain sequences, so a sort folds each key once.
std::u32string foldedKeyText(const Key& key);

class KeyExpression {
public:
    // Throws DbfError naming the expression when it cannot be evaluated.
    KeyExpression(const std::string& text, const std::vector<FieldDef>& fields);
    ~KeyExpression();
    KeyExpression(const KeyExpression&);
    KeyExpression& operator=(const KeyExpression&);
    KeyExpression(KeyExpression&&) noexcept;
    KeyExpression& operator=(KeyExpression&&) noexcept;

    bool numeric() const;
    // fieldText(i) yields field i of the record as decoded text.
    Key evaluate(const std::function<std::string(int)>& fieldText) const;

    struct Node;  // parsed form, defined where the parser lives

private:
    std::vector<Node> nodes_;
    std::vector<FieldDef> fields_;
    bool numeric_ = false;
};

}  // namespace dbase
