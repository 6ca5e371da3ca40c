#include "tools/engineering/CommandRows.h"

#include "tools/engineering/DecibelCommand.h"
#include "tools/engineering/RadioCommand.h"
#include "tools/engineering/ResistCommands.h"
#include "tools/engineering/RgbCommand.h"
#include "tools/engineering/TankCommand.h"

namespace engineering {

using kv::kAnyCount;

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"tank", 1, kAnyCount,
         "tank SHAPE VALUES... [--length UNIT] [--density VALUE MASSUNIT VOLUMEUNIT] [--volume UNIT] [--mass UNIT] "
         "[--area UNIT]",
         "volume, mass and area of the liquid in a tank", runTankCommand,
         "SHAPE VALUE... --length=UNIT --density=VALUE --volume=UNIT --mass=UNIT --area=UNIT"},
        {"resistor", 3, 4, "resistor BAND1 BAND2 MULTIPLIER [TOLERANCE]",
         "a resistor's value in ohms from its colour bands", runResistorCommand,
         "BAND1 BAND2 MULTIPLIER TOLERANCE"},
        {"capacitor", 4, 5, "capacitor COEFFICIENT BAND2 BAND3 MULTIPLIER [TOLERANCE]",
         "a ceramic capacitor's value in pF from its colour bands", runCapacitorCommand,
         "COEFFICIENT BAND2 BAND3 MULTIPLIER TOLERANCE"},
        {"ohm", 3, 3, "ohm I U R", "Ohm's law: the unknown one (written ?) from the other two",
         runOhmCommand, "I U R"},
        {"series", 1, kAnyCount, "series R...", "resistors in series", runSeriesCommand, "R..."},
        {"parallel", 1, kAnyCount, "parallel R...", "resistors in parallel", runParallelCommand,
         "R..."},
        {"wavelength", 1, 1, "wavelength HZ", "the wavelength and period of a radio frequency",
         runWavelengthCommand, "HZ"},
        {"frequency", 1, 1, "frequency METRES", "the radio frequency and period of a wavelength",
         runFrequencyCommand, "METRES"},
        {"decibel", 2, 3, "decibel V2 V1 [--field]",
         "the level of V2 over V1 in decibels (10 lg; 20 lg with --field)", runDecibelCommand,
         "V2 V1"},
        {"rgb", 1, 3, "rgb R G B | rgb NAME",
         "a colour's components and its value in hexadecimal (blue, green, red)", runRgbCommand,
         "R G B", nullptr, rgbCommandReadsDesktop},
    };
    return rows;
}

}  // namespace engineering
