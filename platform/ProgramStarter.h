#pragma once
// Finds programs on the search path and starts them without waiting for them,
// so the user interface never blocks on another program.
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// QProcess::startDetached: true when the program was started.
bool startDetachedProcess(const QString& program, const QStringList& arguments);

struct ProgramStarter {
    using Start = std::function<bool(const QString& program, const QStringList& arguments)>;

    QStringList searchPath;  // empty: the PATH of the environment
    Start start = startDetachedProcess;

    // The full path of an installed program, or empty.
    QString find(const QString& name) const;
    // Starts the first installed of the candidates; the name started, or empty when none
    // is installed. Throws kv::Error when every installed one failed to start.
    QString startFirst(const QStringList& candidates, const QStringList& arguments = {}) const;
};

}  // namespace platform
