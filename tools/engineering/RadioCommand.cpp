#include "tools/engineering/RadioCommand.h"

#include <ostream>

#include "core/Error.h"
#include "tools/engineering/RadioWave.h"

namespace engineering {

namespace {

int runRadio(const QStringList& args, std::ostream& out, std::ostream& err, bool fromFrequency) {
    const char* const usage = fromFrequency ? "Usage: Kvantor2 wavelength HZ\n" : "Usage: Kvantor2 frequency METRES\n";
    if (args.size() != 1) {
        err << usage;
        return 2;
    }
    RadioBoxes boxes;
    (fromFrequency ? boxes.frequency : boxes.wavelength) = args[0].toStdString();
    try {
        if (!(fromFrequency ? toWavelength(boxes) : toFrequency(boxes))) {
            err << (fromFrequency ? "A frequency of 0 has no wavelength\n" : "A wavelength of 0 has no frequency\n");
            return 1;
        }
    } catch (const kv::Error& e) {
        err << e.what() << "\n";
        return 1;
    }
    out << "Radio frequency: " << boxes.frequency << " Hz\n"
        << "Wavelength: " << boxes.wavelength << " m\n"
        << "Period T=1/f: " << boxes.period << " sec\n";
    return 0;
}

}  // namespace

int runWavelengthCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    return runRadio(args, out, err, true);
}

int runFrequencyCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    return runRadio(args, out, err, false);
}

}  // namespace engineering
