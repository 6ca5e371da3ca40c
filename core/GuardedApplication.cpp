#include "core/GuardedApplication.h"

#include "core/AppInfo.h"
#include "core/HandlerGuard.h"

namespace kv {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kProductName);
    setApplicationDisplayName(kAppTitle);
    setOrganizationName(kMakerName);
    setApplicationVersion(appVersion());
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace kv
