#include "core/Command.h"

#include <exception>
#include <ostream>

namespace kv {

namespace {

void tell(std::ostream& err, const char* message) {
    if (*message) err << message << "\n";
}

}  // namespace

int commandStatus(const CommandFunction& run, const QStringList& args, std::ostream& out, std::ostream& err) {
    try {
        run(args, out, err);
        return 0;
    } catch (const UsageError& e) {
        out.flush();
        tell(err, e.what());
        return 2;
    } catch (const std::exception& e) {
        // What was printed before the failure stays in front of its message.
        out.flush();
        tell(err, e.what());
        return 1;
    }
}

}  // namespace kv
