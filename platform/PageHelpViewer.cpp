#include "platform/PageHelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/Error.h"
#include "platform/HelpDialog.h"

namespace platform {

PageHelpViewer::PageHelpViewer(QString folder) : folder_(std::move(folder)) {}

void PageHelpViewer::show(int context) {
    std::optional<QString> page = findHelpPage(folder_, context);
    if (!page) {
        QString missing = QDir(folder_).filePath(helpPageName(context));
        throw kv::Error(QStringLiteral("There is no help for this topic (context %1): the page %2 is missing.")
                            .arg(context)
                            .arg(QDir::toNativeSeparators(missing))
                            .toStdString());
    }
    HelpDialog dialog(*page, QApplication::activeWindow());
    dialog.exec();
}

void PageHelpViewer::showPage(const QString& page) {
    const QString name = page.section(QLatin1Char('#'), 0, 0);
    const QString section = page.section(QLatin1Char('#'), 1);
    const QFileInfo file(QDir(folder_), name);
    if (name.isEmpty() || !file.isFile())
        throw kv::Error(QStringLiteral("There is no help for this window: the page %1 is missing.")
                            .arg(QDir::toNativeSeparators(file.absoluteFilePath()))
                            .toStdString());
    HelpDialog dialog(file.absoluteFilePath(), QApplication::activeWindow(), section);
    dialog.exec();
}

}  // namespace platform
