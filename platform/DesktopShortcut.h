#pragma once
// A shortcut to the program on the user's desktop.
#include <QString>

namespace platform {

class DesktopShortcut {
public:
    virtual ~DesktopShortcut() = default;
    // Puts "Kvantor2" on the desktop, starting programPath in directory.
    // Throws kv::Error naming the file when it cannot be written.
    virtual void create(const QString& directory, const QString& programPath) = 0;
};

}  // namespace platform
