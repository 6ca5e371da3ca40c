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

}  // namespace platform
