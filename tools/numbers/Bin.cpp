#include "tools/numbers/Bin.h"

#include "core/Error.h"

namespace numbers {

std::string DecToBase(std::int32_t value, std::uint8_t base) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (base < 2 || base > 16) throw kv::Error("Base " + std::to_string(base) + " is not between 2 and 16");
    // The magnitude in 64 bits: -2147483648 has no 32-bit opposite.
    std::int64_t rest = value;
    if (rest < 0) rest = -rest;
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[rest % base]);
        rest /= base;
    } while (rest != 0);
    if (value < 0) digits.insert(digits.begin(), '-');
    return digits;
}

}  // namespace numbers
