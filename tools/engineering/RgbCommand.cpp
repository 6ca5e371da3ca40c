#include "tools/engineering/RgbCommand.h"

#include <ostream>

#include <QGuiApplication>

#include "core/Error.h"
#include "tools/engineering/RgbColour.h"

namespace engineering {

namespace {

const NamedColour* namedIn(const QStringList& args) {
    return args.size() == 1 ? findNamedColour(args[0].toStdString()) : nullptr;
}

}  // namespace

bool rgbCommandReadsDesktop(const QStringList& args) {
    const NamedColour* named = namedIn(args);
    return named && isSystemColour(named->value);
}

int runRgbCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 && args.size() != 3) {
        err << "Usage: Kvantor2 rgb R G B   or   Kvantor2 rgb NAME\n";
        return 2;
    }
    Rgb colour;
    if (args.size() == 3) {
        try {
            colour = {componentEntry(args[0].toStdString()).value, componentEntry(args[1].toStdString()).value,
                      componentEntry(args[2].toStdString()).value};
        } catch (const kv::Error& e) {
            err << e.what() << "\n";
            return 1;
        }
    } else if (const NamedColour* named = namedIn(args)) {
        if (!isSystemColour(named->value)) {
            colour = fromColourValue(named->value);
        } else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            colour = resolveColour(named->value, QGuiApplication::palette());
        } else {
            err << constantName(*named) << " is a colour of the desktop, which is not available\n";
            return 1;
        }
    } else {
        err << "'" << args[0].toStdString() << "' is no colour of the list (clBlack, clRed, clBtnFace ...)\n";
        return 1;
    }
    out << "Red: " << colour.red << "\nGreen: " << colour.green << "\nBlue: " << colour.blue << "\nHex 0x"
        << hexText(colour) << "\n";
    return 0;
}

}  // namespace engineering
