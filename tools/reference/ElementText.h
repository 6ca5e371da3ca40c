#pragma once
// The periodic table's computed texts, and its commands built from the same
// texts: the mass of one atom in kilograms, the padded shell column, an
// element's record and details as the window shows them.
#include <QChar>
#include <QString>
#include <QStringList>
#include <iosfwd>

#include "tools/reference/ElementData.h"

namespace reference {

// The letters of the shell column, top to bottom.
inline constexpr const char* kShellLetters = "QPONMLK";

// MASS × 1.66E-27 in scientific form with four significant digits and a
// signed exponent of at least three digits, with `decimalPoint` between the
// first two digits: a MASS of 1.00794 is "1.673E-027".
QString massInKilograms(double mass, QChar decimalPoint);

// ORBIT pushed down to the seven shells: spaces before it, three for each
// shell the element lacks, counted from its length in three-character cells
// (a length of 7 to 9 gets 12, 19 or more none, an empty ORBIT 21).
QString shellColumn(const QString& orbit);

// MASS as the window shows it: the general number format.
QString massText(double mass, QChar decimalPoint);

// The window's lower part as lines: symbol and name, "Ar  =", "m  =",
// valency, the shell column under its letters, then the details with their
// captions.
QStringList elementLines(const ElementRecord& record, const ElementDetails& details, QChar decimalPoint);

// `Kvantor2 element SYMBOL|NUMBER|NAME` and `Kvantor2 elements`, reading the
// tables beside the program. Throw when no element fits or a table cannot be read.
void runElementCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runElementsCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace reference
