// Program entry: the desktop program, or a command-line tool when arguments are given.
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QList>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <tuple>
#include <utility>

#include "app/BarGlyphs.h"
#include "app/Commands.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "core/AppInfo.h"
#include "core/LocalNames.h"
#include "widgets/guard/GuardedApplication.h"
#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "platform/SingleInstance.h"
#include "platform/WindowSystem.h"
#include "tools/convert/Meas.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Resist.h"
#include "tools/hexview/HexForm.h"
#include "tools/numbers/Ar_rom.h"
#include "tools/numbers/Prim.h"
#include "tools/reference/Phis.h"
#include "tools/reference/Steel.h"
#include "tools/reference/Map_k.h"
#include "tools/reference/Tabl.h"
#include "tools/reference/RefTablesForm.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        // A closed standard output stays a failure to write: the descriptor is
        // held on /dev/null, so that no file the program opens takes it and
        // receives the output.
        if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
            std::cout.setstate(std::ios::badbit);
            ::open("/dev/null", O_WRONLY);  // the lowest free descriptor: this one
        }
        QStringList args;
        // Every byte kept: a file name need not be UTF-8.
        for (int i = 1; i < argc; ++i) args << kv::argumentText(argv[i]);
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
        // converter, the constants ...) are made when first shown
        // (core/LastingWindow.h) and deleted below.

        Form1->show();
        status = app.exec();
    });
    delete Form3;
    Form3 = nullptr;
    delete PrimeForm;
    PrimeForm = nullptr;
    delete HexForm;
    HexForm = nullptr;
    delete PhisForm;
    PhisForm = nullptr;
    delete SteelForm;
    SteelForm = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete MeasForm;
    MeasForm = nullptr;
    delete Hot;
    Hot = nullptr;
    delete DecForm;
    DecForm = nullptr;
    delete Form6;
    Form6 = nullptr;
    delete TableForm;
    TableForm = nullptr;
    delete Map;
    Map = nullptr;
    delete Form1;
    Form1 = nullptr;
    // An error that stopped the start has been shown; the program then ends
    // normally, with status 0.
    return status;
}
