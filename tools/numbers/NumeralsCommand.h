#pragma once
#include <QStringList>
#include <iosfwd>

namespace numbers {

// `Kvantor2 numerals N [BASE]`: the Roman numeral, the digits in BASE (2 when
// not given) and the words of N, one line each, as the numerals window fills
// its boxes (a box the window would leave untouched prints empty). A failure
// prints the boxes filled so far and throws the window's message.
void runNumeralsCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace numbers
