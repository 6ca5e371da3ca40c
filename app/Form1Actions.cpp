// What the bar's buttons and menu entries do: each opens a window, the
// tool's or the bar's own, or asks the desktop for something.
#include <QAction>
#include <QCoreApplication>
#include <QScopeGuard>

#include "app/AbForm.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "app/PictureWindow.h"
#include "app/TrayComp.h"
#include "core/LastingWindow.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramDir.h"

// --- Guarded windows ---------------------------------------------------------

namespace {

// Shows a modal window unless it is open already: a hot key can arrive inside
// the window's own loop. The flag comes down however the window ends.
template <class Show>
void showOnce(bool& open, Show&& show) {
    if (open) return;
    open = true;
    auto clear = qScopeGuard([&open] { open = false; });
    show();
}

}  // namespace

void TForm1::SpeedButton2Click() {
    showOnce(ConverterOpen, [this] {
        if (showConverterWindow) {
            showConverterWindow();
        } else {
            openTool("SpeedButton2");
        }
    });
}

void TForm1::Findmeasure1Click() {
    showOnce(FinderOpen, [this] {
        if (showFinderWindow) {
            showFinderWindow();
        } else {
            openTool("Findmeasure1");
        }
    });
}

// --- The tools' windows ----------------------------------------------------------
// Each tool says what opens its window (tools/<tool>/BarEntries); the bar's
// handlers keep their names for the hot keys and other windows that call them.

void TForm1::SpeedButton6Click() { openTool("SpeedButton6"); }
void TForm1::SpeedButton8Click() { openTool("SpeedButton8"); }
void TForm1::SpeedButton9Click() { openTool("SpeedButton9"); }
void TForm1::SpeedButton10Click() { openTool("SpeedButton10"); }
void TForm1::SpeedButton11Click() { openTool("SpeedButton11"); }
void TForm1::SpeedButton12Click() { openTool("SpeedButton12"); }
void TForm1::SpeedButton13Click() { openTool("SpeedButton13"); }
void TForm1::SpeedButton15Click() { openTool("SpeedButton15"); }
void TForm1::SpeedButton17Click() { openTool("SpeedButton17"); }
void TForm1::SpeedButton18Click() { openTool("SpeedButton18"); }
void TForm1::SpeedButton19Click() { openTool("SpeedButton19"); }
void TForm1::SpeedButton20Click() { openTool("SpeedButton20"); }
void TForm1::SpeedButton21Click() { openTool("SpeedButton21"); }
void TForm1::Generateprimenumbers1Click() { openTool("Generateprimenumbers1"); }
void TForm1::Phisicalconstants1Click() { openTool("Phisicalconstants1"); }

// --- The bar's own windows -----------------------------------------------------------

void TForm1::SpeedButton4Click() {
    TAbForm about(this);
    about.exec();
}

void TForm1::SpeedButton16Click() {
    showPicture(QStringLiteral("Shoes.gif"));
}

void TForm1::SpeedButton7Click() {
    showPicture(QStringLiteral("geometr.gif"));
}

void TForm1::Resis1Click() {
    showPicture(QStringLiteral("t_res.gif"));
}

void TForm1::showPicture(const QString& file) {
    // Throws before any window shows when the picture cannot be read.
    TPictureWindow window(file, this);
    window.exec();
}

void TForm1::Hotkey1Click() {
    kv::lastingWindow(Hot).exec();
}

// --- Other programs and the system ----------------------------------------------

void TForm1::SpeedButton3Click() {
    platform::desktop().programs->startCalculator();
}

void TForm1::Calculator1Click() {
    SpeedButton3Click();
}

void TForm1::EEx1Click() {
    platform::desktop().programs->startFileManager();
}

void TForm1::RunScreensaver1Click() {
    platform::desktop().screenSaver->activate();
}

void TForm1::Sleep1Click() {
    platform::desktop().sleep->suspend();
}

void TForm1::Help1Click() {
    platform::desktop().help->show(10);
}

// --- The bar itself ---------------------------------------------------------------

void TForm1::SpeedButton1Click() {
    minimizeApp();
    close();
}

void TForm1::Hide1Click() {
    if (BarShown) {
        minimizeApp();
        Hide1->setText(QStringLiteral("Restore"));
        BarShown = false;
    } else {
        restoreApp();
        Hide1->setText(QStringLiteral("Hide"));
        BarShown = true;
    }
}

void TForm1::TrayComp1Restore() {
    TrayComp1->SetAnimate(true);
    Hide1->setText(QStringLiteral("Hide"));
    BarShown = true;
}

void TForm1::TrayComp1Minimize() {
    TrayComp1->SetAnimate(false);
    TrayComp1->SetIconIndex(0);
}

void TForm1::Alwa1Click() {
    OnTop = !OnTop;
    Alwa1->setChecked(OnTop);
    const bool visible = isVisible();
    const QPoint at = pos();
    // Changing the flag re-creates the native window, which hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint, OnTop);
    move(at);
    if (visible) show();
}

void TForm1::Loadin1Click() {
    auto key = platform::desktop().settings->openKey(QStringLiteral("Screen"), true);
    if (!key) return;
    const bool on = !Loadin1->isChecked();
    // The mark follows what was stored, not what was asked for.
    if (key->writeInt(QStringLiteral("Tray"), on ? 1 : 0)) Loadin1->setChecked(on);
}

void TForm1::LoadwithWindows1Click() {
    auto& autostart = *platform::desktop().autostart;
    if (autostart.isEnabled()) {
        if (autostart.disable()) LoadwithWindows1->setChecked(false);
    } else {
        if (autostart.enable(QCoreApplication::applicationFilePath())) LoadwithWindows1->setChecked(true);
    }
}
