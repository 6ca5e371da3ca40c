#include "platform/fake/FakeDesktop.h"

namespace platform {

FakeDesktop::FakeDesktop()
    : previous_(replaceDesktop({settings, autostart, desktopShortcut, programs, screenSaver, sleep, help})) {}

FakeDesktop::~FakeDesktop() { replaceDesktop(std::move(previous_)); }

}  // namespace platform
