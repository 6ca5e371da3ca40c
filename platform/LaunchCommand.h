#pragma once
// What a desktop entry (autostart, desktop shortcut) runs to start the program.
#include <QString>
#include <QStringList>

namespace platform {

// The program's name when the search path finds this very program under it
// ("Kvantor2": the entry keeps working when the package moves the program);
// else the path it was started through, a link left a link; else the program
// file itself. startedAs is the program's first argument as it was given;
// an empty searchPath is the PATH of the environment.
QString launchCommand(const QString& programPath, const QString& startedAs, const QStringList& searchPath = {});

// The same for the running program.
QString launchCommand(const QString& programPath);

}  // namespace platform
