#pragma once
// Puts fakes of every desktop service in place for as long as it lives:
//   platform::FakeDesktop fakes;
//   ...press Calculator...
//   QCOMPARE(fakes.programs->started, QStringList{"calculator"});
#include <memory>

#include "platform/DesktopServices.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeSettingsStore.h"

namespace platform {

class FakeDesktop {
public:
    FakeDesktop();
    ~FakeDesktop();
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    std::shared_ptr<FakeSettingsStore> settings = std::make_shared<FakeSettingsStore>();
    std::shared_ptr<FakeAutostart> autostart = std::make_shared<FakeAutostart>();
    std::shared_ptr<FakeDesktopShortcut> desktopShortcut = std::make_shared<FakeDesktopShortcut>();
    std::shared_ptr<FakeProgramLauncher> programs = std::make_shared<FakeProgramLauncher>();
    std::shared_ptr<FakeScreenSaver> screenSaver = std::make_shared<FakeScreenSaver>();
    std::shared_ptr<FakeSystemSleep> sleep = std::make_shared<FakeSystemSleep>();
    std::shared_ptr<FakeHelpViewer> help = std::make_shared<FakeHelpViewer>();

private:
    DesktopServices previous_;
};

}  // namespace platform
