#pragma once
// Radio frequency, wavelength and period: the radio window's arithmetic on the
// texts of its three boxes.
#include <string>

namespace engineering {

// The speed of light in vacuum, exact by the definition of the metre.
inline constexpr double kSpeedOfLight = 299792458.0;  // m/s

// The three boxes as the user sees them: hertz, metres, seconds.
struct RadioBoxes {
    std::string frequency = "0";
    std::string wavelength = "0";
    std::string period = "0";
};

// Wavelength and period from the frequency. A frequency of 0 changes
// nothing (returns false). Throws kv::Error for text that is no number or a
// floating-point fault; the boxes are then left as they were.
bool toWavelength(RadioBoxes& boxes);

// Frequency from the wavelength, then the period from the frequency as
// written in its box (15 significant digits), so that the three boxes agree
// with one another as shown. A wavelength of 0 changes nothing.
bool toFrequency(RadioBoxes& boxes);

}  // namespace engineering
