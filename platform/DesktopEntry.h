#pragma once
// Desktop entry files (*.desktop): the launcher files of the autostart folder and the desktop.
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace platform {

// One argument of an Exec line, quoted so that the desktop reads it back unchanged
// (spaces, quotes, dollars, backslashes and field-code percents included).
QString execArgument(const QString& argument);

// A value of string type, escaped for the file (backslashes, line breaks, tabs).
QString escapeDesktopValue(const QString& value);

using DesktopEntryKeys = QList<QPair<QString, QString>>;

// The file text of a [Desktop Entry] group with the given keys (values already escaped).
QString desktopEntryText(const DesktopEntryKeys& keys);

// Writes the entry through a temporary file, so a failure never leaves half a file.
// Executable entries get the execute bits desktops want before they launch one.
// Returns an empty string on success, else why it failed.
QString writeDesktopEntry(const QString& path, const DesktopEntryKeys& keys, bool executable);

// The raw key values of the [Desktop Entry] group; empty when the file cannot be read.
QMap<QString, QString> readDesktopEntry(const QString& path);

}  // namespace platform
