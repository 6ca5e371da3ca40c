#pragma once
// The frame of a command-line command (`Kvantor2 <name> ARGS...`): a row of
// the command table, and the errors a command throws.
#include <QStringList>
#include <functional>
#include <iosfwd>
#include <string>

#include "core/Error.h"

namespace kv {

// Arguments a command cannot take. The dispatcher prints the message (when it
// has one) and the command's usage, and the exit status is 2. Any other
// exception is a failure: its message, exit status 1.
class UsageError : public Error {
public:
    explicit UsageError(const std::string& message = {}) : Error(message) {}
};

// A command prints its result on `out` and throws when it fails. `notes` takes
// what it says beside a success (the plot's empty range, for one); a failure's
// message travels in the exception, and an exception without a message is a
// failure the output has already told (the tables' report).
using CommandFunction = std::function<void(const QStringList& args, std::ostream& out, std::ostream& notes)>;
using CommandPredicate = bool (*)(const QStringList& args);

constexpr int kAnyCount = -1;

struct CommandRow {
    const char* name;
    int minArgs;
    int maxArgs;  // kAnyCount: no limit
    // What follows "Usage: Kvantor2 ": the one text of --help, of the usage
    // message and of the manual page's line for the command.
    const char* usage;
    const char* summary;
    CommandFunction run;
    // The arguments' names in order, for naming an empty one; "NAME..."
    // repeats, "--opt=NAME" names an option's value.
    const char* arguments = "";
    // When the command draws with widgets (a picture) and so needs a
    // QApplication; when it reads the desktop's own settings (its colours).
    CommandPredicate needsWidgets = nullptr;
    CommandPredicate readsDesktop = nullptr;
};

// `message` fit for a terminal: control characters shown as escapes (\x1b),
// carriage returns as line breaks, very long lines cut in the middle with "…".
std::string terminalText(const std::string& message);

// Runs `run` and turns what it throws into the exit status (0, 1 or 2) and a
// message on `err`. The usage itself is the dispatcher's to print.
int commandStatus(const CommandFunction& run, const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace kv
