// The physical constants window offscreen, over a copy of the build's tables:
// its controls, the line a click builds, copy, looking a constant up by typing,
// and grid edits (started on purpose only) written to the file.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "tests/support/BuiltTables.h"
#include "data/TableModel.h"
#include "data/UserTables.h"
#include "tools/reference/Phis.h"

class PhisFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;   // the program's folder, read-only as in a system install
    QTemporaryDir home;  // the user's data folder
    QByteArray installed;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TPhisForm> form;
    QStringList errors;
    kv::ErrorSink oldSink;

    QString cell(int row, int column) const {
        return form->model()->data(form->model()->index(row, column), Qt::DisplayRole).toString();
    }
    void clickCell(int row, int column) {
        const QModelIndex index = form->model()->index(row, column);
        form->DBGrid1->scrollTo(index);
        QTest::mouseClick(form->DBGrid1->viewport(), Qt::LeftButton, {},
                          form->DBGrid1->visualRect(index).center());
    }
    QByteArray fileBytes() const {
        QFile f(data::tableFile(dir.path() + "/", "phcont.dbf"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QLineEdit* openEditor() const {
        for (QLineEdit* e : form->DBGrid1->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }
    // The rows whose name starts with `text` (letter case ignored).
    QList<int> rowsStartingWith(const QString& text) const {
        QList<int> rows;
        for (int r = 0; r < form->model()->rowCount(); ++r)
            if (cell(r, 0).startsWith(text, Qt::CaseInsensitive)) rows << r;
        return rows;
    }
    // Types `text` into the grid's editor of a cell and commits it with Enter.
    void editCell(int row, int column, const QString& text) {
        const QModelIndex index = form->model()->index(row, column);
        form->DBGrid1->setCurrentIndex(index);
        form->DBGrid1->edit(index);
        QLineEdit* editor = openEditor();
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(text);  // typed text, Greek letters included
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits through a queued call; the closed editor goes
        // only when deferred deletions run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The VALUE and CHAR_VIEW the file holds for `name`, read afresh.
    QStringList storedRow(const QString& name) {
        dbase::Table t;
        t.setFileName(data::tableFile(dir.path() + "/", "phcont.dbf").toStdString());
        t.open();
        for (t.first(); !t.eof(); t.next())
            if (QString::fromStdString(t.asString("NAME")) == name)
                return {QString::fromStdString(t.asString("VALUE")), QString::fromStdString(t.asString("CHAR_VIEW"))};
        return {};
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // Edits go to a copy: the build's tables stay as generated.
        QCOMPARE(testsupport::copyBuiltTables(dir.path()), QStringList());
        QVERIFY(QFile::exists(dir.filePath("phcont.dbf")));
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        installed = fileBytes();
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        oldSink = kv::setErrorSink([this](const std::string& m) { errors << QString::fromStdString(m); });
        dm = std::make_unique<TDM>(dir.path() + "/", nullptr);
        QCOMPARE(QString::fromStdString(dm->openError()), QString());
        dm->Table3.moveTo(dm->Table3.recordCount() / 2);  // wherever the cursor stands
        form = std::make_unique<TPhisForm>(nullptr, dm.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanupTestCase() {
        form.reset();
        dm.reset();
        kv::setErrorSink(oldSink);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void init() { errors.clear(); }

    void windowAndControls() {
        QCOMPARE(form->windowTitle(), QString("PhisForm"));
        QCOMPARE(form->size(), QSize(532, 371));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->Label1->text(), QString("Phisical constants"));
        QCOMPARE(form->Label1->pos(), QPoint(163, 4));
        QCOMPARE(form->Label1->font().pixelSize(), 19);
        QVERIFY(form->Label1->font().bold());
        QCOMPARE(form->DBGrid1->geometry(), QRect(3, 32, 524, 305));
        QCOMPARE(form->DBGrid1->font().pixelSize(), 13);
        QVERIFY(form->DBGrid1->font().bold());
        QCOMPARE(form->Edit1->geometry(), QRect(2, 344, 334, 23));
        QCOMPARE(form->Edit1->font().pixelSize(), 13);
        QCOMPARE(form->BitBtn2->geometry(), QRect(342, 344, 97, 25));
        QCOMPARE(form->BitBtn2->text(), QString("Copy"));
        QCOMPARE(form->BitBtn2->toolTip(), QString("Copy to clipboard"));
        QCOMPARE(form->BitBtn1->geometry(), QRect(439, 344, 89, 25));
        QCOMPARE(form->BitBtn1->text(), QString("Close"));
        QCOMPARE(form->BitBtn1->toolTip(), QString("Close window"));
        for (const char* name : {"Label1", "DBGrid1", "Edit1", "BitBtn1", "BitBtn2"})
            QVERIFY2(form->findChild<QWidget*>(name), name);
        QCOMPARE(form->DBGrid1->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::ToolTipBase));
        QHeaderView* titles = form->DBGrid1->horizontalHeader();
        QCOMPARE(titles->font().pixelSize(), 15);
        QVERIFY(titles->font().bold());
        QCOMPARE(titles->defaultAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        // The titles are painted on yellow.
        const QImage shot = titles->grab().toImage();
        QCOMPARE(QColor(shot.pixel(titles->sectionPosition(1) + 4, 3)), QColor(255, 255, 0));
    }

    void gridShowsTheTableInNameOrder() {
        const QAbstractItemModel* m = form->model();
        QCOMPARE(m->columnCount(), 3);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("NAME"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QString("VALUE"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QString("SYMBOL"));
        QCOMPARE(m->rowCount(), dm->Table3.recordCount());
        QVERIFY(m->rowCount() >= 80);
        for (int r = 1; r < m->rowCount(); ++r)
            QVERIFY2(cell(r - 1, 0).compare(cell(r, 0), Qt::CaseInsensitive) <= 0, qPrintable(cell(r, 0)));
        // The window opened on the first constant by name.
        QCOMPARE(dm->Table3.recNo(), 0);
        QCOMPARE(form->DBGrid1->currentIndex(), m->index(0, 0));
    }

    // The three columns share the grid's width: nothing scrolls sideways, and
    // a text cut short shows whole in its tooltip, one that fits has none.
    void columnsFitTheGridAndCutTextsHaveTooltips() {
        QTableView* grid = form->DBGrid1;
        int widths = 0;
        for (int c = 0; c < 3; ++c) widths += grid->columnWidth(c);
        QCOMPARE(widths, grid->viewport()->width());
        QCOMPARE(grid->columnViewportPosition(0), 0);
        QVERIFY(grid->columnWidth(0) >= grid->columnWidth(1));
        QVERIFY(grid->columnWidth(2) >= QFontMetrics(grid->font()).horizontalAdvance("SYMBOL"));
        const QFontMetrics metrics(grid->font());
        int cut = 0, whole = 0;
        for (int r = 0; r < form->model()->rowCount(); ++r) {
            for (int c = 0; c < 3; ++c) {
                const QModelIndex index = form->model()->index(r, c);
                const int advance = metrics.horizontalAdvance(cell(r, c)), width = grid->columnWidth(c);
                const bool fits = advance + 12 < width;
                // A few of each, plainly cut or plainly whole.
                if ((fits ? whole : cut) >= 3 || cell(r, c).isEmpty() || (!fits && advance <= width)) continue;
                ++(fits ? whole : cut);
                grid->scrollTo(index);
                QHelpEvent help(QEvent::ToolTip, grid->visualRect(index).center(),
                                grid->viewport()->mapToGlobal(grid->visualRect(index).center()));
                QApplication::sendEvent(grid->viewport(), &help);
                QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), fits ? QString() : cell(r, c));
                QToolTip::hideText();
            }
        }
        QCOMPARE(cut, 3);  // the long names and values are cut: the check above ran on some
        QCOMPARE(whole, 3);
        grid->scrollToTop();
    }

    void clickBuildsTheLineAndTheKeyboardDoesNot() {
        clickCell(5, 1);
        QCOMPARE(dm->Table3.recNo(), 5);
        QCOMPARE(form->Edit1->text(), cell(5, 0) + " " + cell(5, 1) + " " + cell(5, 2));
        const QString line = form->Edit1->text();
        // The cursor follows the keyboard; the line stays until the next click.
        form->DBGrid1->setFocus();
        QTest::keyClick(form->DBGrid1, Qt::Key_Down);
        QTest::keyClick(form->DBGrid1, Qt::Key_Down);
        QCOMPARE(dm->Table3.recNo(), 7);
        QCOMPARE(form->Edit1->text(), line);
        // Any column of a row gives the same line.
        clickCell(9, 2);
        QCOMPARE(form->Edit1->text(), cell(9, 0) + " " + cell(9, 1) + " " + cell(9, 2));
        clickCell(9, 0);
        QCOMPARE(form->Edit1->text(), cell(9, 0) + " " + cell(9, 1) + " " + cell(9, 2));
        // The grid follows the table's cursor when someone else moves it.
        dm->Table3.moveTo(3);
        QCOMPARE(form->DBGrid1->currentIndex().row(), 3);
        QVERIFY(errors.isEmpty());
    }

    // Typing looks a constant up by its name from any column and never edits,
    // even with Enter after it: the file stays byte for byte as it was.
    void typingFindsAConstantAndNeverEdits() {
        const struct {
            int column;
            const char* typed;
            bool found;
        } cases[] = {
            {1, "avogadro", true},     // in the value column, as the user who lost a value did
            {0, "THOMSON", true},
            {2, "wien w", true},       // "W" alone goes to another constant first
            {1, "oops", false},        // no such name: the cell stays where it is
        };
        const QByteArray before = fileBytes();
        QVERIFY(!before.isEmpty());
        const int start = 7;
        for (const auto& c : cases) {
            const QString typed = QString::fromLatin1(c.typed);
            // One constant to find, or none even by the first letter.
            const QList<int> matches = rowsStartingWith(c.found ? typed : typed.left(1));
            QCOMPARE(matches.size(), c.found ? 1 : 0);
            const int expected = c.found ? matches[0] : start;
            const QString valueBefore = cell(expected, 1);
            form->DBGrid1->setFocus();
            form->DBGrid1->setCurrentIndex(form->model()->index(start, c.column));
            QTest::keyClicks(form->DBGrid1, typed);
            QTest::keyClick(form->DBGrid1, Qt::Key_Return);
            QVERIFY2(!openEditor(), c.typed);
            QCOMPARE(form->DBGrid1->currentIndex(), form->model()->index(expected, c.column));
            QCOMPARE(dm->Table3.recNo(), expected);
            QCOMPARE(cell(expected, 1), valueBefore);
            QCOMPARE(fileBytes(), before);
            // A pause ends the typed text; the next case starts a new one.
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
        }
        QVERIFY(errors.isEmpty());
    }

    // F2 and a double-click edit; Escape abandons the edit and keeps the window.
    void editingStartsOnPurposeAndEscapeAbandonsIt() {
        const QByteArray before = fileBytes();
        const int row = 3, column = 1;
        const QModelIndex index = form->model()->index(row, column);
        const QString value = cell(row, column);
        const std::function<void()> starts[] = {
            [&] { QTest::keyClick(form->DBGrid1, Qt::Key_F2); },
            [&] {
                // As the window system delivers it: a click, then press, double-click, release.
                QWidget* cells = form->DBGrid1->viewport();
                const QPoint at = form->DBGrid1->visualRect(index).center();
                QTest::mouseClick(cells, Qt::LeftButton, {}, at);
                QTest::mousePress(cells, Qt::LeftButton, {}, at);
                QTest::mouseDClick(cells, Qt::LeftButton, {}, at);
                QTest::mouseRelease(cells, Qt::LeftButton, {}, at);
            },
        };
        for (const auto& start : starts) {
            form->DBGrid1->setFocus();
            form->DBGrid1->setCurrentIndex(index);
            QVERIFY(!openEditor());
            start();
            QLineEdit* editor = openEditor();
            QVERIFY(editor);
            QCOMPARE(editor->text(), value);
            editor->selectAll();
            QTest::keyClicks(editor, "oops");
            QTest::keyClick(editor, Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!openEditor());
            QVERIFY(form->isVisible());
            QCOMPARE(cell(row, column), value);
            QCOMPARE(fileBytes(), before);
        }
        QVERIFY(errors.isEmpty());
    }

    void copyPutsTheWholeTextOnTheClipboard() {
        clickCell(2, 0);
        const QString line = form->Edit1->text();
        QVERIFY(!line.isEmpty());
        QApplication::clipboard()->setText("old");
        form->Edit1->setCursorPosition(1);
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), line);
        QCOMPARE(form->Edit1->selectedText(), line);
        // A line edited by hand is copied as it stands.
        form->Edit1->setText(QString::fromUtf8("μ0 by hand"));
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("μ0 by hand"));
    }

    void editGoesToTheUsersCopyAndAnEmptySymbolLeavesTheSpace() {
        const int row = 4;
        const QString name = cell(row, 0);
        const QString value = QString::fromUtf8("1.5(3)e-7 Ω test");  // Ω is in the Greek code page
        editCell(row, 1, value);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(storedRow(name).value(0), value);
        QCOMPARE(cell(row, 1), value);
        editCell(row, 2, "");
        QCOMPARE(storedRow(name).value(1), QString());
        clickCell(row, 1);
        QCOMPARE(form->Edit1->text(), name + " " + value + " ");

        // The edits went to the user's copy; the program's folder is as installed,
        // and the next start reads the copy.
        QVERIFY(QFile::exists(home.filePath("Kvantor2/phcont.dbf")));
        QFile original(dir.filePath("phcont.dbf"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), installed);
        TDM next(dir.path() + "/", nullptr);
        QCOMPARE(QString::fromStdString(next.Table3.fileName()), home.filePath("Kvantor2/phcont.dbf"));
        QVERIFY(next.Table3.findKey(name.toStdString()));
        QCOMPARE(QString::fromStdString(next.Table3.asString("VALUE")), value);
    }

    // A refused edit leaves the file as it was and opens the cell again on the
    // text typed, to be corrected (written then) or abandoned with Escape.
    void anEditThatDoesNotFitIsRefusedAndKeptToCorrect() {
        const struct {
            int column;
            QString typed, corrected;  // "": abandoned
        } cases[] = {
            {1, QString(61, 'x'), QString(60, 'x')},         // VALUE holds 60 characters
            {2, QString::fromUtf8("ħ"), ""},                  // not in code page 1253
            {2, QString::fromUtf8("ħ/2π"), QString::fromUtf8("h/2π")},
        };
        const int row = 6;
        const QString name = cell(row, 0);
        for (const auto& c : cases) {
            errors.clear();
            const QStringList before = storedRow(name);
            editCell(row, c.column, c.typed);
            QCOMPARE(errors.size(), 1);
            QCOMPARE(storedRow(name), before);
            QTRY_VERIFY(openEditor());
            QLineEdit* editor = openEditor();
            QCOMPARE(form->DBGrid1->currentIndex(), form->model()->index(row, c.column));
            QCOMPARE(editor->text(), c.typed);
            if (!c.corrected.isEmpty()) editor->setText(c.corrected);
            QTest::keyClick(editor, c.corrected.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!openEditor());
            QCOMPARE(storedRow(name).value(c.column - 1),
                     c.corrected.isEmpty() ? before.value(c.column - 1) : c.corrected);
            QCOMPARE(cell(row, c.column), storedRow(name).value(c.column - 1));
            QCOMPARE(errors.size(), 1);
        }
    }

    void closeOnlyHides() {
        form->Edit1->setText("kept");
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        form->show();
        QCOMPARE(form->Edit1->text(), QString("kept"));
    }
};

QTEST_MAIN(PhisFormTest)
#include "PhisFormTest.moc"
