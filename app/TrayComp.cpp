#include "app/TrayComp.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "core/HandlerGuard.h"

namespace {

// The tooltip holds 63 characters; a longer hint is refused, not cut.
constexpr qsizetype kMaxHintChars = 63;
// How often a window hidden in the tray checks that the tray is still there.
constexpr int kTrayWatchMs = 1000;
// The latest the icon waits for the main window's first picture.
constexpr int kIconAtLatestMs = 500;

}  // namespace

TTrayComp::TTrayComp(QWidget* mainWindow, QObject* parent)
    : QObject(parent),
      timer_(new QTimer(this)),
      trayWatch_(new QTimer(this)) {
    timer_->setInterval(interval_);
    connect(timer_, &QTimer::timeout, this, kv::guard(this, &TTrayComp::OnAnimation));
    trayWatch_->setInterval(kTrayWatchMs);
    connect(trayWatch_, &QTimer::timeout, this, kv::guard(this, &TTrayComp::WatchTray));
    // Qt ends the session by quitting the application.
    connect(qApp, &QCoreApplication::aboutToQuit, this, kv::guard(this, &TTrayComp::EndSession));
    SetMainWindow(mainWindow);
    icon_ = ProgramIcon();
    // A main window on its way to the screen gets its first picture before
    // the icon is made (eventFilter); without one the icon follows on the
    // next pass of the loop. A window that never gets drawn (covered from
    // the start) still gets its icon a moment later.
    QMetaObject::invokeMethod(this, [this] {
        if (!mainWindow_ || !mainWindow_->isVisible()) MakeIconSoon();
    }, Qt::QueuedConnection);
    QTimer::singleShot(kIconAtLatestMs, this, [this] { MakeIconSoon(); });
}

TTrayComp::~TTrayComp() {
    ReleaseQuitLock();
    if (trayIcon_) trayIcon_->hide();
}

QSystemTrayIcon* TTrayComp::TrayIcon() {
    if (trayIcon_) return trayIcon_;
    trayIcon_ = new QSystemTrayIcon(this);
    connect(trayIcon_, &QSystemTrayIcon::activated, this, kv::guard(this, &TTrayComp::OnActivated));
    trayIcon_->setToolTip(hint_);
    trayIcon_->setIcon(icon_);
    trayIcon_->setVisible(visible_);
    return trayIcon_;
}

void TTrayComp::MakeIconSoon() {
    if (trayIcon_ || iconPending_) return;
    iconPending_ = true;
    QMetaObject::invokeMethod(this, [this] { kv::guarded([this] { TrayIcon(); }); }, Qt::QueuedConnection);
}

QWidget* TTrayComp::MainWindow() const {
    return mainWindow_;
}

QMenu* TTrayComp::PopupMenu() const {
    return popupMenu_;
}

void TTrayComp::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void TTrayComp::SetMainWindow(QWidget* window) {
    if (mainWindow_ == window) return;
    if (mainWindow_) mainWindow_->removeEventFilter(this);
    LeaveTray();
    mainWindow_ = window;
    if (mainWindow_) mainWindow_->installEventFilter(this);
}

bool TTrayComp::SystemTrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TTrayComp::InTray() const {
    return visible_ && SystemTrayAvailable();
}

void TTrayComp::SetVisible(bool v) {
    visible_ = v;
    if (v) {
        Update();
        if (trayIcon_) trayIcon_->show();
        hide_ = true;
        return;
    }
    if (trayIcon_) trayIcon_->hide();
    hide_ = false;
    HandToTaskbar();
}

// Without its icon, a window hidden in the tray could never come back: it
// goes to the taskbar as a minimised window instead.
void TTrayComp::HandToTaskbar() {
    const bool wasHidden = hiddenInTray_;
    LeaveTray();
    if (!wasHidden) return;
    if (QWidget* w = mainWindow_) {
        QScopedValueRollback<bool> own(changingWindow_, true);
        w->setWindowState(w->windowState() | Qt::WindowMinimized);
        w->show();
    }
}

// The panel holding the tray can quit or crash while the window hides in it.
void TTrayComp::WatchTray() {
    if (!SystemTrayAvailable()) HandToTaskbar();
}

void TTrayComp::SetHint(const QString& text) {
    if (text == hint_ || text.toUcs4().size() > kMaxHintChars) return;
    hint_ = text;
    if (trayIcon_) trayIcon_->setToolTip(hint_);
    Update();
}

void TTrayComp::SetIconIndex(int i) {
    iconIndex_ = i;
    if (i >= 0 && i < icons_.size()) icon_ = icons_[i];
    Update();
}

void TTrayComp::SetInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    UpdateTimer();
}

void TTrayComp::SetAnimate(bool on) {
    if (!HasIcons()) return;
    animate_ = on;
    UpdateTimer();
}

void TTrayComp::UpdateTimer() {
    // A zero interval would make QTimer fire on every pass of the event loop.
    if (animate_ && interval_ > 0) {
        timer_->start(interval_);
    } else {
        timer_->stop();
        timer_->setInterval(interval_);
    }
}

void TTrayComp::Loaded() {
    if (HasIcons()) {
        if (iconIndex_ >= 0 && iconIndex_ < icons_.size()) icon_ = icons_[iconIndex_];
    } else {
        icon_ = ProgramIcon();
    }
    Update();
}

void TTrayComp::OnAnimation() {
    const int n = int(icons_.size());
    SetIconIndex(iconIndex_ < n - 1 ? iconIndex_ + 1 : 0);
}

void TTrayComp::Update() {
    if (trayIcon_) trayIcon_->setIcon(icon_);
}

void TTrayComp::SetDefaultIcon() {
    icon_ = ProgramIcon();
    Update();
}

QIcon TTrayComp::ProgramIcon() const {
    QIcon icon = QApplication::windowIcon();
    // A tray icon without a picture is invisible; Qt also warns about it.
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon;
}

void TTrayComp::EndSession() {
    if (trayIcon_) trayIcon_->hide();
}

// Qt reports a click on the icon after the fact, with no separate press and
// release; the mouse operations run in the order the buttons produce them.
void TTrayComp::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        LButtonDown();
        LButtonUp();
        break;
    case QSystemTrayIcon::DoubleClick:
        LButtonDblClick();
        LButtonUp();
        break;
    case QSystemTrayIcon::Context:
        RButtonDown();
        RButtonUp();
        break;
    default:
        break;
    }
}

void TTrayComp::MouseAction(TTrayCompButtonClick own) {
    if (restoreOn_ == own) Restore();
    if (popupMenuOn_ == own) ShowMenu();
}

void TTrayComp::LButtonDown() {
    MouseAction(arLeftClick);
    emit OnLButtonDown();
}

void TTrayComp::LButtonUp() {
    MouseAction(arLeftClickUp);
    emit OnLButtonUp();
}

void TTrayComp::LButtonDblClick() {
    MouseAction(arLeftDblClick);
    emit OnLButtonDblClick();
}

void TTrayComp::RButtonDown() {
    MouseAction(arRightClick);
    emit OnRButtonDown();
}

void TTrayComp::RButtonUp() {
    MouseAction(arRightClickUp);
    emit OnRButtonUp();
}

void TTrayComp::RButtonDblClick() {
    MouseAction(arRightDblClick);
    emit OnRButtonDblClick();
}

void TTrayComp::ShowMenu() {
    if (popupMenu_) popupMenu_->popup(QCursor::pos());
}

void TTrayComp::Minimize() {
    ApplyMinimized();
    emit OnMinimize();
}

void TTrayComp::ApplyMinimized() {
    minimized_ = true;
    QWidget* w = mainWindow_;
    if (!w) return;
    QScopedValueRollback<bool> own(changingWindow_, true);
    if (hide_ && InTray()) {
        // Only the tray icon is left to bring the program back: closing a
        // tool window opened from its menu must not end the program.
        TakeQuitLock();
        TrayIcon();  // the way back must be there before the window goes
        w->hide();
        hiddenInTray_ = true;
        trayWatch_->start();
    } else if (!w->isMinimized() || !w->isVisible()) {
        // No tray: the taskbar entry stays, and the user restores from it.
        LeaveTray();
        w->showMinimized();
    }
}

void TTrayComp::Restore() {
    minimized_ = false;
    if (QWidget* w = mainWindow_) {
        QScopedValueRollback<bool> own(changingWindow_, true);
        LeaveTray();
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    }
    emit OnRestore();
}

void TTrayComp::LeaveTray() {
    hiddenInTray_ = false;
    trayWatch_->stop();
    ReleaseQuitLock();
}

void TTrayComp::TakeQuitLock() {
    if (quitLockTaken_) return;
    savedQuitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    quitLockTaken_ = true;
}

void TTrayComp::ReleaseQuitLock() {
    if (!quitLockTaken_) return;
    QApplication::setQuitOnLastWindowClosed(savedQuitOnLastWindowClosed_);
    quitLockTaken_ = false;
}

// Minimise and restore by anyone else (the window manager, the taskbar, a
// showMinimized call) come here. The reaction waits for the event loop, so
// that a change in progress, such as showMinimized's minimise then show, is
// judged by the state it ends in.
bool TTrayComp::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mainWindow_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowStateChange:
    case QEvent::Show:
        if (!changingWindow_ && !syncPending_) {
            syncPending_ = true;
            QMetaObject::invokeMethod(this, [this] { kv::guarded([this] { SyncWithWindow(); }); },
                                      Qt::QueuedConnection);
        }
        break;
    case QEvent::Paint:
        MakeIconSoon();
        break;
    case QEvent::Close:
        // The main window is on its way out: the tray no longer holds the program.
        ReleaseQuitLock();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TTrayComp::SyncWithWindow() {
    syncPending_ = false;
    QWidget* w = mainWindow_;
    if (!w || !w->isVisible()) return;  // hidden: by us into the tray, or by its owner
    if (w->isMinimized()) {
        if (!minimized_) Minimize();
        else if (hiddenInTray_) ApplyMinimized();  // shown minimised: back into the tray
    } else if (minimized_) {
        Restore();
    }
}
