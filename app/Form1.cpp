#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "app/BarGlyphs.h"
#include "app/Hot.h"
#include "app/TrayComp.h"
#include "core/AppInfo.h"
#include "core/HandlerGuard.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramDir.h"
#include "platform/SingleInstance.h"
#include "platform/WindowSystem.h"
#include "widgets/gif/GIFImage.h"

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define KV_HAVE_XCB 1
#endif

TForm1* Form1 = nullptr;

namespace {

constexpr int kDesignLeft = 173;
constexpr int kDesignTop = 151;
constexpr int kTrayInterval = 200;  // ms per frame of the tray animation

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kv::kAppTitle);
    setFixedSize(BarPlace{}.width, BarPlace{}.height);
    // A launcher is used from other programs: its hints show without a click
    // to make it the active window first.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    move(kDesignLeft, kDesignTop);
    createControls();
    createMenu();
    createTray();
    connectHandlers();
    kv::guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    kv::guarded([this] { FormDestroy(); });
}

void TForm1::createControls() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(rect());
    Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
    Panel1->installEventFilter(this);

    GIFImage1 = new TGIFImage(Panel1);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(4, 6, 29, 24);
    GIFImage1->setLoop(false);
    GIFImage1->setToolTip(
        QStringLiteral("Click right key mouse to view PopUp menu or press left key mouse and move window"));
    // The bar works without its logo; a missing file is no reason to stop.
    GIFImage1->tryLoadFromFile(platform::programDir() + QStringLiteral("kvlogo.gif"));
    GIFImage1->installEventFilter(this);

    addEntryButtons();

    // F1 on the bar opens its page of the help, as the menu's Help does.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, kv::guard(this, &TForm1::Help1Click));
}

QList<QToolButton*> TForm1::toolButtons() const {
    return Panel1->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void TForm1::createTray() {
    ImageList1 = trayFrames();
    TrayComp1 = new TTrayComp(this, this);
    TrayComp1->setObjectName(QStringLiteral("TrayComp1"));
    TrayComp1->SetHint(QStringLiteral("Veltrano"));
    TrayComp1->SetPopupMenu(PopupMenu1);
    TrayComp1->SetHide(true);
    TrayComp1->SetRestoreOn(arLeftDblClick);
    TrayComp1->SetPopupMenuOn(arRightClick);
    TrayComp1->SetIcons(ImageList1);
    TrayComp1->SetInterval(kTrayInterval);
    TrayComp1->SetVisible(true);
    TrayComp1->Loaded();
}

void TForm1::connectHandlers() {
    auto trigger = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, kv::guard(this, handler));
    };
    // The checkable entries: Qt toggles the mark before the handler runs, but
    // the handlers decide from the mark as it was and set it themselves.
    auto toggle = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, kv::guard([this, action, handler](bool checked) {
                    action->setChecked(!checked);
                    (this->*handler)();
                }));
    };
    connectEntries();
    trigger(Hide1, &TForm1::Hide1Click);
    toggle(Alwa1, &TForm1::Alwa1Click);
    trigger(RunScreensaver1, &TForm1::RunScreensaver1Click);
    trigger(Sleep1, &TForm1::Sleep1Click);
    trigger(EEx1, &TForm1::EEx1Click);
    toggle(Loadin1, &TForm1::Loadin1Click);
    trigger(Hotkey1, &TForm1::Hotkey1Click);
    toggle(LoadwithWindows1, &TForm1::LoadwithWindows1Click);
    trigger(Help1, &TForm1::Help1Click);
    trigger(Exit1, &TForm1::SpeedButton1Click);

    connect(Panel1, &QWidget::customContextMenuRequested, this,
            kv::guard([this](const QPoint& at) { PopupMenu1->popup(Panel1->mapToGlobal(at)); }));
    // The buttons take no focus: from the keyboard their tools are in the
    // menu, opened by the menu key (not every platform sends it as a context
    // menu request) and by Shift+F10, below the bar's top left corner.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, kv::guard([this] {
                    if (!PopupMenu1->isVisible()) PopupMenu1->popup(Panel1->mapToGlobal(QPoint(0, Panel1->height())));
                }));
    connect(TrayComp1, &TTrayComp::OnMinimize, this, kv::guard(this, &TForm1::TrayComp1Minimize));
    connect(TrayComp1, &TTrayComp::OnRestore, this, kv::guard(this, &TForm1::TrayComp1Restore));
    if (auto* session = platform::SingleInstance::current())
        connect(session, &platform::SingleInstance::forwardRequested, this, kv::guard(this, &TForm1::comeForward));
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            kv::guard([this](QWindow* focus) { watchActivation(focus); }));
}

// --- Where the bar lies ------------------------------------------------------

QSize TForm1::screenSize() const {
    return screenEdges(screen());
}

QSize TForm1::screenEdges(const QScreen* s) const {
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return {1024, 768};
    // Coordinates are the desktop's: the right edge of a second screen lies
    // beyond the first one's width.
    QRect g = s->geometry();
    return {g.x() + g.width(), g.y() + g.height()};
}

BarPlace TForm1::place() const {
    return BarPlace{x(), y(), width(), height(), Vertical};
}

void TForm1::applyMove(const BarMove& to) {
    const BarPlace& p = to.place;
    if (to.turned) {
        setFixedSize(p.width, p.height);
        Panel1->setGeometry(0, 0, p.width, p.height);
        transposeButtons();
    }
    Vertical = p.vertical;
    move(p.left, p.top);
}

void TForm1::transposeButtons() {
    for (QToolButton* button : toolButtons()) button->move(button->y(), button->x());
}

void TForm1::PlaceBar(int x, int y) {
    // The screen that holds the place asked for, else the bar's own.
    const QScreen* target = QGuiApplication::screenAt(QPoint(x, y));
    QSize screen = screenEdges(target ? target : this->screen());
    applyMove(placeBar(place(), x, y, screen.width(), screen.height()));
}

void TForm1::dropBar() {
    // Where the compositor puts the bar is its own secret: nothing to dock or save.
    if (!platform::windowsHavePlaces()) return;
    QSize screen = screenSize();
    applyMove(::dropBar(place(), screen.width(), screen.height()));
    auto key = platform::desktop().settings->openKey(QStringLiteral("Screen"), true);
    if (!key) return;
    key->writeInt(QStringLiteral("X_SC"), x());
    key->writeInt(QStringLiteral("Y_SC"), y());
}

// --- Start and activation ---------------------------------------------------

void TForm1::FormCreate() {
    // The hot keys reach the bar from every loop of the program, also the
    // modal loops of its tool windows.
    installHotKeys(this);
    LoadwithWindows1->setChecked(platform::desktop().autostart->isEnabled());
}

void TForm1::FormDestroy() {
    removeHotKeys();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    kv::guarded([this] {
        if (shownOnce_) return;
        shownOnce_ = true;
        // The first show activates the bar, whether or not the window manager
        // gives it the focus (there may be none).
        QTimer::singleShot(0, this, kv::guard(this, &TForm1::FormActivate));
    });
}

void TForm1::watchActivation(QWindow* focus) {
    // Focus that comes back from another program (or from the tray, after a
    // restore) is no return from a window of ours.
    if (!focus) {
        otherWindowActive_ = false;
        return;
    }
    // Menus and tooltips take the focus only for a moment.
    if (focus->type() == Qt::Popup || focus->type() == Qt::ToolTip) return;
    if (focus != windowHandle()) {
        otherWindowActive_ = true;
        return;
    }
    // Back from another window of the program (a tool window closed): the
    // saved place and the tray setting apply again.
    if (otherWindowActive_) {
        otherWindowActive_ = false;
        kv::guarded([this] { FormActivate(); });
    }
}

void TForm1::FormActivate() {
    auto key = platform::desktop().settings->openKey(QStringLiteral("Screen"), false);
    if (!key) return;
    if (key->readInt(QStringLiteral("Tray")).value_or(0) > 0) {
        BarShown = false;
        Loadin1->setChecked(true);
        Hide1->setText(QStringLiteral("Restore"));
        minimizeApp();
    } else {
        BarShown = true;
    }
    if (!platform::windowsHavePlaces()) return;
    int left = x();
    int top = y();
    if (auto ySc = key->readInt(QStringLiteral("Y_SC")); ySc && *ySc >= 0) top = *ySc;
    if (auto xSc = key->readInt(QStringLiteral("X_SC")); xSc && *xSc >= 0) left = *xSc;
    PlaceBar(left, top);
}

void TForm1::minimizeApp() {
    TrayComp1->Minimize();
}

void TForm1::restoreApp() {
    TrayComp1->Restore();
}

void TForm1::comeForward() {
    // As a double click on the tray icon would: the tray's restore also sets
    // the caption of Hide/Restore and BarShown (TrayComp1Restore).
    restoreApp();
    // A tool window that is open blocks the bar: it comes forward with it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Closing the main window ends the program, even from the tray where the
    // window is already hidden.
    kv::guarded([event] {
        if (event->isAccepted()) QCoreApplication::quit();
    });
}

// --- The drag ----------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Panel1 && watched != GIFImage1) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Taken here so that the press does not reach Panel1 a second time.
        mousePressEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseMove:
        if (!dragging_) break;
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && !dragging_) {
            // The menu opens when the right button comes up, not when it goes
            // down: opened at the press, it would lie under the pointer (at the
            // right screen edge it is pushed back over the bar), and the
            // release of that same click, or the second press of a quick
            // double click, would choose the entry there, typically Hide.
            const QPoint at = mouse->globalPosition().toPoint();
            kv::guarded([this, at] { PopupMenu1->popup(at); });
            return true;
        }
        if (!dragging_) break;
        mouseReleaseEvent(mouse);
        return true;
    }
    case QEvent::ContextMenu:
        // From the mouse the menu comes with the right button's release
        // (above); the keyboard's menu key still opens it here.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse) return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    kv::guarded([&] {
        GIFImage2MouseDown(event->button(), event->buttons(), event->globalPosition().toPoint());
    });
    event->accept();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    kv::guarded([&] {
        if (dragging_) dragTo(event->globalPosition().toPoint());
    });
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    kv::guarded([&] {
        if (dragging_ && event->button() == Qt::LeftButton) endDrag();
    });
}

void TForm1::GIFImage2MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint globalPos) {
    if (buttons & Qt::LeftButton) {
        if (button == Qt::LeftButton) beginDrag(globalPos);
        return;  // the drop runs when the drag ends
    }
    dropBar();
}

void TForm1::beginDrag(QPoint globalPos) {
    if (dragging_ || systemMoving_) return;
    QWindow* window = windowHandle();
    if (window && window->startSystemMove()) {
        // The window manager moves the window; it ends when the button is up.
        systemMoving_ = true;
        lastSystemPos_ = pos();
        stillPolls_ = 0;
        if (!systemMoveTimer_) {
            systemMoveTimer_ = new QTimer(this);
            systemMoveTimer_->setInterval(50);
            connect(systemMoveTimer_, &QTimer::timeout, this, kv::guard(this, &TForm1::pollSystemMove));
        }
        systemMoveTimer_->start();
        return;
    }
    // No window manager, or one that does not move windows for us: follow
    // the mouse ourselves until the button is released.
    dragging_ = true;
    dragOffset_ = globalPos - pos();
}

void TForm1::dragTo(QPoint globalPos) {
    move(globalPos - dragOffset_);
}

void TForm1::endDrag() {
    dragging_ = false;
    systemMoving_ = false;
    if (systemMoveTimer_) systemMoveTimer_->stop();
    dropBar();
}

void TForm1::pollSystemMove() {
    if (!systemMoving_) return;
    if (systemMoveButtonDown()) return;
    endDrag();
}

// Whether the left button is still held during the window manager's drag.
// The window manager grabs the pointer, so no release reaches the program;
// on X11 the server is asked directly.
bool TForm1::systemMoveButtonDown() {
#ifdef KV_HAVE_XCB
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        const xcb_setup_t* setup = xcb_get_setup(connection);
        xcb_screen_t* root = xcb_setup_roots_iterator(setup).data;
        if (root) {
            xcb_query_pointer_reply_t* reply =
                xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root->root), nullptr);
            if (reply) {
                bool down = reply->mask & XCB_BUTTON_MASK_1;
                free(reply);
                return down;
            }
        }
    }
#endif
    // Elsewhere: the drag is over once the window has stood still for half a
    // second with no button known to be held.
    if (pos() != lastSystemPos_) {
        lastSystemPos_ = pos();
        stillPolls_ = 0;
        return true;
    }
    return ++stillPolls_ < 10 || (QGuiApplication::mouseButtons() & Qt::LeftButton);
}
