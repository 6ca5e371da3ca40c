// The desktop program: the launcher bar, and the commands that draw with the
// windows' controls or read the desktop (the commands the entry on the path
// loads hand those over; any other command runs here as well).
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QList>
#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <tuple>
#include <utility>

#include "app/BarGlyphs.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/Form1.h"
#include "app/ToolDesktopParts.h"
#include "core/AppInfo.h"
#include "widgets/guard/GuardedApplication.h"
#include "core/HandlerGuard.h"
#include "core/LastingWindow.h"
#include "data/DM.h"
#include "platform/SingleInstance.h"
#include "platform/WindowSystem.h"
#include "widgets/forms/AccessibleNames.h"
#include "widgets/forms/ProgramFonts.h"

namespace {

// A command's standard error carries its own messages only: the platform's
// notes about the session (no runtime folder, no display) are not the user's concern.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// While the application object is made: Qt's notes are held back, and a
// fatal one (Qt ends the program when it finds no display to open a window
// on) becomes a plain statement of what is missing and what still works.
QtMessageHandler heldHandler = nullptr;
QList<std::tuple<QtMsgType, QString>> heldNotes;

void holdNotesWhileStarting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldNotes.append({type, message});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::cerr << "Kvantor2: no display was found"
              << (display.isEmpty() ? std::string() : " (the display " + display.toStdString() + " could not be opened)")
              << ". The launcher bar needs a graphical desktop; the commands run without one: see Kvantor2 --help.\n";
    std::cerr.flush();
    std::_Exit(1);
}

// Qt's notes from the start go where they would have gone.
void startNotesHeld(bool hold) {
    if (hold) {
        heldHandler = qInstallMessageHandler(holdNotesWhileStarting);
        return;
    }
    qInstallMessageHandler(heldHandler);
    for (const auto& [type, message] : std::exchange(heldNotes, {})) {
        switch (type) {
            case QtDebugMsg: qDebug().noquote() << message; break;
            case QtInfoMsg: qInfo().noquote() << message; break;
            case QtWarningMsg: qWarning().noquote() << message; break;
            default: qCritical().noquote() << message; break;
        }
    }
}

// What the tools' commands reach only through their windows (tools/<tool>/DesktopParts.h).
void connectDesktopParts() {
    using Connect = void (*)();
    for (const Connect connect : std::initializer_list<Connect>{KV_TOOL_DESKTOP_PARTS}) connect();
}

}  // namespace

int main(int argc, char** argv) {
    connectDesktopParts();
    if (argc > 1) {
        holdClosedOutput();
        const QStringList args = commandArguments(argc, argv);
        if (commandNeedsWidgets(args)) {
            // Pictures are drawn by the windows' own controls; no display is
            // needed for that. The desktop's colours come from the desktop itself.
            const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
            if (!(display && commandReadsDesktop(args))) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            } else {
                // A display named but out of reach would end the program in
                // Qt; the offscreen stand-in lets the command say what is missing.
                QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
                if (platforms.isEmpty())
                    platforms = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ? "wayland;xcb" : "xcb";
                qputenv("QT_QPA_PLATFORM", platforms + ";offscreen");
            }
            qInstallMessageHandler(quietPlatformNotes);
            QApplication app(argc, argv);
            forms::useProgramFonts();
            return runCommand(args, std::cout, std::cerr);
        }
        QCoreApplication app(argc, argv);
        return runCommand(args, std::cout, std::cerr);
    }
    platform::chooseWindowSystem();
    startNotesHeld(true);
    kv::GuardedApplication app(argc, argv);
    startNotesHeld(false);
    // One bar per user session: a second start brings the first forward and ends.
    if (platform::SingleInstance::handOver()) return 0;
    forms::useProgramFonts();
    forms::nameControlsWhenShown(app);  // for screen readers
    int status = 0;
    kv::guarded([&] {
        // The help set keeps the name it always had; the viewer maps its
        // context numbers to the program's own pages.
        app.setProperty("HelpFile", kv::kHelpFile);
        QGuiApplication::setWindowIcon(trayFrames().value(0));

        // The data module first: every window reads the tables while it is made.
        DM = new TDM(&app);
        // The first window made is the main window; closing it ends the program.
        Form1 = new TForm1;

        // The tool windows that live for the whole run (the hot keys', the
        // converter, the constants ...) are made when first shown and deleted
        // at exit (core/LastingWindow.h).

        Form1->show();
        status = app.exec();
    });
    kv::deleteLastingWindows();
    delete Form1;
    Form1 = nullptr;
    // An error that stopped the start has been shown; the program then ends
    // normally, with status 0.
    return status;
}
