#pragma once
// `Kvantor2 calc EXPR [NAME=VALUE ...]`: the calculator without its window.
#include <QStringList>
#include <iosfwd>
#include <string>

// Assigns the variables in order (values in the locale's number format, as
// the window reads them), compiles and evaluates the expression and prints
// the value in the general number format. Throws the error's message when a
// value, the expression or the evaluation fails, kv::UsageError for an
// argument that is not NAME=VALUE.
void runCalcCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

class TPars;

// Assigns one "NAME=VALUE" argument of a command (the value in the locale's
// number format). False when the text is not of that form; a value that is no
// number throws its conversion message, a bad name the parser's.
bool assignCommandVariable(TPars& parser, const std::string& assignment);
