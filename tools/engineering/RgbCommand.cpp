#include "tools/engineering/RgbCommand.h"

#include <ostream>

#include "core/Command.h"
#include "tools/engineering/RgbColour.h"

namespace engineering {

namespace {

DesktopColourReader desktopColour = nullptr;

const NamedColour* namedIn(const QStringList& args) {
    return args.size() == 1 ? findNamedColour(args[0].toStdString()) : nullptr;
}

}  // namespace

bool rgbCommandReadsDesktop(const QStringList& args) {
    const NamedColour* named = namedIn(args);
    return named && isSystemColour(named->value);
}

void setDesktopColourReader(DesktopColourReader reader) { desktopColour = reader; }

void runRgbCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    // One name or three components; the table lets two through.
    if (args.size() == 2) throw kv::UsageError();
    Rgb colour;
    if (args.size() == 3) {
        colour = {componentEntry(args[0].toStdString()).value, componentEntry(args[1].toStdString()).value,
                  componentEntry(args[2].toStdString()).value};
    } else if (const NamedColour* named = namedIn(args)) {
        const std::optional<Rgb> read =
            !isSystemColour(named->value) ? fromColourValue(named->value)
            : desktopColour               ? desktopColour(named->value)
                                          : std::nullopt;
        if (!read) throw kv::Error(constantName(*named) + " is a colour of the desktop, which is not available");
        colour = *read;
    } else {
        throw kv::Error("'" + args[0].toStdString() + "' is no colour of the list (clBlack, clRed, clBtnFace ...)");
    }
    out << "Red: " << colour.red << "\nGreen: " << colour.green << "\nBlue: " << colour.blue << "\nHex 0x"
        << hexText(colour) << "\n";
}

}  // namespace engineering
