#pragma once
// Reading a colour code: the texts the resistor and capacitor pages show for
// the band entries picked (each an index into its list of ColorBands.h).
#include <string>

namespace engineering {

struct ResistorCode {
    int first = 0, second = 0, multiplier = 0, tolerance = 0;
};

struct ResistorReading {
    std::string ohms;       // the value in the general number format
    std::string scaled;     // "4.7 KOhm", "1 MOhm", or empty below 1000 ohms
    std::string tolerance;  // "20%" ...
};

ResistorReading readResistor(const ResistorCode& code);

// The value once more in kilo-ohms (from 1000 ohms) or mega-ohms (from
// 1000000 ohms), read back from its shown text; empty below 1000 ohms.
std::string scaledResistance(const std::string& shownOhms);

struct CapacitorCode {
    int coefficient = 0, first = 0, second = 0, multiplier = 0, tolerance = 0;
};

struct CapacitorReading {
    std::string coefficient;  // ppm/°C, as the band's table writes it
    std::string picofarads;   // in the general number format
    std::string tolerance;
};

CapacitorReading readCapacitor(const CapacitorCode& code);

}  // namespace engineering
