#pragma once
// The program's help: one HTML page per help context, in help/ beside the executable.
#include <QString>
#include <optional>

namespace platform {

// programDir() + "help/".
QString helpFolder();

// The page's file name for a context: "10.html".
QString helpPageName(int context);

// The page of a context in folder, if it is there.
std::optional<QString> findHelpPage(const QString& folder, int context);

// The contents page every help page links to. It is made from the pages
// themselves, so a page added to the help is listed without more ado.
inline const QString kHelpContentsName = QStringLiteral("contents.html");

// The contents of the help in folder as an HTML page titled "Contents": a
// link to every page (*.html), by its title (the file name where it has
// none), the context pages in the order of their numbers, others after them.
QString helpContentsPage(const QString& folder);

}  // namespace platform
