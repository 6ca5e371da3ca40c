#pragma once
// The desktop shortcut as a "Kvantor2.desktop" entry in the desktop folder.
#include "platform/DesktopShortcut.h"

namespace platform {

class XdgDesktopShortcut : public DesktopShortcut {
public:
    // An empty folder means the user's desktop folder, looked up at each creation.
    explicit XdgDesktopShortcut(QString folder = {});
    void create(const QString& directory, const QString& programPath) override;

private:
    QString folder_;
};

}  // namespace platform
