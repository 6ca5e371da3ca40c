#include "core/HandlerGuard.h"

#include <cstdio>

#include <QApplication>
#include <QString>

#include "core/MessageBox.h"

namespace kv {
namespace {

void messageBoxSink(const std::string& message) {
    // Without a GUI application (command line, tests without widgets) there is
    // no one to show a box to: standard error stands in for it.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        fprintf(stderr, "%s\n", message.c_str());
        return;
    }
    showMessageBox(MessageKind::Error, QString::fromStdString(message));
}

ErrorSink& currentSink() {
    static ErrorSink sink = messageBoxSink;
    return sink;
}

}  // namespace

ErrorSink setErrorSink(ErrorSink sink) {
    ErrorSink old = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : ErrorSink(messageBoxSink);
    return old;
}

void showError(const std::string& message) {
    try {
        currentSink()(message);
    } catch (...) {
        // A failing sink must not turn a reported error into a crash.
        fprintf(stderr, "%s\n", message.c_str());
    }
}

}  // namespace kv
