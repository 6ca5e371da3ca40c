#include "tools/engineering/RadioCommand.h"

#include <ostream>

#include "core/Error.h"
#include "tools/engineering/RadioWave.h"

namespace engineering {

namespace {

void runRadio(const QStringList& args, std::ostream& out, bool fromFrequency) {
    RadioBoxes boxes;
    (fromFrequency ? boxes.frequency : boxes.wavelength) = args[0].toStdString();
    if (!(fromFrequency ? toWavelength(boxes) : toFrequency(boxes)))
        throw kv::Error(fromFrequency ? "A frequency of 0 has no wavelength" : "A wavelength of 0 has no frequency");
    out << "Radio frequency: " << boxes.frequency << " Hz\n"
        << "Wavelength: " << boxes.wavelength << " m\n"
        << "Period T=1/f: " << boxes.period << " sec\n";
}

}  // namespace

void runWavelengthCommand(const QStringList& args, std::ostream& out, std::ostream&) { runRadio(args, out, true); }

void runFrequencyCommand(const QStringList& args, std::ostream& out, std::ostream&) { runRadio(args, out, false); }

}  // namespace engineering
