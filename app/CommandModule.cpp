// The commands, loaded by the entry on the path (EntryMain.cpp) when it is
// given any: `Kvantor2 <command> ...` runs a tool's computation here, on
// QtCore alone, so a command starts as fast as a small core program and needs
// no display. The commands that draw with the windows' controls or read the
// desktop's colours are the desktop program's: the process becomes it,
// keeping its arguments and its process number.
#include <QCoreApplication>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "app/CommandLine.h"
#include "app/Commands.h"

extern "C" __attribute__((visibility("default"))) int kvantor2_command_main(int argc, char** argv) {
    const QStringList args = commandArguments(argc, argv);
    if (!commandNeedsWidgets(args)) {
        holdClosedOutput();
        QCoreApplication app(argc, argv);
        return runCommand(args, std::cout, std::cerr);
    }
    const QByteArray desktop = desktopProgramPath();
    ::execv(desktop.constData(), argv);
    std::cerr << "Kvantor2: can't start the desktop program " << desktop.toStdString() << ": "
              << std::strerror(errno) << "\n";
    return 1;
}
