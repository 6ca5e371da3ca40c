#pragma once
// Catches the error messages that the windows would show in a message box, for
// as long as it lives, and puts the previous error sink back afterwards.
#include <QString>
#include <QStringList>
#include <string>

#include "core/HandlerGuard.h"

struct ShownErrors {
    QStringList messages;
    kv::ErrorSink previous;
    ShownErrors() {
        previous = kv::setErrorSink([this](const std::string& m) { messages << QString::fromStdString(m); });
    }
    ~ShownErrors() { kv::setErrorSink(previous); }
    ShownErrors(const ShownErrors&) = delete;
    ShownErrors& operator=(const ShownErrors&) = delete;
};
