#pragma once
// One whole number three ways: Roman numerals, digits in a base, English words.
// The numerals window and the `numerals` command both fill their boxes here.
#include <string>

namespace numbers {

// The texts of the numerals window's boxes.
struct NumeralsBoxes {
    std::string number = "1";  // typed by the user
    std::string base = "2";    // typed or picked, "2" to "16"
    std::string roman;
    std::string inBase;
    std::string words;
};

// Fills the result boxes from `number` and `base`, in this order:
//  1. an empty number does nothing and returns false (the window beeps);
//  2. the number, read as a 32-bit integer, gives the Roman numeral when it is
//     0 to 32767; otherwise the Roman box keeps its text;
//  3. a base above 16, and then one below 2, becomes "16";
//  4. the digits of the number in that base;
//  5. the number in words.
// A step that fails throws kv::Error ("'x' is not a valid integer value", the
// words' range messages); the boxes filled before it keep their new texts.
bool convertNumerals(NumeralsBoxes& boxes);

}  // namespace numbers
