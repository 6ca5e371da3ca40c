#pragma once
// The user's desktop folder, as the desktop itself finds it.
#include <QString>

namespace platform {

// XDG_DESKTOP_DIR from the text of a user-dirs.dirs file: "$HOME/..." or an absolute
// path, quoted or not. Empty when the file does not name a usable one.
QString desktopDirFromUserDirs(const QString& userDirsText, const QString& home);

// From $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config), else ~/Desktop.
QString desktopFolder();

}  // namespace platform
