#pragma once
// Whole numbers written in another base.
#include <cstdint>
#include <string>

namespace numbers {

// The digits of `value` in `base` (2 to 16, digits "0123456789ABCDEF"), most
// significant first, without prefix or leading zeros; 0 gives "0". A negative
// value is written as a minus sign before the digits of its magnitude.
// Throws kv::Error for a base outside 2..16.
std::string DecToBase(std::int32_t value, std::uint8_t base);

}  // namespace numbers
