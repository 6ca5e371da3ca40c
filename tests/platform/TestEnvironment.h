#pragma once
// Scratch folders, environment variables and stand-in programs for the platform tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Sets an environment variable for one test and puts the old value back.
class EnvOverride {
public:
    EnvOverride(const char* name, const QString& value);
    // A null value removes the variable for the test.
    EnvOverride(const char* name, const char* value);
    ~EnvOverride();
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

// An executable shell script at path running body.
void writeScript(const QString& path, const QString& body);
QString readText(const QString& path);
void writeText(const QString& path, const QString& text);

// What the desktop makes of a string value and then of an Exec line (its arguments).
QString unescapeDesktopValue(const QString& value);
QStringList splitExecLine(const QString& exec);
