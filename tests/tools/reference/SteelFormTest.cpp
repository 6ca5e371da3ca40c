// The steel hardness window offscreen, over a copy of the build's tables and
// over small tables made for the heading boxes' edge cases.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "data/DM.h"
#include "platform/fake/FakeDesktop.h"
#include "tests/support/BuiltTables.h"
#include "tests/support/ShownErrors.h"
#include "data/TableModel.h"
#include "tests/tools/reference/HardnessTestTables.h"
#include "tools/reference/DbNavigator.h"
#include "tools/reference/Steel.h"
#include "widgets/forms/ProgramFonts.h"

class SteelFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir shipped, made;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TSteelForm> form;

    void open(const QTemporaryDir& dir) {
        form.reset();
        dm = std::make_unique<TDM>(dir.path() + "/", nullptr);
        QCOMPARE(QString::fromStdString(dm->openError()), QString());
        form = std::make_unique<TSteelForm>(nullptr, dm.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void pick(int item) { form->ListBox1->setCurrentRow(item); }
    QList<int> shownBoxes() const {
        QList<int> shown;
        for (int i = 0; i < 11; ++i)
            if (!form->boxes[i]->isHidden()) shown << i;
        return shown;
    }
    // Where grid column c starts, in the coordinates of the heading boxes' panel.
    int columnLeft(int c) const {
        return form->DBGrid1->x() + form->DBGrid1->viewport()->x() + form->DBGrid1->columnViewportPosition(c);
    }

private slots:
    void initTestCase() {
        forms::useProgramFonts();  // the headings are laid out for the program's face
        QCOMPARE(testsupport::copyBuiltTables(shipped.path()), QStringList());
        QCOMPARE(testsupport::copyBuiltTables(made.path()), QStringList());
        // Table 1: three boxes for four columns, the second hidden, the third of no known colour.
        // Table 2: thirteen boxes, two more than the window has.
        std::vector<hardness_test::Box> boxes = {
            {1, 6, 4, 118, 185, true, 4}, {1, 191, 4, 118, 185, false, 2}, {1, 376, 4, 118, 185, true, 9}};
        for (int i = 0; i < 13; ++i) boxes.push_back({2, 6 + 60 * i, 4, 40, 60, true, 1});
        hardness_test::writeBoxes(made.filePath("pan.dbf").toStdString(), boxes);
        hardness_test::writeTexts(made.filePath("nam_1.dbf").toStdString(),
                                  {{"1", "key", "hidden", "third"}, {"2", "a", "b"}}, 11, "H", 1);
    }
    void cleanupTestCase() {
        form.reset();
        dm.reset();
    }

    void opensOnTheBrinellTableWhateverWasShownLast() {
        open(shipped);
        QCOMPARE(form->windowTitle(), QString("Reference: hardness number for steel"));
        pick(3);
        QCOMPARE(form->model()->columnCount(), 5);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        form->close();
        QVERIFY2(form->isVisible(), "only the Close button closes the window");
        form->BitBtn1->click();
        QVERIFY(!form->isVisible());
        form->show();
        QCOMPARE(form->ListBox1->currentRow(), 0);
        QCOMPARE(form->model()->columnCount(), 4);
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(form->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), QString::number(c + 1));
            QCOMPARE(form->DBGrid1->columnWidth(c), 185);
        }
        QCOMPARE(form->model()->data(form->model()->index(0, 0), Qt::DisplayRole).toString(), QString("2.00"));
        QCOMPARE(form->model()->rowCount(), 500);
    }

    void headingBoxesStandOverTheirColumnsInTheirColours_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("boxCount");
        QTest::addColumn<int>("width");
        QTest::newRow("Brinell") << 0 << 5 << 185;
        QTest::newRow("Rockwell C") << 1 << 11 << 73;
        QTest::newRow("Rockwell B") << 2 << 11 << 73;
        QTest::newRow("austenitic C") << 3 << 6 << 147;
        QTest::newRow("austenitic B") << 4 << 9 << 105;
    }
    void headingBoxesStandOverTheirColumnsInTheirColours() {
        QFETCH(int, item);
        QFETCH(int, boxCount);
        QFETCH(int, width);
        pick(item);
        const int columns = form->model()->columnCount();
        QCOMPARE(shownBoxes().size(), boxCount);
        for (int i = 0; i < boxCount; ++i) {
            const QFrame* box = form->boxes[i];
            const QColor colour = box->palette().color(QPalette::Window);
            QVERIFY(!form->boxLabels[i]->text().isEmpty());
            const QLabel* label = form->boxLabels[i];
            QCOMPARE(label->geometry(), QRect(2, 2, box->width() - 4, box->height() - 4));
            const QSize need =
                label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text()).size();
            QVERIFY2(need.width() <= label->width() && need.height() <= label->height(), qPrintable(label->text()));
            if (i >= columns) continue;
            QCOMPARE(form->DBGrid1->columnWidth(i), width);
            QCOMPARE(box->x(), columnLeft(i));
            QCOMPARE(box->width(), width);
            QCOMPARE(form->columnColour(i), colour);
        }
        QCOMPARE(form->columnColour(0), QColor(255, 255, 0));  // the key column in yellow
    }

    // F1 opens the window's own page of the help, which the program ships.
    void f1OpensTheWindowsHelpPage() {
        platform::FakeDesktop fakes;
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_F1);
        QCOMPARE(fakes.help->pages, QStringList({"steel-hardness.html"}));
        QVERIFY(QFile::exists(qEnvironmentVariable("KV_BIN_DIR") + "/help/steel-hardness.html"));
        QVERIFY(form->isVisible());
    }

    void fewerBoxesHideTheRest() {
        pick(4);
        QCOMPARE(shownBoxes().size(), 9);
        pick(0);
        QCOMPARE(shownBoxes(), QList<int>({0, 1, 2, 3, 4}));
    }

    void navigatorMovesTheRowsAndTheGridFollows() {
        pick(2);
        QVERIFY(!form->DBNavigator1->Prior->isEnabled());
        form->DBNavigator1->Last->click();
        QCOMPARE(form->DBGrid1->currentIndex().row(), form->model()->rowCount() - 1);
        QVERIFY(!form->DBNavigator1->Next->isEnabled());
        QCOMPARE(form->model()->data(form->model()->index(form->model()->rowCount() - 1, 0), Qt::DisplayRole)
                     .toString(), QString("100"));
        form->DBNavigator1->First->click();
        QCOMPARE(dm->Table7.recNo(), 0);
        QCOMPARE(form->DBGrid1->currentIndex().row(), 0);
    }

    // A table that did not open is reported as the table reports it, each
    // time a table is picked, and no heading box or row shows without it.
    void aMissingTableIsReportedNotShownEmpty_data() {
        QTest::addColumn<QString>("missing");
        QTest::newRow("texts") << "nam_1.dbf";
        QTest::newRow("boxes") << "pan.dbf";
        QTest::newRow("rows") << "rvb.dbf";
    }
    void aMissingTableIsReportedNotShownEmpty() {
        QFETCH(QString, missing);
        QTemporaryDir partial;
        QCOMPARE(testsupport::copyBuiltTables(partial.path(), {missing}), QStringList());
        form.reset();
        ShownErrors shown;
        dm = std::make_unique<TDM>(partial.path() + "/", nullptr);
        QCOMPARE(shown.messages.size(), 1);  // the start-up's report of the tables that did not open
        form = std::make_unique<TSteelForm>(nullptr, dm.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        pick(2);
        const QString error = partial.filePath(missing) + ": the table is not open";
        QCOMPARE(shown.messages.mid(1), QStringList({error, error}));
        QCOMPARE(shownBoxes(), QList<int>());
        QVERIFY(!form->model());
        form.reset();
        dm.reset();
    }

    void hiddenUncolouredAndSurplusBoxes() {
        open(made);
        QCOMPARE(shownBoxes(), QList<int>({0, 2}));
        // The hidden box keeps its text and still colours its column.
        QCOMPARE(form->boxLabels[1]->text(), QString("hidden"));
        QCOMPARE(form->columnColour(1), QColor(0, 255, 255));
        QCOMPARE(form->boxLabels[2]->text(), QString("third"));
        QCOMPARE(form->boxes[2]->palette().color(QPalette::Window), form->Panel1->palette().color(QPalette::Window));
        QVERIFY(!form->columnColour(2).isValid());
        QVERIFY(!form->columnColour(3).isValid());  // no box over the fourth column
        pick(1);
        QCOMPARE(shownBoxes().size(), 11);
        QCOMPARE(form->boxes[10]->x(), 606);
        QCOMPARE(form->boxLabels[2]->text(), QString());
    }
};

QTEST_MAIN(SteelFormTest)
#include "SteelFormTest.moc"
