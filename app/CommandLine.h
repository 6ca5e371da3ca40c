#pragma once
// What both entries of the program do with a command line before a command runs.
#include <QStringList>

// argv[1..] as texts that keep every byte: a file name need not be UTF-8.
QStringList commandArguments(int argc, char** argv);

// A closed standard output stays a failure to write: the descriptor is held
// on /dev/null, so that no file the command opens takes it and receives the
// output. Called by the process that runs the command, just before.
void holdClosedOutput();

// The desktop program, beside this executable: the launcher bar, and the
// commands that draw with the windows' controls or read the desktop.
QByteArray desktopProgramPath();
