#include "parser/CalcCommand.h"

#include <ostream>
#include <string>

#include "core/Command.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "parser/Parser10.h"

bool assignCommandVariable(TPars& parser, const std::string& assignment) {
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    double value = 0;
    try {
        value = kv::readFloat(assignment.substr(equals + 1));
    } catch (const kv::Error& e) {
        // Several values may be given: name the one that is wrong.
        throw kv::Error(assignment.substr(0, equals) + ": " + e.what());
    }
    parser.SetVariable(assignment.substr(0, equals), value);
    return true;
}

void runCalcCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    TPars parser;
    for (qsizetype k = 1; k < args.size(); ++k) {
        if (!assignCommandVariable(parser, args[k].toStdString()))
            throw kv::UsageError("'" + args[k].toStdString() + "' is not NAME=VALUE");
    }
    parser.SetExpression(args[0].toStdString());
    out << kv::formatGeneral(parser.Value()) << "\n";
}
