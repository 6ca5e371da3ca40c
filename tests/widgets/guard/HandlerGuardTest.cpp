// The handler guard: errors become message boxes, never escape into Qt; every
// message box of the program carries the application title.
#include <QDirIterator>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/AppInfo.h"
#include "core/Error.h"
#include "widgets/guard/GuardedApplication.h"
#include "core/HandlerGuard.h"
#include "widgets/guard/MessageBox.h"

namespace {

struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Closes the next message box that opens and records what it showed.
void catchNextBox(BoxSeen& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        ++seen.count;
        box->accept();
    });
}

class Handler : public QObject {
public:
    int stepsDone = 0;
    void SolveBtnClick() {
        ++stepsDone;
        throw kv::Error("Floating point overflow");
        ++stepsDone;  // never reached: the guard skips the rest
    }
};

class ThrowingButton : public QPushButton {
protected:
    void mousePressEvent(QMouseEvent*) override { throw std::runtime_error("from a virtual handler"); }
};

}  // namespace

class HandlerGuardTest : public QObject {
    Q_OBJECT
private slots:
    void errorShowsMessageBoxWithTitleAndIcon() {
        BoxSeen seen;
        catchNextBox(seen);
        bool ok = kv::guarded([] { throw kv::Error("'x' is not a valid floating point value"); });
        QVERIFY(!ok);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.title, kv::kAppTitle);
        QCOMPARE(seen.title, QStringLiteral("Veltrano Prof."));
        QCOMPARE(seen.text, QStringLiteral("'x' is not a valid floating point value"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
    }

    // A box made anywhere else could carry any title: the program's sources
    // open none but through showMessageBox.
    void noOtherCodeOpensAMessageBox() {
        const QString root = qEnvironmentVariable("KV_SOURCE_DIR");
        if (root.isEmpty()) QSKIP("KV_SOURCE_DIR not set: not run by ctest");
        static const QRegularExpression box(QStringLiteral(R"(\bQ(MessageBox|ErrorMessage)\b)"));
        QStringList offenders;
        int files = 0;
        for (const char* folder : {"app", "core", "parser", "data", "platform", "tools", "widgets"}) {
            QDirIterator it(root + "/" + folder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                ++files;
                if (path.endsWith("/widgets/guard/MessageBox.cpp")) continue;
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                if (box.match(QString::fromUtf8(file.readAll())).hasMatch()) offenders << path.mid(root.size() + 1);
            }
        }
        QVERIFY(files > 50);
        QVERIFY2(offenders.isEmpty(), qPrintable("use kv::showMessageBox in " + offenders.join(", ")));
    }

    void successShowsNothing() {
        BoxSeen seen;
        catchNextBox(seen);
        int ran = 0;
        QVERIFY(kv::guarded([&] { ++ran; }));
        QCoreApplication::processEvents();
        QCOMPARE(ran, 1);
        QCOMPARE(seen.count, 0);
    }

    void memberHandlerStopsAtTheErrorAndWindowGoesOn() {
        std::vector<std::string> messages;
        kv::ErrorSink old = kv::setErrorSink([&](const std::string& m) { messages.push_back(m); });
        Handler h;
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, &h, kv::guard(&h, &Handler::SolveBtnClick));
        button.click();
        button.click();
        kv::setErrorSink(old);
        QCOMPARE(h.stepsDone, 2);  // each click ran up to the error, no further
        QCOMPARE(messages.size(), size_t(2));
        QCOMPARE(messages[0], std::string("Floating point overflow"));
    }

    void unknownExceptionStillReported() {
        std::string got;
        kv::ErrorSink old = kv::setErrorSink([&](const std::string& m) { got = m; });
        QVERIFY(!kv::guarded([] { throw 42; }));
        kv::setErrorSink(old);
        QCOMPARE(got, std::string("Unknown error"));
    }

    void throwingSinkDoesNotEscape() {
        kv::ErrorSink old = kv::setErrorSink([](const std::string&) { throw std::runtime_error("sink"); });
        QVERIFY(!kv::guarded([] { throw kv::Error("boom"); }));
        kv::setErrorSink(old);
    }

    void applicationCatchesVirtualHandlerErrors() {
        std::string got;
        kv::ErrorSink old = kv::setErrorSink([&](const std::string& m) { got = m; });
        ThrowingButton button;
        button.show();
        QTest::mousePress(&button, Qt::LeftButton);
        kv::setErrorSink(old);
        QCOMPARE(got, std::string("from a virtual handler"));
    }
};

int main(int argc, char** argv) {
    kv::GuardedApplication app(argc, argv);
    HandlerGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HandlerGuardTest.moc"
