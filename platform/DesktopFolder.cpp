#include "platform/DesktopFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

namespace {

// Shell quoting as xdg-user-dirs writes it: double quotes, backslash escapes inside.
QString unquote(const QString& value) {
    if (!value.startsWith(QLatin1Char('"'))) return value;
    QString plain;
    for (int i = 1; i < value.size(); ++i) {
        QChar c = value[i];
        if (c == QLatin1Char('"')) break;
        if (c == QLatin1Char('\\') && i + 1 < value.size()) c = value[++i];
        plain += c;
    }
    return plain;
}

}  // namespace

QString desktopDirFromUserDirs(const QString& userDirsText, const QString& home) {
    QString found;
    static const QString key = QStringLiteral("XDG_DESKTOP_DIR=");
    for (QString line : userDirsText.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (!line.startsWith(key)) continue;
        QString path = unquote(line.mid(key.size()).trimmed());
        if (path == QStringLiteral("$HOME") || path.startsWith(QStringLiteral("$HOME/")))
            path = home + path.mid(5);
        // The last definition wins, as when the shell sources the file.
        if (path.startsWith(QLatin1Char('/'))) found = QDir::cleanPath(path);
    }
    return found;
}

QString desktopFolder() {
    QString home = QDir::homePath();
    QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile file(configHome + QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QString folder = desktopDirFromUserDirs(QString::fromUtf8(file.readAll()), home);
        if (!folder.isEmpty()) return folder;
    }
    return home + QStringLiteral("/Desktop");
}

}  // namespace platform
