#include "platform/DesktopServices.h"

#include <optional>

#include "platform/DesktopProgramLauncher.h"
#include "platform/DesktopScreenSaver.h"
#include "platform/IniSettingsStore.h"
#include "platform/LogindSleep.h"
#include "platform/PageHelpViewer.h"
#include "platform/XdgAutostart.h"
#include "platform/XdgDesktopShortcut.h"

namespace platform {

namespace {

// Made on first use: the real services look at the environment and the buses.
std::optional<DesktopServices>& current() {
    static std::optional<DesktopServices> services;
    return services;
}

}  // namespace

DesktopServices realDesktop() {
    return {
        std::make_shared<IniSettingsStore>(),     std::make_shared<XdgAutostart>(),
        std::make_shared<XdgDesktopShortcut>(),   std::make_shared<DesktopProgramLauncher>(),
        std::make_shared<DesktopScreenSaver>(),   std::make_shared<LogindSleep>(),
        std::make_shared<PageHelpViewer>(),
    };
}

const DesktopServices& desktop() {
    if (!current()) current() = realDesktop();
    return *current();
}

DesktopServices replaceDesktop(DesktopServices services) {
    DesktopServices previous = current() ? std::move(*current()) : DesktopServices{};
    bool none = !services.settings && !services.autostart && !services.desktopShortcut && !services.programs &&
                !services.screenSaver && !services.sleep && !services.help;
    if (none) current().reset();
    else current() = std::move(services);
    return previous;
}

}  // namespace platform
