#include "core/HandlerGuard.h"

#include <cstdio>

namespace kv {
namespace {

// Without windows (command line, tests without widgets) there is no one to
// show a box to: standard error stands in for it.
void standardErrorSink(const std::string& message) { fprintf(stderr, "%s\n", message.c_str()); }

ErrorSink& currentSink() {
    static ErrorSink sink = standardErrorSink;
    return sink;
}

}  // namespace

ErrorSink setErrorSink(ErrorSink sink) {
    ErrorSink old = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : ErrorSink(standardErrorSink);
    return old;
}

void showError(const std::string& message) {
    try {
        currentSink()(message);
    } catch (...) {
        // A failing sink must not turn a reported error into a crash.
        standardErrorSink(message);
    }
}

}  // namespace kv
