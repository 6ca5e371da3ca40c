#include "tools/numbers/Unum2str.h"

#include <cmath>
#include <cstdint>

#include "core/Error.h"

namespace numbers {

namespace {

const char* const kOnes[] = {"Zero",    "One",     "Two",       "Three",    "Four",
                             "Five",    "Six",     "Seven",     "Eight",    "Nine",
                             "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                             "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const char* const kTens[] = {"Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// A group of three digits, 1..999, with the tens and units after the hundreds.
std::string groupWords(int group) {
    if (group <= 99) return ZeroTo99(group);
    std::string text = HundredsWord(group);
    if (group % 100 != 0) text += " " + ZeroTo99(group % 100);
    return text;
}

}  // namespace

std::string onetonine(int value) {
    if (value < 1 || value > 9) throw kv::Error("onetonine: value out of range");
    return kOnes[value];
}

std::string ZeroTo19(int value) {
    if (value < 0 || value > 19) throw kv::Error("Bad value in dNum");
    if (value >= 1 && value <= 9) return onetonine(value);
    return kOnes[value];
}

std::string TwentyTo99(int value) {
    if (value < 20 || value > 99) throw kv::Error("TwentyTo99: dNum out of range!");
    std::string text = kTens[value / 10 - 2];
    if (value % 10 != 0) text += " " + onetonine(value % 10);
    return text;
}

std::string ZeroTo99(int value) { return value <= 19 ? ZeroTo19(value) : TwentyTo99(value); }

std::string HundredsWord(int value) {
    if (value < 100 || value > 999) throw kv::Error("hundreds range exceeded");
    return ZeroTo99(value / 100) + " Hundred";
}

std::string Num2Dollars(double value) {
    if (value < 0) throw kv::Error("Negative numbers not supported");
    if (!(value <= 999999999.99)) throw kv::Error("Num2Dollars only supports up to the millions at this point!");
    auto n = static_cast<std::int64_t>(std::trunc(value));
    std::string text;
    if (n >= 1000000) {
        const auto millions = n / 1000000;
        text = groupWords(static_cast<int>(millions)) + " Million";
        n -= millions * 1000000;
    }
    if (n >= 1000) {
        const auto thousands = n / 1000;
        if (!text.empty()) text += " ";
        text += groupWords(static_cast<int>(thousands)) + " Thousand";
        n -= thousands * 1000;
    }
    // Below a thousand the words start with a space: the text has always read so.
    if (n >= 100) {
        text += " " + HundredsWord(static_cast<int>(n));
        n %= 100;
    }
    if (n > 0 || text.empty()) text += " " + ZeroTo99(static_cast<int>(n));
    return text + " ";
}

}  // namespace numbers
