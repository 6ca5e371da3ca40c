#include "platform/XdgDesktopShortcut.h"

#include "core/AppInfo.h"
#include "core/Error.h"
#include "platform/DesktopEntry.h"
#include "platform/LaunchCommand.h"
#include "platform/DesktopFolder.h"

namespace platform {

XdgDesktopShortcut::XdgDesktopShortcut(QString folder) : folder_(std::move(folder)) {}

void XdgDesktopShortcut::create(const QString& directory, const QString& programPath) {
    QString folder = folder_.isEmpty() ? desktopFolder() : folder_;
    QString path = folder + QLatin1Char('/') + kv::kProductName + QStringLiteral(".desktop");
    DesktopEntryKeys keys{
        {QStringLiteral("Type"), QStringLiteral("Application")},
        {QStringLiteral("Name"), kv::kProductName},
        {QStringLiteral("Exec"), escapeDesktopValue(execArgument(launchCommand(programPath)))},
        {QStringLiteral("Icon"), kv::kAppId},
        {QStringLiteral("Path"), escapeDesktopValue(directory)},
        {QStringLiteral("Terminal"), QStringLiteral("false")},
    };
    QString failure = writeDesktopEntry(path, keys, true);
    if (!failure.isEmpty())
        throw kv::Error(QStringLiteral("The shortcut %1 could not be written: %2").arg(path, failure).toStdString());
}

}  // namespace platform
