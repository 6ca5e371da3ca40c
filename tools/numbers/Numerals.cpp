#include "tools/numbers/Numerals.h"

#include <cmath>
#include <cstdint>

#include "core/NumberRead.h"
#include "tools/numbers/Bin.h"
#include "tools/numbers/Roman.h"
#include "tools/numbers/Unum2str.h"

namespace numbers {

namespace {

// Beyond this the Roman numeral would be mostly M's; the prompt promises less.
constexpr int kRomanBound = 32768;

}  // namespace

bool convertNumerals(NumeralsBoxes& boxes) {
    if (boxes.number.empty()) return false;
    const int value = kv::readInteger(boxes.number);
    // A negative number has no Roman numeral: the box stays as it was.
    if (value >= 0 && value < kRomanBound) boxes.roman = Num2Roman(static_cast<std::uint32_t>(value));
    // Both sides clamp to the largest base, so a mistyped base shows the
    // shortest digits rather than an error.
    if (kv::readInteger(boxes.base) > 16) boxes.base = "16";
    if (kv::readInteger(boxes.base) < 2) boxes.base = "16";
    const auto base = static_cast<std::uint8_t>(std::trunc(kv::readFloat(boxes.base)));
    boxes.inBase = DecToBase(value, base);
    boxes.words = Num2Dollars(kv::readFloat(boxes.number));
    return true;
}

}  // namespace numbers
