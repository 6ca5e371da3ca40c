#pragma once
// Numeric index keys of dBASE IV: 12-byte binary-coded decimals.
//
// Byte 0 is 52 plus the decimal exponent E of 0.d1d2d3... x 10^E; byte 1 holds
// the digit count in bits 2-6, a constant 1 in bit 0 and the sign in bit 7;
// bytes 2-11 hold up to 20 digits, two per byte, the first in the high nibble.
#include <array>
#include <cstdint>

namespace dbase::mdx {

using BcdKey = std::array<std::uint8_t, 12>;

// Exact: the digits are the shortest decimal that reads back as `value`.
// Throws DbfError for a value no BCD key can hold (NaN, infinities, exponents
// beyond the byte).
BcdKey encodeBcd(double value);

// Throws DbfError for bytes that are not a BCD key.
double decodeBcd(const BcdKey& key);

}  // namespace dbase::mdx
