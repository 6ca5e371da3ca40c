#pragma once
// The general number format: how every window shows a computed double.
#include <string>

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

}  // namespace kv
