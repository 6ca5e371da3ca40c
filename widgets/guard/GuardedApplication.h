#pragma once
// The application object: its default handler catches what a handler let slip,
// and the guard's errors open message boxes while it runs.
//
// Handlers run through kv::guarded themselves; this is the last net, so that
// an error escaping a virtual event handler shows its message instead of
// ending the program.
#include <QApplication>

namespace kv {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The names the settings, the desktop and the window system know the
    // program by. No display name: Qt would append it to every window's
    // title, and each window's title is its own.
    static void nameTheProgram();
};

}  // namespace kv
