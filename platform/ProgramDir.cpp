#include "platform/ProgramDir.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString programDir() {
    // /proc/self/exe names the executable even before (or without) an application object.
    QString dir = QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                          : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (QCoreApplication::instance() == nullptr) dir = QFileInfo(dir).absolutePath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

}  // namespace platform
