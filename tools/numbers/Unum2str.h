#pragma once
// Whole numbers in English words: "One Thousand Nine Hundred Ninety Four".
//
// Each routine throws kv::Error with its own message when its argument lies
// outside its range (bounds included).
#include <string>

namespace numbers {

// 1..9: "One".."Nine". Else "onetonine: value out of range".
std::string onetonine(int value);
// 0..19: "Zero".."Nineteen". Else "Bad value in dNum".
std::string ZeroTo19(int value);
// 20..99: the tens, then a space and the units unless they are 0 ("Forty Two").
// Else "TwentyTo99: dNum out of range!".
std::string TwentyTo99(int value);
// 0..99, through ZeroTo19 or TwentyTo99.
std::string ZeroTo99(int value);
// 100..999: the hundreds digit and " Hundred" only ("Four Hundred" for 456).
// Else "hundreds range exceeded".
std::string HundredsWord(int value);

// The whole part of `value` (truncated, never rounded), 0 to 999,999,999.99,
// in words. The text always ends with one space and begins with one when the
// value is below 1000: 5 gives " Five ", 1994 "One Thousand Nine Hundred
// Ninety Four ". Throws "Negative numbers not supported" below 0 and "Num2Dollars
// only supports up to the millions at this point!" above the range (or for NaN).
std::string Num2Dollars(double value);

}  // namespace numbers
