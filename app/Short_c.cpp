#include "app/Short_c.h"

#include "platform/DesktopServices.h"

void sho(const QString& directory, const QString& programPath) {
    platform::desktop().desktopShortcut->create(directory, programPath);
}
