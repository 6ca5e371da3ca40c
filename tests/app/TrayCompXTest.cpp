// The tray icon in a real tray: a private Xvfb with trayer, clicked with xdotool.
#include <QMenu>
#include <QPixmap>
#include <QProcess>
#include <QWidget>
#include <QtTest>

#include "app/TrayComp.h"

namespace {

QIcon solidIcon(Qt::GlobalColor color) {
    QPixmap pixmap(22, 22);
    pixmap.fill(color);
    return QIcon(pixmap);
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// "IsViewable" or "IsUnMapped": an unmapped window has no taskbar entry.
QString mapState(const QWidget& window) {
    const QString info = run("xwininfo", {"-id", QString::number(window.winId())});
    static const QRegularExpression state("Map State: (\\w+)");
    return state.match(info).captured(1);
}

void clickIcon(TTrayComp& tray, const QString& button, int repeat) {
    const QPoint centre = tray.TrayIcon()->geometry().center();
    run("xdotool", {"mousemove", QString::number(centre.x()), QString::number(centre.y())});
    run("xdotool", {"click", "--repeat", QString::number(repeat), "--delay", "60", button});
}

}  // namespace

class TrayCompXTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);
    }

    void minimiseToTheTrayAndRestoreByDoubleClick() {
        QWidget bar;
        bar.resize(316, 67);
        bar.move(173, 151);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(mapState(bar), QStringLiteral("IsViewable"));

        TTrayComp tray(&bar);
        QMenu menu;
        menu.addAction("Hide");
        tray.SetHint("Veltrano");
        tray.SetPopupMenu(&menu);
        tray.SetPopupMenuOn(arRightClick);
        tray.SetIcons({solidIcon(Qt::darkBlue), solidIcon(Qt::darkRed)});
        tray.SetInterval(200);
        tray.Loaded();
        tray.SetVisible(true);
        QVERIFY(tray.InTray());
        // Docked: the tray gave the icon a place on the screen.
        QTRY_VERIFY_WITH_TIMEOUT(!tray.TrayIcon()->geometry().isEmpty(), 5000);

        QSignalSpy minimized(&tray, &TTrayComp::OnMinimize);
        QSignalSpy restored(&tray, &TTrayComp::OnRestore);
        tray.Minimize();
        QCOMPARE(minimized.count(), 1);
        QVERIFY(!bar.isVisible());
        QTRY_COMPARE(mapState(bar), QStringLiteral("IsUnMapped"));

        // A single click is no restore.
        clickIcon(tray, "1", 1);
        QTest::qWait(300);
        QVERIFY(!bar.isVisible());
        QCOMPARE(restored.count(), 0);

        clickIcon(tray, "1", 2);
        QTRY_COMPARE_WITH_TIMEOUT(restored.count(), 1, 5000);
        QVERIFY(bar.isVisible());
        QVERIFY(!bar.isMinimized());
        QTRY_COMPARE(mapState(bar), QStringLiteral("IsViewable"));

        // The right button opens the menu where the pointer is.
        clickIcon(tray, "3", 1);
        QTRY_VERIFY_WITH_TIMEOUT(menu.isVisible(), 5000);
        const QPoint pointer = tray.TrayIcon()->geometry().center();
        QVERIFY2(qAbs(menu.geometry().top() - pointer.y()) <= 1 || menu.geometry().contains(pointer),
                 qPrintable(QStringLiteral("menu at %1,%2").arg(menu.x()).arg(menu.y())));
        menu.hide();
    }

    // A minimise the component did not start still takes the window off the screen.
    void minimiseByAnotherHandGoesToTheTray() {
        QWidget bar;
        bar.resize(316, 67);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        TTrayComp tray(&bar);
        tray.SetVisible(true);
        QSignalSpy minimized(&tray, &TTrayComp::OnMinimize);
        bar.showMinimized();
        QTRY_COMPARE(minimized.count(), 1);
        QTRY_COMPARE(mapState(bar), QStringLiteral("IsUnMapped"));
        QVERIFY(!bar.isVisible());
        tray.Restore();
        QTRY_COMPARE(mapState(bar), QStringLiteral("IsViewable"));
    }
};

QTEST_MAIN(TrayCompXTest)
#include "TrayCompXTest.moc"
