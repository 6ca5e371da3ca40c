#include "tools/engineering/DecibelCommand.h"

#include <ostream>

#include "core/Error.h"
#include "tools/engineering/Decibel.h"

namespace engineering {

int runDecibelCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    QStringList values = args;
    const bool field = values.removeAll(QStringLiteral("--field")) > 0;
    if (values.size() != 2 || values[0].startsWith(QLatin1String("--")) || values[1].startsWith(QLatin1String("--"))) {
        err << "Usage: Kvantor2 decibel V2 V1 [--field]\n";
        return 2;
    }
    try {
        const auto level =
            decibelText(values[0].toStdString(), values[1].toStdString(), field ? Quantity::Field : Quantity::Power);
        if (!level) {
            err << "V2 and V1 must both be greater than 0\n";
            return 1;
        }
        out << *level << "\n";
    } catch (const kv::Error& e) {
        err << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace engineering
