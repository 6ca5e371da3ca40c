#pragma once
// Reading numbers typed by the user.
//
// A float is: optional blanks (spaces, tabs), an optional sign, digits with at
// most one decimal separator (digits may be missing on one side: "1." and ".5"
// are numbers), an optional exponent (E or e, optional sign, digits) and
// optional blanks. Group separators, "INF", "NAN" and hexadecimal are not
// numbers, nor is a value beyond the range of a double (a value too small for
// it reads as zero). The decimal separator is the default locale's (QLocale()).
#include <optional>
#include <string>

#include <QChar>

namespace kv {

// Throws kv::Error "'<text>' is not a valid floating point value".
double readFloat(const std::string& text);
double readFloat(const std::string& text, QChar decimalPoint);

// On the command line a script's numbers must not depend on the user's
// locale: once this is called, the readers without an explicit separator
// take a "." as well as the locale's separator (a number has one separator,
// so either reading is unambiguous). Windows never call it.
void alsoReadDecimalDot();

// For windows that report bad input with their own message.
std::optional<double> tryReadFloat(const std::string& text);
std::optional<double> tryReadFloat(const std::string& text, QChar decimalPoint);

// An integer: optional blanks, optional sign, decimal digits, optional blanks.
// The program's integers are 32-bit, so anything outside that range is no
// integer either. Throws kv::Error "'<text>' is not a valid integer value".
int readInteger(const std::string& text);
std::optional<int> tryReadInteger(const std::string& text);

}  // namespace kv
