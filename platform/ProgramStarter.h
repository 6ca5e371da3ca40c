#pragma once
// Finds programs on the search path and starts them without waiting for them,
// so the user interface never blocks on another program.
#include <QString>
#include <QStringList>
#include <functional>

class QProcess;

namespace platform {

// Starts the program and returns at once, never waiting for it to end; null
// when it could not be started. Should it end in failure (an exit status
// other than 0, or a crash) while this program runs, the error it wrote is
// shown as an error (kv::showError), so a failure is never silent: xdg-open
// with nothing to open a folder with, say. The program outlives this one.
QProcess* startWatched(const QString& program, const QStringList& arguments);
// The same, true when the program was started.
bool startWatchedProcess(const QString& program, const QStringList& arguments);

struct ProgramStarter {
    using Start = std::function<bool(const QString& program, const QStringList& arguments)>;

    QStringList searchPath;  // empty: the PATH of the environment
    Start start = startWatchedProcess;

    // The full path of an installed program, or empty.
    QString find(const QString& name) const;
    // Starts the first installed of the candidates; the name started, or empty when none
    // is installed. Throws kv::Error when every installed one failed to start.
    QString startFirst(const QStringList& candidates, const QStringList& arguments = {}) const;
};

}  // namespace platform
