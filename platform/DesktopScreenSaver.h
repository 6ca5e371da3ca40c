#pragma once
// The screen saver through the session's org.freedesktop.ScreenSaver service,
// else through xdg-screensaver, which knows the other screen savers.
#include <QDBusConnection>
#include <optional>

#include "platform/ProgramStarter.h"
#include "platform/ScreenSaver.h"

namespace platform {

class DesktopScreenSaver : public ScreenSaver {
public:
    explicit DesktopScreenSaver(ProgramStarter starter = {}, std::optional<QDBusConnection> bus = {});
    void activate() override;

private:
    // The bus is reached when first needed: connecting at start could mean
    // starting a bus, for a service the user may never ask for.
    QDBusConnection& bus();
    bool activateOverBus();

    ProgramStarter starter_;
    std::optional<QDBusConnection> bus_;
};

}  // namespace platform
