#pragma once
// Roman numerals of whole numbers.
#include <cstdint>
#include <string>

namespace numbers {

// The Roman numeral of `value`, written greedily with the subtractive pairs
// (IV, IX, XL, XC, CD, CM). There is no letter above M, so 4000 and more
// repeat M as often as it fits. 0 gives "".
std::string Num2Roman(std::uint32_t value);

}  // namespace numbers
