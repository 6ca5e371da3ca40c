#include "tools/numbers/Roman.h"

#include <array>
#include <utility>

namespace numbers {

namespace {

// Ascending, as the greedy walk steps down from the top.
constexpr std::array<std::pair<std::uint32_t, const char*>, 13> kRoman = {{
    {1, "I"}, {4, "IV"}, {5, "V"}, {9, "IX"}, {10, "X"}, {40, "XL"}, {50, "L"},
    {90, "XC"}, {100, "C"}, {400, "CD"}, {500, "D"}, {900, "CM"}, {1000, "M"},
}};

}  // namespace

std::string Num2Roman(std::uint32_t value) {
    std::string text;
    for (auto entry = kRoman.rbegin(); value > 0 && entry != kRoman.rend(); ++entry) {
        while (value >= entry->first) {
            text += entry->second;
            value -= entry->first;
        }
    }
    return text;
}

}  // namespace numbers
