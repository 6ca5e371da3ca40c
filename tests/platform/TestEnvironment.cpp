#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

EnvOverride::EnvOverride(const char* name, const QString& value) : EnvOverride(name, value.toUtf8().constData()) {}

EnvOverride::EnvOverride(const char* name, const char* value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    if (value) qputenv(name, value);
    else qunsetenv(name);
}

EnvOverride::~EnvOverride() {
    if (old_) qputenv(name_, *old_);
    else qunsetenv(name_);
}

void writeScript(const QString& path, const QString& body) {
    writeText(path, QStringLiteral("#!/bin/sh\n") + body + QLatin1Char('\n'));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

QString unescapeDesktopValue(const QString& value) {
    QString plain;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            plain += value[i];
            continue;
        }
        QChar next = value[++i];
        if (next == QLatin1Char('s')) plain += QLatin1Char(' ');
        else if (next == QLatin1Char('n')) plain += QLatin1Char('\n');
        else if (next == QLatin1Char('t')) plain += QLatin1Char('\t');
        else if (next == QLatin1Char('r')) plain += QLatin1Char('\r');
        else plain += next;
    }
    return plain;
}

QStringList splitExecLine(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inQuotes = false, inArgument = false;
    for (int i = 0; i < exec.size(); ++i) {
        QChar c = exec[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) inQuotes = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size()) current += exec[++i];
            else if (c == QLatin1Char('%') && i + 1 < exec.size() && exec[i + 1] == QLatin1Char('%')) current += exec[++i];
            else current += c;
        } else if (c == QLatin1Char(' ')) {
            if (inArgument) arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = inArgument = true;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size() && exec[i + 1] == QLatin1Char('%')) {
            current += exec[++i];
            inArgument = true;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments << current;
    return arguments;
}
