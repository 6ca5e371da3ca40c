#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace platform {

QString execArgument(const QString& argument) {
    // Field codes start with '%'; a literal one is doubled, quoted or not.
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = text.isEmpty();
    for (QChar c : text) needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes) return text;
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString escapeDesktopValue(const QString& value) {
    QString escaped;
    for (int i = 0; i < value.size(); ++i) {
        QChar c = value[i];
        if (c == QLatin1Char('\\')) escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t')) escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r')) escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char(' ') && i == 0) escaped += QStringLiteral("\\s");  // else trimmed away
        else escaped += c;
    }
    return escaped;
}

QString desktopEntryText(const DesktopEntryKeys& keys) {
    QString text = QStringLiteral("[Desktop Entry]\n");
    for (const auto& [key, value] : keys) text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    return text;
}

QString writeDesktopEntry(const QString& path, const DesktopEntryKeys& keys, bool executable) {
    QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder %1 cannot be created").arg(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(desktopEntryText(keys).toUtf8());
    if (!file.commit()) return file.errorString();
    // The replaced file's mode carries over; set the execute bits either way.
    const QFileDevice::Permissions execute =
        QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QFileDevice::Permissions mode = QFile::permissions(path);
    mode = executable ? mode | execute : mode & ~execute;
    if (!QFile::setPermissions(path, mode)) return QStringLiteral("its permissions cannot be set");
    return {};
}

QMap<QString, QString> readDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        int equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals <= 0) continue;
        keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

}  // namespace platform
