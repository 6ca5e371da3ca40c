#pragma once
// The desktop services the windows use, in one place.
//
// Windows reach the settings, autostart, shortcut, other programs, screen saver, sleep
// and help only through desktop(), so tests can put fakes in their place
// (platform/fake/FakeDesktop.h).
#include <memory>

#include "platform/Autostart.h"
#include "platform/DesktopShortcut.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramLauncher.h"
#include "platform/ScreenSaver.h"
#include "platform/SettingsStore.h"
#include "platform/SystemSleep.h"

namespace platform {

struct DesktopServices {
    std::shared_ptr<SettingsStore> settings;
    std::shared_ptr<Autostart> autostart;
    std::shared_ptr<DesktopShortcut> desktopShortcut;
    std::shared_ptr<ProgramLauncher> programs;
    std::shared_ptr<ScreenSaver> screenSaver;
    std::shared_ptr<SystemSleep> sleep;
    std::shared_ptr<HelpViewer> help;
};

// The services in use: the real ones unless replaced.
const DesktopServices& desktop();

// Puts other services in place (tests); returns those that were in use. A set with
// no services at all (what is returned while the real ones were never made) stands
// for the real ones.
DesktopServices replaceDesktop(DesktopServices services);

// The real services of this desktop.
DesktopServices realDesktop();

}  // namespace platform
