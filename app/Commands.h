#pragma once
// The command line: `Kvantor2 <command> ...` runs a tool's computation without
// a display and prints what its window would show.
#include <QStringList>
#include <iosfwd>
#include <vector>

#include "core/Command.h"

// The command table: each command's name, argument counts, usage and function.
const std::vector<kv::CommandRow>& commandRows();

// Runs the command named by args[0] with the rest as its arguments.
// Returns the process exit status: 0 success, 1 the command failed, 2 bad usage.
int runCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// True when the command draws with widgets (a picture), so that the program
// must make a QApplication (on the offscreen platform) rather than a core one.
bool commandNeedsWidgets(const QStringList& args);

// True when the command reads the desktop's own settings (its colours), so
// that the program must run on the desktop's platform where there is one.
bool commandReadsDesktop(const QStringList& args);
