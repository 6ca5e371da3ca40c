#include "tools/engineering/DecibelCommand.h"

#include <ostream>

#include "core/Command.h"
#include "tools/engineering/Decibel.h"

namespace engineering {

void runDecibelCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    QStringList values = args;
    const bool field = values.removeAll(QStringLiteral("--field")) > 0;
    if (values.size() != 2 || values[0].startsWith(QLatin1String("--")) || values[1].startsWith(QLatin1String("--")))
        throw kv::UsageError();
    const auto level =
        decibelText(values[0].toStdString(), values[1].toStdString(), field ? Quantity::Field : Quantity::Power);
    if (!level) throw kv::Error("V2 and V1 must both be greater than 0");
    out << *level << "\n";
}

}  // namespace engineering
