#pragma once
// The colour bands of leaded resistors and ceramic capacitors: what each band
// list offers, in the lists' order, with the value or text it stands for and
// the colour the drawing paints the band in.
#include <span>
#include <string>

namespace engineering {

struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb brown{112, 60, 24};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb orange{255, 140, 16};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb violet{184, 100, 208};
inline constexpr Rgb gray{128, 128, 128};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb gold{184, 160, 96};
inline constexpr Rgb silver{192, 192, 192};
// The component's body: a band of this colour does not show.
inline constexpr Rgb body{216, 164, 112};
}  // namespace colours

// A band whose entry stands for a number: a digit or a multiplier.
struct NumberBand {
    const char* entry;
    double number;
    Rgb colour;
};

// A band whose entry stands for a text: a tolerance or a temperature coefficient.
struct TextBand {
    const char* entry;
    const char* text;
    Rgb colour;
};

// Black 0 to White 9; the lists show each as "[digit]  Name".
std::span<const NumberBand> digitBands();
std::string digitEntry(int digit);

// The resistor's third band. White and Grey divide, as Gold and Silver do.
std::span<const NumberBand> resistorMultiplierBands();
// The resistor's fourth band; "No Band" is a body-coloured band.
std::span<const TextBand> resistorToleranceBands();

// The capacitor's first band, ppm/°C, each text four characters wide.
std::span<const TextBand> capacitorCoefficientBands();
// The capacitor's fourth band, giving the value in pF.
std::span<const NumberBand> capacitorMultiplierBands();
// The capacitor's fifth band: "percent at 10 pF and more / pF below 10 pF".
std::span<const TextBand> capacitorToleranceBands();

}  // namespace engineering
