#include "widgets/guard/GuardedApplication.h"

#include "core/AppInfo.h"
#include "core/HandlerGuard.h"
#include "widgets/guard/MessageBox.h"

namespace kv {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    nameTheProgram();
    showErrorsInMessageBoxes();
}

void GuardedApplication::nameTheProgram() {
    // The window class is the application name; the desktop file name lets
    // docks and task bars match a running window to the menu entry.
    setApplicationName(kProductName);
    setOrganizationName(kMakerName);
    setApplicationVersion(appVersion());
    setDesktopFileName(kAppId);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace kv
