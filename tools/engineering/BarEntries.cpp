#include "tools/engineering/BarEntries.h"

#include "core/LastingWindow.h"
#include "tools/engineering/Color_h.h"
#include "tools/engineering/Cost.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Resist.h"
#include "tools/engineering/Unit2.h"

namespace engineering {

using kv::BarMenuPart;

const std::vector<kv::BarEntry>& barEntries() {
    static const std::vector<kv::BarEntry> entries = {
        {.button = {"SpeedButton6", 63, 4, "Volume of tanks", "tanks"},
         .menu = {"Volumeoftanks1", "Volume of tanks", BarMenuPart::Tools, 110},
         .open = kv::showFreshWindow<TVolForm>},
        {.button = {"SpeedButton15", 118, 4, "Radio frequency to length wave", "radio"},
         .menu = {"Radiofrequencytolength1", "Radio frequency to Wavelength", BarMenuPart::Tools, 70},
         .open = kv::showFreshWindow<TForm2>},
        {.button = {"SpeedButton19", 145, 4, "decibel", "decibel"},
         .menu = {"Decibel1", "Decibel", BarMenuPart::Tools, 60},
         .open = [](QWidget*) { kv::lastingWindow(DecForm).exec(); }},
        {.button = {"SpeedButton11", 35, 32, "Resistors, capacitors values and many other", "resistors"},
         .menu = {"Resistorcapacitorsvaluesand1", "Resistor, capacitors values and ...", BarMenuPart::Tools, 100},
         .open = [](QWidget*) { kv::lastingWindow(Form6).exec(); }},
        {.button = {"SpeedButton8", 91, 32, "RGB color", "rgb"},
         .menu = {"RGBcolor1", "RGB color", BarMenuPart::Tools, 130},
         .open = kv::showFreshWindow<TForm4>},
    };
    return entries;
}

}  // namespace engineering
