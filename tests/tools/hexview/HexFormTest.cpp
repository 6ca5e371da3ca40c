// The hex view window offscreen: a file opened through the open dialog, the
// status texts, "Save as" (its proposal and the file byte for byte, through a
// link, cancelled), copying and its limit, selecting lines, go to, find, a text
// file, dump or text and the switch between them, control characters, streams
// (pipes, devices), and a file of 2^32 lines.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include <QCheckBox>
#include <QProcess>
#include <QTreeWidget>

#include "platform/fake/FakeDesktop.h"
#include "tests/support/ShownErrors.h"
#include "tools/hexview/HexForm.h"
#include "tools/hexview/InspectorPanel.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/ViewLines.h"

namespace {

// The dump of `bytes` formatted here on its own, to check the window's against.
QByteArray expectedDump(const QByteArray& bytes) {
    QByteArray dump;
    for (qsizetype at = 0; at < bytes.size(); at += 16) {
        char part[128];
        int n = std::snprintf(part, sizeof part, ";%05llX  ", static_cast<unsigned long long>(at));
        QByteArray line(part, n), text;
        for (qsizetype k = at; k < std::min(at + 16, bytes.size()); ++k) {
            const auto b = static_cast<unsigned char>(bytes[k]);
            n = std::snprintf(part, sizeof part, (k - at) % 4 == 3 ? "%02X  " : "%02X ", b);
            line.append(part, n);
            text.append(b >= 32 && b <= 126 ? char(b) : '.');
        }
        dump += line.leftJustified(62, ' ') + text + "\r\n";
    }
    return dump;
}

// What copying bytes from each column gives, made here on its own.
QString hexPairs(const QByteArray& bytes) {
    QStringList pairs;
    for (const char b : bytes) pairs << QStringLiteral("%1").arg(static_cast<uchar>(b), 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(' '));
}

QString printables(const QByteArray& bytes) {
    QString text;
    for (const char b : bytes) text += b >= 32 && b <= 126 ? QLatin1Char(b) : QLatin1Char('.');
    return text;
}

// The middle of a byte's cell in the hex or printable column of the view
// (offsets of five hex digits: "; 12345  " before the pairs, the printable
// column at character 62).
QPoint pointOf(const HexView* view, quint64 offset, bool printable) {
    const int k = static_cast<int>(offset % 16);
    const int column = printable ? 62 + k : 8 + 3 * k + k / 4;
    const QFontMetricsF metrics(view->font());
    const qreal x = 2 + metrics.horizontalAdvance(QString(column, QLatin1Char('0'))) +
                    metrics.horizontalAdvance(QLatin1Char('0')) / 2 - view->horizontalScrollBar()->value();
    const int h = view->fontMetrics().height();
    return QPoint(qRound(x), static_cast<int>(offset / 16 - view->topLine()) * h + h / 2);
}

// A drag with the left button from one point of the view to another.
void drag(HexView* view, QPoint from, QPoint to) {
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    for (const QPoint at : {(from + to) / 2, to}) {
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
    }
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
}

// The resident memory of this process, in KiB.
qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Answers the next modal box (a message, a file dialog) with `answer` once it is up.
void whenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
        else whenModal(answer);
    });
}

// The same for the next message box, past any progress dialog up before it.
void whenMessageBox(std::function<void(QMessageBox*)> answer) {
    QTimer::singleShot(10, [answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) answer(box);
        else whenMessageBox(answer);
    });
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes, qint64 size = -1) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    if (size >= 0) QVERIFY(f.resize(size));
}

// The status texts as they are painted.
struct PaintedTexts : QObject {
    QLabel* label;
    QStringList texts;
    explicit PaintedTexts(QLabel* l) : label(l) { l->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != label->text())) texts << label->text();
        return false;
    }
};

}  // namespace

class HexFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QByteArray bytes;

    QString path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        for (int k = 0; k < 4096 + 17; ++k) bytes.append(char(k * 7 % 256));
        bytes.replace(100, 4, "\xDE\xAD\xBE\xEF");
        bytes.replace(3000, 4, "\xDE\xAD\xBE\xEF");
        bytes.replace(2000, 5, "hello");
        writeFile(path("data.bin"), bytes);
    }

    void opensDumpsSavesAndCopies() {
        THexForm form;
        form.show();
        QCOMPARE(form.saveProposal(), QStringLiteral(".txt"));
        whenModal([&](QWidget*) {
            form.OpenDlg->selectFile(path("data.bin"));
            static_cast<QDialog*>(form.OpenDlg)->accept();
        });
        form.MenuOpenClick();
        QCOMPARE(form.StatusText->text(), QStringLiteral("data.bin"));
        QCOMPARE(form.Rich->lines()->lineCount(), quint64(258));
        QCOMPARE(form.saveProposal(), path("data.txt"));
        form.MenuPopupPopup();
        QVERIFY(!form.MenuCopy->isEnabled());

        PaintedTexts painted(form.StatusText);
        whenModal([&](QWidget*) { static_cast<QDialog*>(form.SaveDlg)->accept(); });
        form.MenuSaveAsClick();
        QCOMPARE(fileBytes(path("data.txt")), expectedDump(bytes));
        QVERIFY2(painted.texts.contains(QStringLiteral("Reading...  $01000")), qPrintable(painted.texts.join('|')));
        QCOMPARE(form.StatusText->text(), QStringLiteral("data.bin"));

        form.MenuSelectAllClick();
        form.MenuPopupPopup();
        QVERIFY(form.MenuCopy->isEnabled());
        form.MenuCopyClick();
        QCOMPARE(QApplication::clipboard()->text(), hexPairs(bytes));

        // 32 MiB make some 96 MB of hex pairs: too much for the clipboard.
        writeFile(path("big.bin"), "x", 32 << 20);
        form.openFile(path("big.bin"));
        form.MenuSelectAllClick();
        ShownErrors shown;
        form.MenuPopupPopup();
        form.MenuCopy->trigger();
        QCOMPARE(shown.messages.size(), 1);
        QVERIFY2(shown.messages[0].contains("Save as"), qPrintable(shown.messages[0]));
        QCOMPARE(QApplication::clipboard()->text(), hexPairs(bytes));

        QString message;
        whenModal([&](QWidget* box) {
            message = static_cast<QMessageBox*>(box)->text();
            box->close();
        });
        form.openFile(path("missing.bin"));
        QCOMPARE(message, QStringLiteral("Can't open file missing.bin."));
        QCOMPARE(form.StatusText->text(), QString());
    }

    // "Save as" writes through a link into the file it names, which keeps its mode;
    // a save cancelled leaves the file there was and no temporary beside it.
    void savesThroughLinksAndCancels() {
        QTemporaryDir saves;
        const QString target = saves.filePath("private.txt"), link = saves.filePath("link.txt");
        writeFile(target, "old");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(target, link));
        THexForm form;
        form.show();
        form.openFile(path("data.bin"));
        form.saveTo(link);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(target), expectedDump(bytes));
        struct stat st {};
        QCOMPARE(::stat(target.toLocal8Bit().constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);

        // 64 MiB make some 340 MB of dump: the cancel comes long before the end.
        writeFile(path("cancelled.bin"), "x", 64 << 20);
        form.openFile(path("cancelled.bin"));
        bool cancelled = false;
        std::function<void()> cancelOnceUp = [&] {
            if (auto* progress = form.findChild<QProgressDialog*>()) {
                progress->cancel();
                cancelled = true;
            } else {
                QTimer::singleShot(5, cancelOnceUp);
            }
        };
        QTimer::singleShot(0, cancelOnceUp);
        form.saveTo(link);
        QVERIFY(cancelled);
        QCOMPARE(fileBytes(target), expectedDump(bytes));
        QCOMPARE(QDir(saves.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({"link.txt", "private.txt"}));
    }

    // What tells no size is read into memory as far as a stated limit; a
    // named pipe without a writer is refused with its reason.
    void readsStreams() {
        const QString fifo = path("fifo");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        const QByteArray hello = QByteArray("hello, pipe\n").repeated(3);
        const struct {
            QString path;
            QByteArray writes;  // into the pipe, from another thread
            quint64 lines;
            QString message;    // the box shown, if any
        } cases[] = {
            {fifo, hello, 3, QString()},
            // Zero bytes are no text: shown as a dump, 16 bytes a line.
            {"/dev/zero", "", THexForm::kMaxStreamBytes / 16,
             "zero tells no size and had not ended after 64 MB: only its first 64 MB are shown."},
            {fifo, "", 0, "Can't open file fifo: no program writes to this named pipe."},
            {"/dev/null", "", 0, QString()},
        };
        for (const auto& c : cases) {
            THexForm form;
            form.show();
            std::thread writer;
            if (!c.writes.isEmpty()) writer = std::thread([&] {
                QFile pipe(c.path);
                if (pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) pipe.write(c.writes);
            });
            QString message;
            if (!c.message.isEmpty()) whenMessageBox([&](QMessageBox* box) {
                message = box->text();
                box->close();
            });
            form.openFile(c.path);
            if (writer.joinable()) writer.join();
            QCOMPARE(message, c.message);
            QTRY_COMPARE(form.Rich->lines() ? form.Rich->lines()->lineCount() : 0, c.lines);
            if (c.writes.isEmpty()) continue;
            // Shown and saved as any file without a dump's extension: as text.
            form.saveTo(path("fifo.txt"));
            QCOMPARE(fileBytes(path("fifo.txt")), QByteArray(c.writes).replace("\n", "\r\n"));
            QCOMPARE(form.StatusText->text(), QStringLiteral("fifo"));
        }
    }

    // A click puts the cursor on the byte clicked; a drag selects from the
    // byte pressed to the byte reached, both included, in either direction,
    // and Copy gives the column the drag began in.
    void draggedBytesAreSelectedAndCopied() {
        THexForm form;
        form.resize(900, 400);
        form.show();
        form.openFile(path("data.bin"));
        const struct { quint64 from, to; bool printable; quint64 start, end; } drags[] = {
            {0x25, 0x49, false, 0x25, 0x4A},  // across three lines, downwards
            {0x49, 0x25, false, 0x25, 0x4A},  // and upwards
            {0x30, 0x3F, true, 0x30, 0x40},   // a line's characters
            {0x13, 0x14, false, 0x13, 0x15},  // two bytes
            {0x02, 0x5E, true, 0x02, 0x5F},
        };
        for (const auto& d : drags) {
            drag(form.Rich, pointOf(form.Rich, d.from, d.printable), pointOf(form.Rich, d.to, d.printable));
            QVERIFY(form.Rich->hasSelection());
            QCOMPARE(form.Rich->selectionStart(), d.start);
            QCOMPARE(form.Rich->selectionEnd(), d.end);
            QCOMPARE(form.Rich->inPrintable(), d.printable);
            QCOMPARE(form.SelectionSize->text(), QStringLiteral("%1 bytes selected").arg(d.end - d.start));
            QTest::keyClick(form.Rich, Qt::Key_C, Qt::ControlModifier);
            const QByteArray selected = bytes.mid(qsizetype(d.start), qsizetype(d.end - d.start));
            QCOMPARE(QApplication::clipboard()->text(), d.printable ? printables(selected) : hexPairs(selected));
        }
        // A click drops the selection; the cursor is on the byte clicked, in either column.
        for (const bool printable : {false, true}) {
            QTest::mouseClick(form.Rich->viewport(), Qt::LeftButton, {}, pointOf(form.Rich, 0x47, printable));
            QVERIFY(!form.Rich->hasSelection());
            QCOMPARE(form.Rich->cursorOffset(), quint64(0x47));
            QCOMPARE(form.Rich->inPrintable(), printable);
            QCOMPARE(form.SelectionSize->text(), QString());
            QCOMPARE(form.CursorOffset->text(), QStringLiteral("Offset $00047 (71)"));
        }
    }

    // Shift with the keys extends the selection from where it began; a key
    // without Shift moves the cursor and drops it.
    void keysMoveAndExtend() {
        THexForm form;
        form.resize(900, 400);
        form.show();
        form.openFile(path("data.bin"));
        const quint64 page = 16 * quint64(form.Rich->visibleLines()), size = quint64(bytes.size());
        const struct { Qt::Key key; Qt::KeyboardModifiers mods; quint64 cursor, start, end; } steps[] = {
            {Qt::Key_Right, {}, 1, 1, 1},
            {Qt::Key_Right, Qt::ShiftModifier, 2, 1, 3},
            {Qt::Key_End, Qt::ShiftModifier, 15, 1, 16},
            {Qt::Key_Down, Qt::ShiftModifier, 31, 1, 32},
            {Qt::Key_PageDown, Qt::ShiftModifier, 31 + page, 1, 32 + page},
            {Qt::Key_Home, Qt::ShiftModifier, 16 + page, 1, 17 + page},
            {Qt::Key_Up, {}, page, page, page},
            {Qt::Key_Left, Qt::ShiftModifier, page - 1, page - 1, page + 1},
            {Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier, size - 1, page, size},
            {Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier, 0, 0, page + 1},
            {Qt::Key_Left, {}, 0, 0, 0},
            {Qt::Key_End, Qt::ControlModifier, size - 1, size - 1, size - 1},
            {Qt::Key_Right, Qt::ShiftModifier, size - 1, size - 1, size},
        };
        for (const auto& s : steps) {
            QTest::keyClick(form.Rich, s.key, s.mods);
            QCOMPARE(form.Rich->cursorOffset(), s.cursor);
            QCOMPARE(form.Rich->hasSelection(), s.end > s.start);
            QCOMPARE(form.Rich->selectionStart(), s.start);
            QCOMPARE(form.Rich->selectionEnd(), s.end);
            // The cursor's line is in sight.
            QVERIFY(form.Rich->currentLine() >= form.Rich->topLine());
            QVERIFY(form.Rich->currentLine() < form.Rich->topLine() + form.Rich->visibleLines());
        }
    }

    // In text the cursor and the selection go by characters; a line's end is one.
    void textIsSelectedByCharacters() {
        THexForm form;
        form.resize(900, 400);
        form.show();
        const QByteArray text = "a\xC3\xA9\xE2\x82\xAC\xFFz\r\nnext\n\nend";
        writeFile(path("chars.txt"), text);
        form.openFile(path("chars.txt"));
        const auto* lines = dynamic_cast<const hexview::TextLines*>(form.Rich->lines());
        QVERIFY(lines);
        QTRY_VERIFY(lines->index().complete());
        const struct { Qt::Key key; Qt::KeyboardModifiers mods; quint64 cursor; QString copied; } steps[] = {
            {Qt::Key_Right, {}, 1, QString()},
            {Qt::Key_Right, Qt::ShiftModifier, 3, QStringLiteral("\u00E9\u20AC")},
            {Qt::Key_Right, Qt::ShiftModifier, 6, QStringLiteral("\u00E9\u20AC\uFFFD")},
            {Qt::Key_End, Qt::ShiftModifier, 8, QStringLiteral("\u00E9\u20AC\uFFFDz\r\n")},
            {Qt::Key_Right, Qt::ShiftModifier, 10, QStringLiteral("\u00E9\u20AC\uFFFDz\r\nn")},
            {Qt::Key_Up, {}, 0, QString()},
            {Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier, 18, QStringLiteral("a\u00E9\u20AC\uFFFDz\r\nnext\n\nend")},
            {Qt::Key_Up, {}, 15, QString()},  // the empty line's end
            {Qt::Key_Left, Qt::ShiftModifier, 14, QStringLiteral("\n\n")},
            {Qt::Key_Left, Qt::ShiftModifier, 13, QStringLiteral("t\n\n")},
            {Qt::Key_Home, {}, 10, QString()},
            {Qt::Key_Left, Qt::ShiftModifier, 8, QStringLiteral("\r\nn")},
        };
        for (const auto& s : steps) {
            QTest::keyClick(form.Rich, s.key, s.mods);
            QCOMPARE(form.Rich->cursorOffset(), s.cursor);
            QCOMPARE(form.Rich->hasSelection(), !s.copied.isEmpty());
            if (s.copied.isEmpty()) continue;
            QTest::keyClick(form.Rich, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), s.copied);
        }
    }

    // The panel shows for the cursor's bytes what the inspect command prints
    // for the same offset, in either byte order; a chosen field marks its
    // bytes and copies its value; the panel's state outlasts the window.
    void inspectorShowsTheCommandsFields() {
        platform::FakeDesktop fakes;
        THexForm form;
        form.resize(1000, 400);
        form.show();
        form.openFile(path("data.bin"));
        QVERIFY(!form.Inspector->isVisible());
        QTest::keyClick(form.Rich, Qt::Key_I, Qt::ControlModifier);
        QVERIFY(form.Inspector->isVisible());
        QCOMPARE(fakes.settings->groups["HexView"]["Inspector"], QStringLiteral("1"));
        QTreeWidget* list = form.Inspector->InspectorList;
        const struct { Qt::Key key; Qt::KeyboardModifiers mods; bool big; } moves[] = {
            {Qt::Key_Right, {}, false}, {Qt::Key_Down, {}, true},   {Qt::Key_PageDown, {}, false},
            {Qt::Key_End, Qt::ControlModifier, false}, {Qt::Key_Left, {}, true}, {Qt::Key_Left, Qt::ShiftModifier, false},
        };
        for (const auto& m : moves) {
            if (form.Inspector->BigEndianCheck->isChecked() != m.big) form.Inspector->BigEndianCheck->click();
            QTest::keyClick(form.Rich, m.key, m.mods);
            QStringList shown;
            for (int k = 0; k < list->topLevelItemCount(); ++k)
                shown << list->topLevelItem(k)->text(0) + ": " + list->topLevelItem(k)->text(1);
            QProcess command;
            QStringList args = {"inspect", path("data.bin"), QString::number(form.Rich->cursorOffset())};
            if (m.big) args << "--big-endian";
            command.start(qEnvironmentVariable("KV_BIN_DIR") + "/Kvantor2", args);
            QVERIFY(command.waitForFinished(20000));
            QCOMPARE(shown, QString::fromUtf8(command.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts));
        }
        QCOMPARE(fakes.settings->groups["HexView"]["BigEndian"], QStringLiteral("0"));

        // Choosing int32 marks the four bytes at the cursor (which follow it); its value is copied.
        QTest::keyClick(form.Rich, Qt::Key_Home, Qt::ControlModifier);
        const int int32 = 4;
        QCOMPARE(list->topLevelItem(int32)->text(0), QStringLiteral("int32"));
        list->setCurrentItem(list->topLevelItem(int32));
        QCOMPARE(form.Rich->highlightFrom(), quint64(0));
        QCOMPARE(form.Rich->highlightTo(), quint64(4));
        QTest::keyClick(form.Rich, Qt::Key_Right);
        QCOMPARE(form.Rich->highlightFrom(), quint64(1));
        QCOMPARE(form.Rich->highlightTo(), quint64(5));
        form.Inspector->MenuCopyValue->trigger();
        QCOMPARE(QApplication::clipboard()->text(), list->topLevelItem(int32)->text(1));
        QVERIFY(!list->topLevelItem(int32)->text(1).isEmpty());

        form.Inspector->BigEndianCheck->click();
        THexForm again;
        again.show();
        QVERIFY(again.Inspector->isVisible());
        QVERIFY(again.Inspector->BigEndianCheck->isChecked());
        again.MenuInspector->trigger();
        QVERIFY(!again.Inspector->isVisible());
        QCOMPARE(fakes.settings->groups["HexView"]["Inspector"], QStringLiteral("0"));
        // The README's picture: KV_SCREENSHOT=out.png [KV_SCREENSHOT_FILE=a program].
        if (!qEnvironmentVariableIsEmpty("KV_SCREENSHOT")) {
            form.openFile(qEnvironmentVariable("KV_SCREENSHOT_FILE", path("data.bin")));
            form.Rich->select(0x18, 0x20);
            form.Rich->setFocus();
            QTest::qWait(50);
            QVERIFY(form.grab().save(qEnvironmentVariable("KV_SCREENSHOT")));
        }
    }

    // Selecting every byte of a file of 64 GiB takes no time and no memory;
    // copying it is refused with the reason.
    void selectsAllOfAHugeFile() {
        writeFile(path("sparse.bin"), "", qint64(1) << 36);
        THexForm form;
        form.show();
        form.openFile(path("sparse.bin"));
        const qint64 before = residentKiB();
        QTest::keyClick(form.Rich, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form.Rich->selectionStart(), quint64(0));
        QCOMPARE(form.Rich->selectionEnd(), quint64(1) << 36);
        QCOMPARE(form.SelectionSize->text(), QStringLiteral("68719476736 bytes selected"));
        ShownErrors shown;
        QTest::keyClick(form.Rich, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(shown.messages.size(), 1);
        QVERIFY2(shown.messages[0].contains("more than can be copied at once (64 MB)"), qPrintable(shown.messages[0]));
        QVERIFY2(residentKiB() - before < 16 * 1024, qPrintable(QString::number(residentKiB() - before)));
    }

    void opensBinariesAsDumpAndSwitches() {
        THexForm form;
        form.show();
        QByteArray lines;
        for (int k = 0; k < 40; ++k) lines += "abc\n";
        const struct { const char* name; QByteArray bytes; bool dump; } files[] = {
            {"program", QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10), true}, {"notes", "plain text\n", false},
            {"page.txt", QByteArray("ab\0cd", 5), true},   {"PLAIN.BIN", "text only", true},
            {"late.txt", QByteArray(4096, 'a') + QByteArray(1, '\0'), false}, {"empty", "", false},
            {"lines", lines + QByteArray(1, '\0'), true},
        };
        for (const auto& f : files) {
            writeFile(path(f.name), f.bytes);
            form.openFile(path(f.name));
            QCOMPARE(form.Rich->lines()->isDump(), f.dump);
            QCOMPARE(form.MenuDump->isChecked(), f.dump);
            QCOMPARE(form.MenuText->isChecked(), !f.dump);
        }
        // The cursor stays on its byte: line 4 of the dump, line 16 of the text.
        form.goTo("40");
        const struct { Qt::Key key; bool dump; quint64 line; } switches[] = {
            {Qt::Key_T, false, 16}, {Qt::Key_T, false, 16}, {Qt::Key_D, true, 4}};
        for (const auto& s : switches) {
            QTest::keyClick(form.Rich, s.key, Qt::ControlModifier);
            QCOMPARE(form.Rich->lines()->isDump(), s.dump);
            QCOMPARE(form.MenuDump->isChecked(), s.dump);
            QTRY_COMPARE(form.Rich->currentLine(), s.line);
            QCOMPARE(form.Rich->cursorOffset(), quint64(0x40));
        }
    }

    // Every control character looks different from the others, and its caret
    // pair from the same two characters in the file.
    void controlCharactersAreDrawnDistinctly() {
        THexForm form;
        form.resize(600, 800);
        form.show();
        QByteArray text;
        QList<int> codes;
        for (int c = 0; c < 32; ++c)
            if (c != '\t' && c != '\n') codes << c;
        codes << 127;
        for (int c : codes) text += char(c) + QByteArray("\n");
        text += "^@\n";
        writeFile(path("controls"), text);
        form.openFile(path("controls"));
        form.MenuTextClick();
        const auto* lines = dynamic_cast<const hexview::TextLines*>(form.Rich->lines());
        QVERIFY(lines);
        QTRY_VERIFY(lines->index().complete());
        QTRY_VERIFY(form.Rich->lines()->lineCount() == quint64(codes.size() + 1));
        const QImage shown = form.Rich->viewport()->grab().toImage();
        const int h = form.Rich->fontMetrics().height();
        const int w = form.Rich->fontMetrics().horizontalAdvance("^@");
        QList<QImage> glyphs;
        for (int k = 0; k <= codes.size(); ++k) glyphs << shown.copy(2, k * h + 1, w, h - 2);
        for (int a = 0; a < glyphs.size(); ++a)
            for (int b = a + 1; b < glyphs.size(); ++b)
                QVERIFY2(glyphs[a] != glyphs[b], qPrintable(QString("lines %1 and %2 look alike").arg(a).arg(b)));
    }

    void goesToAndFinds() {
        THexForm form;
        form.show();
        form.openFile(path("data.bin"));
        struct Go { const char* typed; quint64 line; const char* shown; } goes[] = {
            {"0x1000", 256, "Offset $01000 (4096)"}, {"#20", 1, "Offset $00014 (20)"}, {"1F", 1, "Offset $0001F (31)"},
        };
        for (const Go& g : goes) {
            form.goTo(g.typed);
            QCOMPARE(form.Rich->currentLine(), g.line);
            QCOMPARE(form.CursorOffset->text(), QString(g.shown));
        }
        ShownErrors shown;
        for (const char* bad : {"0x99999", "zz"}) kv::guarded([&] { form.goTo(bad); });
        QCOMPARE(shown.messages.size(), 2);

        form.goTo("0");
        struct Find { const char* typed; bool hex; qint64 at; } finds[] = {
            {"DE AD BE EF", true, 100}, {"hello", false, 2000}, {"DE AD BE EF", true, 3000}, {"DE AD BE EF", true, -1},
        };
        for (const Find& f : finds) {
            if (f.at < 0) whenModal([](QWidget* box) { box->close(); });
            QCOMPARE(form.find(f.typed, f.hex), f.at >= 0);
            if (f.at < 0) continue;
            QCOMPARE(form.Rich->selectionStart(), quint64(f.at));
            QCOMPARE(form.Rich->selectionEnd(), quint64(f.at) + (f.hex ? 4 : 5));
            QCOMPARE(form.Rich->cursorOffset(), quint64(f.at));
            QCOMPARE(form.Rich->currentLine(), quint64(f.at / 16));
        }
    }

    void showsTextAndHugeFiles() {
        THexForm form;
        form.resize(600, 400);
        form.show();
        writeFile(path("notes.TXT"), "one\r\ntwo \xFF\n");
        form.openFile(path("notes.TXT"));
        const auto* text = dynamic_cast<const hexview::TextLines*>(form.Rich->lines());
        QVERIFY(text);
        QTRY_VERIFY(text->index().complete());
        const std::vector<hexview::ShownLine> lines = text->lines(0, 5);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines[1].text, QStringLiteral("two \uFFFD"));

        // 2^32 lines: past what a scroll bar counts, the view still reaches every line.
        writeFile(path("huge.BIN"), "", qint64(1) << 36);
        form.openFile(path("huge.BIN"));
        QTest::keyClick(form.Rich, Qt::Key_End, Qt::ControlModifier);
        const quint64 lines32 = quint64(1) << 32;
        QCOMPARE(form.Rich->currentLine(), lines32 - 1);
        QCOMPARE(form.Rich->topLine(), lines32 - form.Rich->visibleLines());
        QCOMPARE(form.CursorOffset->text(), QStringLiteral("Offset $FFFFFFFFF (68719476735)"));
        QScrollBar* bar = form.Rich->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        QVERIFY(qAbs(qint64(form.Rich->topLine()) - qint64(lines32 / 2)) < qint64(lines32 / 1000));
    }
};

QTEST_MAIN(HexFormTest)
#include "HexFormTest.moc"
