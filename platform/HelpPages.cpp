#include "platform/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

#include "platform/ProgramDir.h"

namespace platform {

QString helpFolder() { return programDir() + QStringLiteral("help/"); }

QString helpPageName(int context) { return QString::number(context) + QStringLiteral(".html"); }

std::optional<QString> findHelpPage(const QString& folder, int context) {
    QFileInfo page(QDir(folder), helpPageName(context));
    if (!page.isFile()) return std::nullopt;
    return page.absoluteFilePath();
}

namespace {

// The text of a page's <title>, as HTML ("" when it has none).
QString pageTitle(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return title.match(QString::fromUtf8(file.readAll())).captured(1).simplified();
}

// Context pages by their numbers, the rest after them by name.
int contextOf(const QString& fileName) {
    bool isNumber = false;
    const int n = QFileInfo(fileName).completeBaseName().toInt(&isNumber);
    return isNumber ? n : INT_MAX;
}

}  // namespace

QString helpContentsPage(const QString& folder) {
    QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    pages.removeAll(kHelpContentsName);
    std::stable_sort(pages.begin(), pages.end(),
                     [](const QString& a, const QString& b) { return contextOf(a) < contextOf(b); });
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Contents</title>\n</head>\n"
        "<body>\n<h1>Contents</h1>\n<ul>\n");
    for (const QString& page : pages) {
        QString title = pageTitle(QDir(folder).filePath(page));
        if (title.isEmpty()) title = page.toHtmlEscaped();
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n").arg(page.toHtmlEscaped(), title);
    }
    return html + QStringLiteral("</ul>\n</body>\n</html>\n");
}

}  // namespace platform
