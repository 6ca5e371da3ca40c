// The hex view's dialogs offscreen: a folder is listed without opening any
// file in it (a FIFO with no writer, one whose read blocks), nothing of a
// closed dialog stays on the screen, F1 opens the window's own help page,
// and the font machinery's notes stay off standard error. A dialog that
// hangs on a blocked read is ended by QtTest's watchdog (five minutes).
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/fake/FakeDesktop.h"
#include "tools/hexview/HexForm.h"
#include "widgets/forms/ProgramFonts.h"

namespace {

// Answers the next modal dialog with `answer` once it is up.
void whenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
        else whenModal(answer);
    });
}

// The names of the files in `folder` opened since the last call (the folder itself not counted).
class OpenedFiles {
public:
    explicit OpenedFiles(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(fd_, folder.toLocal8Bit().constData(), IN_OPEN | IN_ACCESS);
    }
    ~OpenedFiles() { ::close(fd_); }
    QStringList names() {
        QStringList names;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* at = buffer; at < buffer + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(at);
                if (!(e->mask & IN_ISDIR) && e->len > 0 && !names.contains(e->name)) names << e->name;
                at += sizeof(inotify_event) + e->len;
            }
        return names;
    }

private:
    int fd_;
};

// The entries of the dialog's folder with their shown types, once every one has its type.
QStringList listing(QFileDialog* dialog, int count) {
    auto* model = dialog->findChild<QFileSystemModel*>();
    QStringList shown;
    const bool complete = QTest::qWaitFor([&] {
        const QModelIndex folder = model->index(dialog->directory().absolutePath());
        shown.clear();
        for (int row = 0; row < model->rowCount(folder); ++row) {
            const QString type = model->index(row, 2, folder).data().toString();
            if (!type.isEmpty()) shown << model->index(row, 0, folder).data().toString() + ": " + type;
        }
        return shown.size() == count;
    }, 10000);
    shown.sort();
    return complete ? shown : shown << "(incomplete)";
}

QStringList visiblePopups(QWidget* dialog) {
    QStringList shown;
    for (QCompleter* c : dialog->findChildren<QCompleter*>())
        if (c->popup()->isVisible()) shown << c->popup()->metaObject()->className();
    return shown;
}

QStringList capturedMessages;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message) { capturedMessages << message; }

}  // namespace

class HexDialogsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int silentWriter = -1;

private slots:
    void initTestCase() {
        // A FIFO nobody writes to blocks whoever opens it; one with a writer
        // that writes nothing blocks whoever reads it.
        QVERIFY(::mkfifo(qPrintable(dir.filePath("pipe")), 0600) == 0);
        QVERIFY(::mkfifo(qPrintable(dir.filePath("silent.png")), 0600) == 0);
        const int reader = ::open(qPrintable(dir.filePath("silent.png")), O_RDONLY | O_NONBLOCK);
        silentWriter = ::open(qPrintable(dir.filePath("silent.png")), O_WRONLY);
        ::close(reader);
        QVERIFY(silentWriter >= 0);
        // Files whose type only their content tells.
        for (const char* name : {"notes", "data.bin"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\necho hello\n");
        }
    }
    void cleanupTestCase() { ::close(silentWriter); }

    void dialogsListFoldersWithoutOpeningFiles() {
        const struct {
            const char* dialog;
            void (THexForm::*menu)();
        } cases[] = {{"OpenDlg", &THexForm::MenuOpenClick}, {"SaveDlg", &THexForm::MenuSaveAsClick}};
        // Icons there are, whether the desktop has an icon theme or not.
        QTest::failOnWarning(QRegularExpression("null pixmap"));
        for (const auto& c : cases) {
            THexForm form;
            form.show();
            OpenedFiles opened(dir.path());
            QStringList shown;
            bool ticked = false;
            whenModal([&](QWidget* modal) {
                auto* dialog = static_cast<QFileDialog*>(modal);
                dialog->selectNameFilter(dialog->nameFilters().last());  // all files
                dialog->setDirectory(dir.path());
                // The FIFOs are not listed, but looked at all the same.
                shown = listing(dialog, 2);
                // The event loop still turns: a timer fires.
                QTimer::singleShot(0, [&] { ticked = true; });
                (void)QTest::qWaitFor([&] { return ticked; }, 10000);
                dialog->reject();
            });
            (form.*c.menu)();
            QVERIFY2(ticked, c.dialog);
            QCOMPARE(shown.size(), 2);
            QVERIFY2(!shown.contains("(incomplete)"), qPrintable(shown.join(", ")));
            QCOMPARE(opened.names(), QStringList());
        }
    }

    void nothingOfAClosedDialogStaysOnScreen() {
        QTemporaryDir folder;
        for (const char* name : {"picked.bin", "pickled.bin"}) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        THexForm form;
        form.show();
        QCompleter* completer = nullptr;
        QStringList whileOpen;
        whenModal([&](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            completer = name->completer();
            QTest::keyClicks(name, folder.filePath("pi"));
            // The names offered once the folder is listed.
            (void)QTest::qWaitFor([&] { return completer->completionCount() == 2; }, 10000);
            completer->complete();
            whileOpen = visiblePopups(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
        form.MenuOpenClick();
        QCOMPARE(whileOpen.size(), 1);
        QCOMPARE(visiblePopups(form.OpenDlg), QStringList());
        // A folder listed after the dialog closed offers its names again.
        completer->complete();
        QTest::qWait(50);
        QCOMPARE(visiblePopups(form.OpenDlg), QStringList());
    }

    void f1OpensTheWindowsOwnHelpPage() {
        platform::FakeDesktop fakes;
        THexForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(form.Rich, Qt::Key_F1);
        QCOMPARE(fakes.help->pages, QStringList{"hexview.html"});
        QCOMPARE(fakes.help->contexts, QList<int>{});
    }

    // Text of a script that needs shaping tables the installed faces lack
    // (N'Ko, as any binary shown as text has) makes no note; other messages pass.
    void fontNotesStayOffStandardError() {
        capturedMessages.clear();
        const QtMessageHandler before = qInstallMessageHandler(captureMessage);
        forms::useProgramFonts();
        QImage image(400, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        QFont courier(QStringLiteral("Courier New"));
        courier.setPixelSize(12);
        painter.setFont(courier);
        painter.drawText(2, 20, QStringLiteral("ab \u07CA\u07CB\u07CC \u0628\u0629 \u0915\u093F"));
        painter.end();
        qWarning("a message of the program's own");
        qInstallMessageHandler(before);
        QCOMPARE(capturedMessages, QStringList{"a message of the program's own"});
    }
};

QTEST_MAIN(HexDialogsTest)
#include "HexDialogsTest.moc"
