#include "platform/XdgAutostart.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/AppInfo.h"
#include "platform/DesktopEntry.h"
#include "platform/LaunchCommand.h"

namespace platform {

QString defaultAutostartEntry() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/Kvantor.desktop");
}

XdgAutostart::XdgAutostart(QString entryFile) : entryFile_(std::move(entryFile)) {}

bool XdgAutostart::isEnabled() const {
    if (!QFileInfo(entryFile_).isFile()) return false;
    // Session settings switch an entry off by these keys instead of deleting it.
    QMap<QString, QString> keys = readDesktopEntry(entryFile_);
    if (keys.value(QStringLiteral("Hidden")) == QStringLiteral("true")) return false;
    if (keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) == QStringLiteral("false")) return false;
    return true;
}

bool XdgAutostart::enable(const QString& programPath) {
    DesktopEntryKeys keys{
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Name"), kv::kProductName},
        {QStringLiteral("Exec"), escapeDesktopValue(execArgument(launchCommand(programPath)))},
        {QStringLiteral("Icon"), kv::kAppId},
        {QStringLiteral("Terminal"), QStringLiteral("false")},
        {QStringLiteral("X-GNOME-Autostart-enabled"), QStringLiteral("true")},
    };
    return writeDesktopEntry(entryFile_, keys, false).isEmpty();
}

bool XdgAutostart::disable() {
    return !QFileInfo::exists(entryFile_) || QFile::remove(entryFile_);
}

}  // namespace platform
