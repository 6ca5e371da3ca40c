#include "tools/engineering/ColorBands.h"

namespace engineering {

using namespace colours;

namespace {

constexpr NumberBand kDigits[] = {
    {"Black", 0, black},  {"Brown", 1, brown},   {"Red", 2, red},   {"Orange", 3, orange}, {"Yellow", 4, yellow},
    {"Green", 5, green},  {"Blue", 6, blue},     {"Violet", 7, violet}, {"Gray", 8, gray}, {"White", 9, white},
};

// White and Grey are 0.1 and 0.01 here (not 10^9 and 10^8), and White comes
// before Grey: resistors of that size carry no such code, and the lists of
// this program have always read them so.
constexpr NumberBand kResistorMultipliers[] = {
    {"Black", 1, black},          {"Brown", 10, brown},          {"Red", 100, red},
    {"Orange", 1000, orange},     {"Yellow", 10000, yellow},     {"Green", 100000, green},
    {"Blue", 1000000, blue},      {"Violet", 10000000, violet},  {"White", 0.1, white},
    {"Grey", 0.01, gray},         {"Gold", 0.1, gold},           {"Silver", 0.01, silver},
};

constexpr TextBand kResistorTolerances[] = {
    {"No Band", "20%", body}, {"Silver", "10%", silver}, {"Gold", "5%", gold},       {"Brown", "1%", brown},
    {"Red", "2%", red},       {"Orange", "3%", orange},  {"Yellow", "4%", yellow},
};

constexpr TextBand kCapacitorCoefficients[] = {
    {"Black", "   0", black},  {"Brown", " -30", brown}, {"Red", " -80", red},       {"Orange", "-150", orange},
    {"Yellow", "-220", yellow}, {"Green", "-330", green}, {"Blue", "-470", blue},     {"Violet", "-750", violet},
    {"Gray", "  30", gray},    {"White", " 500", white},
};

constexpr NumberBand kCapacitorMultipliers[] = {
    {"Black", 1, black},       {"Brown", 10, brown}, {"Red", 100, red},
    {"Orange", 1000, orange},  {"Gray", 0.01, gray}, {"White", 0.1, white},
};

constexpr TextBand kCapacitorTolerances[] = {
    {"No Band", "0", body},      {"Black", "20/2", black}, {"Orange", "1/0.1", orange}, {"Green", "5/0.5", green},
    {"Gray", "-/0.25", gray},    {"Brown", "1/0.1", brown}, {"Red", "2/-", red},
};

}  // namespace

std::span<const NumberBand> digitBands() { return kDigits; }

std::string digitEntry(int digit) {
    return "[" + std::to_string(digit) + "]  " + kDigits[digit].entry;
}

std::span<const NumberBand> resistorMultiplierBands() { return kResistorMultipliers; }
std::span<const TextBand> resistorToleranceBands() { return kResistorTolerances; }
std::span<const TextBand> capacitorCoefficientBands() { return kCapacitorCoefficients; }
std::span<const NumberBand> capacitorMultiplierBands() { return kCapacitorMultipliers; }
std::span<const TextBand> capacitorToleranceBands() { return kCapacitorTolerances; }

}  // namespace engineering
