#pragma once
// The tray icon: the program's icon in the desktop's notification area.
//
// It animates the icon from a list of icons, opens a popup menu on one mouse
// action and restores the program on another, and while the program is
// minimised it hides the main window, so the program lives in the tray alone.
// Every minimise and restore of the main window, whoever causes it (the
// program, the window manager, the taskbar), passes through Minimize and
// Restore and fires OnMinimize / OnRestore.
//
// Many Linux desktops have no tray. Without one the component never hides the
// main window: minimising leaves the normal taskbar entry, from which the user
// restores it. Nothing about a missing or vanished tray is fatal.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

class QEvent;
class QMenu;
class QTimer;
class QWidget;

// The mouse actions on the icon, in their stored order (0..6).
enum TTrayCompButtonClick {
    arLeftClick,      // left button down
    arLeftDblClick,
    arLeftClickUp,
    arRightClick,     // right button down
    arRightDblClick,
    arRightClickUp,
    arNone,
};

class TTrayComp : public QObject {
    Q_OBJECT
public:
    // mainWindow: the window that minimise hides and restore shows (the
    // program's main window); may be null and set later with SetMainWindow.
    explicit TTrayComp(QWidget* mainWindow = nullptr, QObject* parent = nullptr);
    ~TTrayComp() override;

    QWidget* MainWindow() const;
    void SetMainWindow(QWidget* window);

    // The icon is in the notification area (default false). Turning it off
    // while the main window is hidden in the tray brings the window back as
    // a minimised window, so the program never becomes unreachable.
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // The tooltip (default empty). A text of 64 characters or more is ignored.
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& text);

    // Shown by ShowMenu at the cursor (default none). Not owned.
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);

    // Hide the main window (its taskbar entry) while minimised (default true).
    bool Hide() const { return hide_; }
    void SetHide(bool h) { hide_ = h; }

    TTrayCompButtonClick RestoreOn() const { return restoreOn_; }       // default arLeftDblClick
    void SetRestoreOn(TTrayCompButtonClick a) { restoreOn_ = a; }
    TTrayCompButtonClick PopupMenuOn() const { return popupMenuOn_; }   // default arNone
    void SetPopupMenuOn(TTrayCompButtonClick a) { popupMenuOn_ = a; }

    // The icons of the animation (default none: the program's own icon). An
    // empty list counts as none. Setting the list does not change the icon
    // shown; Loaded or SetIconIndex does.
    const QList<QIcon>& Icons() const { return icons_; }
    void SetIcons(const QList<QIcon>& icons) { icons_ = icons; }
    bool HasIcons() const { return !icons_.isEmpty(); }

    // Index of the icon shown from Icons (default 0). An index outside the
    // list is stored but keeps the icon shown.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int i);

    // The animation step in milliseconds (default 1000). 0 or less stops the
    // steps while leaving Animate as it is.
    int GetInterval() const { return interval_; }
    void SetInterval(int ms);

    // The animation runs. Changes nothing while there are no Icons.
    bool GetAnimate() const { return animate_; }
    void SetAnimate(bool on);

    // Call once the owner has set the properties: shows icon IconIndex of
    // Icons, or the program's icon when there are none.
    void Loaded();

    // The icon currently handed to the tray.
    const QIcon& Icon() const { return icon_; }
    // The underlying tray icon (tests and the owner's geometry queries); made
    // here if it is not there yet.
    QSystemTrayIcon* TrayIcon();
    // The icon has been handed to the desktop. It is made once the main
    // window has been drawn for the first time (or at once without a main
    // window on screen, or when the window hides in the tray): reaching the
    // tray can take a round trip over the session bus, which the bar's first
    // appearance need not wait for.
    bool IconMade() const { return trayIcon_ != nullptr; }
    // The icon really sits in a tray: Visible and the desktop has a tray.
    bool InTray() const;

    // One animation step: the next icon of Icons, after the last the first.
    void OnAnimation();

    // The mouse actions on the icon. Each restores the program when RestoreOn
    // names its action, then shows the menu when PopupMenuOn names it, then
    // fires its event.
    void LButtonDown();
    void LButtonUp();
    void LButtonDblClick();
    void RButtonDown();
    void RButtonUp();
    void RButtonDblClick();

    // The session ends: take the icon out of the tray.
    void EndSession();
    // Minimise the main window; with a tray (and Hide, Visible) hide it
    // instead, taking it off the taskbar. Fires OnMinimize.
    void Minimize();
    // Show the main window normally, raised and active. Fires OnRestore.
    void Restore();
    // Hand the current icon to the tray.
    virtual void Update();
    // Pop the PopupMenu up at the cursor, if there is one.
    void ShowMenu();
    // Show the program's own icon.
    void SetDefaultIcon();

signals:
    void OnMinimize();
    void OnRestore();
    void OnLButtonDown();
    void OnLButtonUp();
    void OnLButtonDblClick();
    void OnRButtonDown();
    void OnRButtonUp();
    void OnRButtonDblClick();

protected:
    // Whether the desktop has a notification area; tests replace it.
    virtual bool SystemTrayAvailable() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void MouseAction(TTrayCompButtonClick own);
    void UpdateTimer();
    QIcon ProgramIcon() const;
    void ApplyMinimized();
    void HandToTaskbar();
    void WatchTray();
    // The main window no longer hides in the tray: no watch, no quit lock.
    void LeaveTray();
    void SyncWithWindow();
    void TakeQuitLock();
    void ReleaseQuitLock();
    void MakeIconSoon();

    QPointer<QWidget> mainWindow_;
    QPointer<QMenu> popupMenu_;
    QSystemTrayIcon* trayIcon_ = nullptr;
    QTimer* timer_;
    QTimer* trayWatch_;
    QList<QIcon> icons_;
    QIcon icon_;
    QString hint_;
    int iconIndex_ = 0;
    int interval_ = 1000;
    bool visible_ = false;
    bool hide_ = true;
    bool animate_ = false;
    bool minimized_ = false;      // the program is minimised, to the tray or the taskbar
    bool hiddenInTray_ = false;   // ... and the main window is hidden for the tray
    bool changingWindow_ = false; // our own window changes, not someone else's
    bool syncPending_ = false;
    bool iconPending_ = false;    // the icon is to be made on the next pass of the loop
    bool quitLockTaken_ = false;
    bool savedQuitOnLastWindowClosed_ = true;
    TTrayCompButtonClick restoreOn_ = arLeftDblClick;
    TTrayCompButtonClick popupMenuOn_ = arNone;
};
