#pragma once
// The screen saver through the session's org.freedesktop.ScreenSaver service,
// else through xdg-screensaver, which knows the other screen savers.
#include <QDBusConnection>

#include "platform/ProgramStarter.h"
#include "platform/ScreenSaver.h"

namespace platform {

class DesktopScreenSaver : public ScreenSaver {
public:
    explicit DesktopScreenSaver(ProgramStarter starter = {}, QDBusConnection bus = QDBusConnection::sessionBus());
    void activate() override;

private:
    bool activateOverBus();

    ProgramStarter starter_;
    QDBusConnection bus_;
};

}  // namespace platform
