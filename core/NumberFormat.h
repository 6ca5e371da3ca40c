#pragma once
// The general number format: how every window shows a computed double.
#include <cstddef>
#include <string>
#include <string_view>

#include <QChar>

namespace kv {

// The default locale's (QLocale()) decimal separator; "." for a locale without one.
QChar localeDecimalPoint();

// The shortest text of v with at most 15 significant digits, using the
// decimal separator of the default locale (QLocale()). Fixed notation for
// magnitudes from 0.0001 up to below 1E15 after rounding, otherwise a
// mantissa with "E" and the exponent ("1E-5", "3.33564095198152E-9", "1E15").
// Zero (either sign) is "0"; NaN is "NAN", infinities "INF" and "-INF".
std::string formatGeneral(double v);

// The same with an explicit decimal separator.
std::string formatGeneral(double v, QChar decimalPoint);

// The separator as the UTF-8 bytes writeGeneral takes.
std::string decimalPointBytes(QChar decimalPoint);

// The most bytes writeGeneral writes with a separator of up to 4 bytes.
inline constexpr std::size_t kGeneralMaxLength = 32;

// Writes formatGeneral's text of v at `out` (room for kGeneralMaxLength
// bytes) with the given separator bytes, without allocating, and returns the
// end of the text: for writers of many numbers, such as a plot's table.
char* writeGeneral(char* out, double v, std::string_view decimalPoint);

}  // namespace kv
