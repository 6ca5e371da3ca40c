// The tray icon offscreen: properties, animation, mouse routing, and minimise
// and restore with and without a tray (the tray is simulated; offscreen has none).
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "app/TrayComp.h"

namespace {

// A tray component whose desktop has, or lacks, a notification area, and
// which records the icon index each time the icon goes to the tray.
class ProbeTray : public TTrayComp {
public:
    explicit ProbeTray(QWidget* window, bool trayAvailable = false)
        : TTrayComp(window), trayAvailable_(trayAvailable) {}
    void Update() override {
        TTrayComp::Update();
        if (shownIndexes.isEmpty() || shownIndexes.last() != IconIndex()) shownIndexes << IconIndex();
    }
    void setTrayAvailable(bool on) { trayAvailable_ = on; }
    QList<int> shownIndexes;

protected:
    bool SystemTrayAvailable() const override { return trayAvailable_; }

private:
    bool trayAvailable_;
};

QIcon solidIcon(Qt::GlobalColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

QList<QIcon> threeIcons() {
    return {solidIcon(Qt::red), solidIcon(Qt::green), solidIcon(Qt::blue)};
}

using MouseOp = void (TTrayComp::*)();  // the operations and the events alike

// Events in the order they fire, by name.
struct Trace {
    QStringList seen;
    explicit Trace(TTrayComp& tray) {
        const std::pair<MouseOp, const char*> events[] = {
            {&TTrayComp::OnRestore, "restore"},  {&TTrayComp::OnMinimize, "minimize"},
            {&TTrayComp::OnLButtonDown, "LDown"}, {&TTrayComp::OnLButtonUp, "LUp"},
            {&TTrayComp::OnLButtonDblClick, "LDbl"}, {&TTrayComp::OnRButtonDown, "RDown"},
            {&TTrayComp::OnRButtonUp, "RUp"},     {&TTrayComp::OnRButtonDblClick, "RDbl"},
        };
        for (auto [signal, name] : events) QObject::connect(&tray, signal, [this, name] { seen << name; });
    }
    int count(const QString& name) const { return int(seen.count(name)); }
};

struct OpRow {
    const char* name;
    MouseOp op;
    TTrayCompButtonClick own;
    const char* event;
};

const OpRow kOps[] = {
    {"LButtonDown", &TTrayComp::LButtonDown, arLeftClick, "LDown"},
    {"LButtonUp", &TTrayComp::LButtonUp, arLeftClickUp, "LUp"},
    {"LButtonDblClick", &TTrayComp::LButtonDblClick, arLeftDblClick, "LDbl"},
    {"RButtonDown", &TTrayComp::RButtonDown, arRightClick, "RDown"},
    {"RButtonUp", &TTrayComp::RButtonUp, arRightClickUp, "RUp"},
    {"RButtonDblClick", &TTrayComp::RButtonDblClick, arRightDblClick, "RDbl"},
};

bool anyMessageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) return true;
    return false;
}

}  // namespace

class TrayCompTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window_ = new QWidget;
        window_->resize(316, 67);
        window_->show();
    }
    void cleanup() {
        delete window_;
        QApplication::setQuitOnLastWindowClosed(true);
    }

    void defaultsAreTheStoredOnes() {
        TTrayComp tray(window_);
        QCOMPARE(tray.Visible(), false);
        QCOMPARE(tray.Hint(), QString());
        QCOMPARE(tray.PopupMenu(), nullptr);
        QCOMPARE(tray.Hide(), true);
        QCOMPARE(tray.RestoreOn(), arLeftDblClick);
        QCOMPARE(tray.PopupMenuOn(), arNone);
        QVERIFY(!tray.HasIcons());
        QCOMPARE(tray.IconIndex(), 0);
        QCOMPARE(tray.GetInterval(), 1000);
        QCOMPARE(tray.GetAnimate(), false);
        // With no program icon set, the tray still gets a picture to show.
        QVERIFY(!tray.Icon().isNull());
        QCOMPARE(tray.TrayIcon()->icon().cacheKey(), tray.Icon().cacheKey());
    }

    // The bar's first picture does not wait for the tray: the icon is made
    // after the main window is drawn, with everything set before it.
    void iconIsMadeAfterTheMainWindowsFirstPicture() {
        QWidget window;
        window.resize(120, 40);
        TTrayComp tray(&window);
        const QList<QIcon> icons = threeIcons();
        tray.SetHint("Veltrano");
        tray.SetIcons(icons);
        tray.SetIconIndex(1);
        tray.SetVisible(true);
        window.show();
        QVERIFY(!tray.IconMade());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(tray.IconMade());
        QCOMPARE(tray.TrayIcon()->toolTip(), QStringLiteral("Veltrano"));
        QCOMPARE(tray.TrayIcon()->icon().cacheKey(), icons[1].cacheKey());
        QVERIFY(tray.TrayIcon()->isVisible());

        // Without a window on screen, the icon comes on the next pass.
        TTrayComp alone(nullptr);
        QVERIFY(!alone.IconMade());
        QTRY_VERIFY(alone.IconMade());
    }

    void hintOf63CharactersIsShownAnd64AreRefused() {
        TTrayComp tray(window_);
        const QString hint63(63, QLatin1Char('h'));
        tray.SetHint("Veltrano");
        QCOMPARE(tray.TrayIcon()->toolTip(), QStringLiteral("Veltrano"));
        tray.SetHint(hint63);
        QCOMPARE(tray.Hint(), hint63);
        QCOMPARE(tray.TrayIcon()->toolTip(), hint63);
        tray.SetHint(QString(64, QLatin1Char('x')));
        QCOMPARE(tray.Hint(), hint63);
        QCOMPARE(tray.TrayIcon()->toolTip(), hint63);
        // Characters, not UTF-16 units: 63 characters outside the BMP fit.
        QString wide;
        for (int i = 0; i < 63; ++i) wide += QString::fromUcs4(U"\U0001D70B", 1);
        tray.SetHint(wide);
        QCOMPARE(tray.Hint(), wide);
        tray.SetHint(QString());
        QCOMPARE(tray.Hint(), QString());
        QCOMPARE(tray.TrayIcon()->toolTip(), QString());
    }

    void threeIconsCycleZeroOneTwo() {
        ProbeTray tray(window_);
        const QList<QIcon> icons = threeIcons();
        tray.SetIcons(icons);
        tray.Loaded();
        tray.SetAnimate(true);
        QVERIFY(tray.GetAnimate());
        tray.shownIndexes.clear();
        QList<int> indexes{tray.IconIndex()};
        for (int step = 0; step < 5; ++step) {
            tray.OnAnimation();
            indexes << tray.IconIndex();
            // The tray shows the list's icon, not just a counter.
            QCOMPARE(tray.TrayIcon()->icon().cacheKey(), icons[tray.IconIndex()].cacheKey());
        }
        QCOMPARE(indexes, (QList<int>{0, 1, 2, 0, 1, 2}));
        QCOMPARE(tray.shownIndexes, (QList<int>{1, 2, 0, 1, 2}));
    }

    // The real timer: steps in order, none with a zero interval, none once stopped.
    void timerStepsInOrderAndStops() {
        ProbeTray tray(window_);
        tray.SetIcons(threeIcons());
        tray.Loaded();
        tray.SetInterval(0);
        tray.SetAnimate(true);
        QVERIFY(tray.GetAnimate());
        QTest::qWait(50);
        QCOMPARE(tray.IconIndex(), 0);
        tray.SetInterval(-5);
        QCOMPARE(tray.GetInterval(), 0);
        tray.SetInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(tray.shownIndexes.size() >= 7, 5000);
        for (qsizetype i = 1; i < tray.shownIndexes.size(); ++i)
            QCOMPARE(tray.shownIndexes[i], (tray.shownIndexes[i - 1] + 1) % 3);
        tray.SetAnimate(false);
        QVERIFY(!tray.GetAnimate());
        const int stoppedAt = tray.IconIndex();
        QTest::qWait(50);
        QCOMPARE(tray.IconIndex(), stoppedAt);
    }

    void animateWithoutIconsChangesNothing() {
        ProbeTray tray(window_);
        tray.SetInterval(5);
        tray.SetAnimate(true);
        QVERIFY(!tray.GetAnimate());
        // The refused request is not remembered for a later list of icons.
        tray.SetIcons(threeIcons());
        QTest::qWait(30);
        QVERIFY(!tray.GetAnimate());
        QCOMPARE(tray.IconIndex(), 0);
    }

    void iconIndexOutsideTheListKeepsTheIcon() {
        TTrayComp tray(window_);
        const QList<QIcon> icons = threeIcons();
        tray.SetIcons(icons);
        tray.SetIconIndex(1);
        QCOMPARE(tray.Icon().cacheKey(), icons[1].cacheKey());
        tray.SetIconIndex(7);
        QCOMPARE(tray.IconIndex(), 7);
        QCOMPARE(tray.Icon().cacheKey(), icons[1].cacheKey());
        tray.OnAnimation();
        QCOMPARE(tray.IconIndex(), 0);
        QCOMPARE(tray.Icon().cacheKey(), icons[0].cacheKey());
    }

    void loadedTakesTheStoredIndexOrTheProgramIcon() {
        const QIcon programIcon = solidIcon(Qt::yellow);
        QApplication::setWindowIcon(programIcon);
        TTrayComp tray(window_);
        QCOMPARE(tray.Icon().cacheKey(), programIcon.cacheKey());
        const QList<QIcon> icons = threeIcons();
        tray.SetIcons(icons);
        tray.SetIconIndex(2);
        tray.SetIcons({});
        tray.Loaded();
        QCOMPARE(tray.Icon().cacheKey(), programIcon.cacheKey());
        tray.SetIcons(icons);
        tray.Loaded();
        QCOMPARE(tray.Icon().cacheKey(), icons[2].cacheKey());
        QCOMPARE(tray.TrayIcon()->icon().cacheKey(), icons[2].cacheKey());
        tray.SetDefaultIcon();
        QCOMPARE(tray.TrayIcon()->icon().cacheKey(), programIcon.cacheKey());
        QApplication::setWindowIcon(QIcon());
    }

    // Each action value against each mouse operation: restore and menu happen
    // exactly when the operation is that action; the event always fires.
    void mouseRouting_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("action");
        for (int op = 0; op < int(std::size(kOps)); ++op)
            for (int action = arLeftClick; action <= arNone; ++action)
                QTest::addRow("%s/action%d", kOps[op].name, action) << op << action;
    }
    void mouseRouting() {
        QFETCH(int, op);
        QFETCH(int, action);
        const OpRow& row = kOps[op];
        const bool mine = row.own == action;

        ProbeTray tray(window_);
        QMenu menu;
        menu.addAction("Hide");
        tray.SetPopupMenu(&menu);
        Trace trace(tray);
        QSignalSpy menuShown(&menu, &QMenu::aboutToShow);

        tray.SetRestoreOn(TTrayCompButtonClick(action));
        (tray.*row.op)();
        QCOMPARE(trace.count("restore"), mine ? 1 : 0);
        QCOMPARE(menuShown.count(), 0);
        QCOMPARE(trace.seen.last(), QString(row.event));

        trace.seen.clear();
        tray.SetRestoreOn(arNone);
        tray.SetPopupMenuOn(TTrayCompButtonClick(action));
        (tray.*row.op)();
        QCOMPARE(menuShown.count(), mine ? 1 : 0);
        QCOMPARE(menu.isVisible(), mine);
        QCOMPARE(trace.seen, QStringList{row.event});
        menu.hide();
    }

    void restoreThenMenuThenEvent() {
        ProbeTray tray(window_);
        QMenu menu;
        menu.addAction("Hide");
        tray.SetPopupMenu(&menu);
        Trace trace(tray);
        connect(&menu, &QMenu::aboutToShow, [&trace] { trace.seen << "menu"; });
        tray.SetRestoreOn(arRightClickUp);
        tray.SetPopupMenuOn(arRightClickUp);
        tray.RButtonUp();
        QCOMPARE(trace.seen, (QStringList{"restore", "menu", "RUp"}));
        menu.hide();
    }

    // What Qt reports of a click becomes the button sequence of that click.
    void activationBecomesButtonSequence_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("click") << int(QSystemTrayIcon::Trigger) << QStringList{"LDown", "LUp"};
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << QStringList{"LDbl", "LUp"};
        QTest::newRow("right click") << int(QSystemTrayIcon::Context) << QStringList{"RDown", "RUp"};
        QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << QStringList{};
    }
    void activationBecomesButtonSequence() {
        QFETCH(int, reason);
        QFETCH(QStringList, expected);
        ProbeTray tray(window_);
        Trace trace(tray);
        tray.SetRestoreOn(arNone);
        emit tray.TrayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(trace.seen, expected);
    }

    // The bar's setting: left double click restores, the right button opens
    // the menu at the cursor; Qt must not open the menu on its own as well.
    void barSettingRestoresAndOpensMenuAtCursor() {
        ProbeTray tray(window_, true);
        QMenu menu;
        menu.addAction("Hide");
        menu.addAction("Exit");
        tray.SetPopupMenu(&menu);
        tray.SetPopupMenuOn(arRightClick);
        tray.SetVisible(true);
        QCOMPARE(tray.TrayIcon()->contextMenu(), nullptr);
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);

        tray.Minimize();
        QVERIFY(!window_->isVisible());
        emit tray.TrayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!window_->isVisible());
        QCOMPARE(restored.count(), 0);
        emit tray.TrayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window_->isVisible());
        QVERIFY(!window_->isMinimized());
        QCOMPARE(restored.count(), 1);

        QCursor::setPos(400, 300);
        const QPoint cursor = QCursor::pos();
        emit tray.TrayIcon()->activated(QSystemTrayIcon::Context);
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), cursor);
        menu.hide();
    }

    // Most Linux desktops have no tray: nothing is fatal, and minimising
    // leaves the taskbar entry from which the user restores the window.
    void withoutTrayNothingIsFatal() {
        ProbeTray tray(window_, false);
        QSignalSpy minimized(&tray, &TTrayComp::OnMinimize);
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);
        tray.SetVisible(true);
        QVERIFY(tray.Visible());
        QVERIFY(!tray.InTray());
        QVERIFY(!anyMessageBox());

        tray.Minimize();
        QVERIFY(window_->isVisible());
        QVERIFY(window_->isMinimized());
        QCOMPARE(minimized.count(), 1);
        tray.Restore();
        QVERIFY(window_->isVisible());
        QVERIFY(!window_->isMinimized());
        QCOMPARE(restored.count(), 1);

        tray.SetVisible(false);
        QVERIFY(!tray.Visible());
        QVERIFY(!anyMessageBox());
    }

    // The window manager or the taskbar minimises and restores the window:
    // without a tray the entry stays, and both still reach the owner.
    void outsideMinimiseWithoutTrayReachesTheOwner() {
        ProbeTray tray(window_, false);
        tray.SetVisible(true);
        QSignalSpy minimized(&tray, &TTrayComp::OnMinimize);
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);
        window_->setWindowState(Qt::WindowMinimized);
        QTRY_COMPARE(minimized.count(), 1);
        QVERIFY(window_->isVisible());
        window_->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(restored.count(), 1);
        QVERIFY(window_->isVisible());
        QCOMPARE(minimized.count(), 1);
    }

    // Hide off, or the icon not shown: the taskbar keeps the window.
    void withTrayButHideOffOrIconHiddenMinimisesOnly_data() {
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Hide false") << false << true;
        QTest::newRow("Visible false") << true << false;
    }
    void withTrayButHideOffOrIconHiddenMinimisesOnly() {
        QFETCH(bool, hide);
        QFETCH(bool, visible);
        ProbeTray tray(window_, true);
        tray.SetVisible(visible);
        tray.SetHide(hide);
        tray.Minimize();
        QVERIFY(window_->isVisible());
        QVERIFY(window_->isMinimized());
    }

    // showMinimized minimises and then shows: the window must end up in the tray.
    void outsideMinimiseWithTrayHidesTheWindow() {
        ProbeTray tray(window_, true);
        tray.SetVisible(true);
        QSignalSpy minimized(&tray, &TTrayComp::OnMinimize);
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);
        window_->showMinimized();
        QTRY_COMPARE(minimized.count(), 1);
        QTRY_VERIFY(!window_->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!window_->isVisible());
        QCOMPARE(restored.count(), 0);
        // Someone shows the hidden window: a restore, announced as such.
        window_->showNormal();
        QTRY_COMPARE(restored.count(), 1);
        QVERIFY(window_->isVisible());
        QVERIFY(!window_->isMinimized());
        QCOMPARE(minimized.count(), 1);
    }

    void trayGoneWhileHiddenHandsTheWindowToTheTaskbar() {
        ProbeTray tray(window_, true);
        tray.SetVisible(true);
        tray.Minimize();
        QVERIFY(!window_->isVisible());
        tray.SetVisible(false);
        QVERIFY(window_->isVisible());
        QVERIFY(window_->isMinimized());
        // ... and restoring from the taskbar still reaches the owner.
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);
        window_->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(restored.count(), 1);

        // The panel with the tray quits while the window hides in it.
        tray.SetVisible(true);
        tray.Minimize();
        QVERIFY(!window_->isVisible());
        tray.setTrayAvailable(false);
        QTRY_VERIFY(window_->isVisible());
        QVERIFY(window_->isMinimized());
        // ... and the next minimise keeps the entry.
        tray.Restore();
        tray.Minimize();
        QVERIFY(window_->isVisible());
        QVERIFY(window_->isMinimized());
    }

    // While the window is hidden in the tray, closing a tool window opened
    // from the tray's menu must not end the program; once restored, closing
    // the main window still does. Without the component, closing that tool
    // window ends the program: the case is real.
    void closingAToolWindowInTheTrayKeepsTheProgram_data() {
        QTest::addColumn<bool>("withTray");
        QTest::addColumn<bool>("restoreAndClose");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("in the tray") << true << false << 42;
        QTest::newRow("restored, main window closed") << true << true << 0;
        QTest::newRow("hidden without the component") << false << false << 0;
    }
    void closingAToolWindowInTheTrayKeepsTheProgram() {
        QFETCH(bool, withTray);
        QFETCH(bool, restoreAndClose);
        QFETCH(int, exitCode);
        ProbeTray tray(withTray ? window_ : nullptr, true);
        tray.SetVisible(true);
        QTimer::singleShot(0, [&] {
            if (withTray) tray.Minimize();
            else window_->hide();
            auto* tool = new QDialog;  // a tool window owned by the application
            tool->setAttribute(Qt::WA_DeleteOnClose);
            tool->show();
            QTimer::singleShot(10, tool, &QDialog::close);
            if (restoreAndClose) {
                QTimer::singleShot(20, [&] { tray.Restore(); });
                QTimer::singleShot(30, window_, &QWidget::close);
            }
            QTimer::singleShot(200, [] { QCoreApplication::exit(42); });
        });
        QCOMPARE(QCoreApplication::exec(), exitCode);
    }

private:
    QWidget* window_ = nullptr;
};

QTEST_MAIN(TrayCompTest)
#include "TrayCompTest.moc"
