#include "tools/engineering/RgbCommand.h"

#include <ostream>

#include <QGuiApplication>

#include "core/Command.h"
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

void runRgbCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    // One name or three components; the table lets two through.
    if (args.size() == 2) throw kv::UsageError();
    Rgb colour;
    if (args.size() == 3) {
        colour = {componentEntry(args[0].toStdString()).value, componentEntry(args[1].toStdString()).value,
                  componentEntry(args[2].toStdString()).value};
    } else if (const NamedColour* named = namedIn(args)) {
        if (!isSystemColour(named->value))
            colour = fromColourValue(named->value);
        else if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
                 QGuiApplication::platformName() != QLatin1String("offscreen"))
            colour = resolveColour(named->value, QGuiApplication::palette());
        else
            throw kv::Error(constantName(*named) + " is a colour of the desktop, which is not available");
    } else {
        throw kv::Error("'" + args[0].toStdString() + "' is no colour of the list (clBlack, clRed, clBtnFace ...)");
    }
    out << "Red: " << colour.red << "\nGreen: " << colour.green << "\nBlue: " << colour.blue << "\nHex 0x"
        << hexText(colour) << "\n";
}

}  // namespace engineering
