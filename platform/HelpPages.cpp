#include "platform/HelpPages.h"

#include <QDir>
#include <QFileInfo>

#include "platform/ProgramDir.h"

namespace platform {

QString helpFolder() { return programDir() + QStringLiteral("help/"); }

QString helpPageName(int context) { return QString::number(context) + QStringLiteral(".html"); }

std::optional<QString> findHelpPage(const QString& folder, int context) {
    QFileInfo page(QDir(folder), helpPageName(context));
    if (!page.isFile()) return std::nullopt;
    return page.absoluteFilePath();
}

}  // namespace platform
