// The reference tables window offscreen over a small set of topics: its
// controls, the grid's shape, widths, colours and font per topic, topics
// chosen with the keyboard, tooltips of cut cells, the copy line, a refused
// topic, closing that only hides; and the shipped topic list's rows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QHelpEvent>
#include <QKeySequence>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "tests/support/BuiltTables.h"
#include "tests/tools/reference/RefTopicTables.h"
#include "tools/reference/RefTablesForm.h"

class RefTablesFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TForm5> form;
    QStringList errors;
    kv::ErrorSink oldSink;

    void chooseTopic(const QString& title) {
        const QList<QListWidgetItem*> found = form->ListBox1->findItems(title, Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        form->ListBox1->scrollToItem(found[0]);
        QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {},
                          form->ListBox1->visualItemRect(found[0]).center());
    }
    void clickCell(int column, int row) {  // grid rows: 0 is the heading row
        if (form->headingRowFixed() && row == 0) {
            QHeaderView* h = form->StringGrid1->horizontalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(column) + 5, 5));
            return;
        }
        const QModelIndex index = form->StringGrid1->model()->index(row - (form->headingRowFixed() ? 1 : 0), column);
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, {},
                          form->StringGrid1->visualRect(index).center());
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        // The window's own topics replace the shipped ones.
        QCOMPARE(testsupport::copyBuiltTables(dir.path(), {"all_name.DBF", "all_db.dbf", "all_z.dbf", "all_z.MDX"}),
                 QStringList());
        reftest::writeTopicTables(dir.path());
        oldSink = kv::setErrorSink([this](const std::string& m) { errors << QString::fromStdString(m); });
        dm = std::make_unique<TDM>(dir.path() + "/", nullptr);
        QCOMPARE(QString::fromStdString(dm->openError()), QString());
        form = std::make_unique<TForm5>(nullptr, dm.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanupTestCase() {
        form.reset();
        dm.reset();
        kv::setErrorSink(oldSink);
    }

    void topicListAndFirstGrid() {
        QCOMPARE(form->ListBox1->palette().color(QPalette::Base), QApplication::palette().color(QPalette::ToolTipBase));
        QCOMPARE(form->ListBox1->count(), 5);
        QCOMPARE(form->ListBox1->item(0)->text(), QString("Cones"));
        // With topics listed the grid starts as one plain cell.
        QCOMPARE(form->gridColumnCount() * form->gridRowCount(), 1);
        QVERIFY(!form->headingRowFixed());
    }

    void gridFollowsEachTopic_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("firstCell");  // row 1, or the heading row of a topic without rows
        // In this order: a topic with fewer columns after one with more shrinks the grid.
        QTest::newRow("four columns, own face") << "Wide" << 4 << 3 << true << "Times New Roman" << "w1";
        QTest::newRow("two columns") << "Cones" << 2 << 3 << true << "Arial" << "5";
        QTest::newRow("no rows: headings only") << "Empty" << 3 << 1 << false << "Arial" << "a";
    }
    void gridFollowsEachTopic() {
        QFETCH(QString, title);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(bool, fixed);
        QFETCH(QString, face);
        QFETCH(QString, firstCell);
        chooseTopic(title);
        QCOMPARE(form->Label2->text(), title);
        QCOMPARE(form->gridColumnCount(), columns);
        QCOMPARE(form->gridRowCount(), rows);
        QCOMPARE(form->headingRowFixed(), fixed);
        QCOMPARE(form->cellText(0, fixed ? 1 : 0), firstCell);
        for (int c = 0; c < columns; ++c) QCOMPARE(form->StringGrid1->columnWidth(c), (521 - 25) / columns);
        QCOMPARE(form->StringGrid1->font().family(), face);
        // Only a fixed heading row stands on yellow (seen at the end of its first cell, past the text).
        const QImage shot = form->StringGrid1->grab().toImage();
        QCOMPARE(QColor(shot.pixel((521 - 25) / columns - 4, 8)) == QColor(255, 255, 0), fixed);
        clickCell(columns - 1, rows - 1);
        QCOMPARE(form->RichEdit1->font().family(), face);
    }

    void keyboardChoosesTopic_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("framed");  // the topic the focus frame is moved to unselected, if any
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("columns");
        // The list reads Cones, Empty / Too wide, Wide / Zero, row by row.
        QTest::newRow("right arrow") << "Cones" << "" << "Right" << "Empty" << 3;
        QTest::newRow("left arrow") << "Empty" << "" << "Left" << "Cones" << 2;
        QTest::newRow("down arrow") << "Empty" << "" << "Down" << "Wide" << 4;
        QTest::newRow("up arrow") << "Wide" << "" << "Up" << "Empty" << 3;
        QTest::newRow("focus frame alone chooses nothing") << "Cones" << "Wide" << "" << "Cones" << 2;
        QTest::newRow("Space chooses the framed topic") << "Cones" << "Wide" << "Space" << "Wide" << 4;
        QTest::newRow("Enter chooses the framed topic") << "Wide" << "Empty" << "Return" << "Empty" << 3;
        QTest::newRow("Enter on the shown topic keeps it") << "Cones" << "" << "Return" << "Cones" << 2;
    }
    void keyboardChoosesTopic() {
        QFETCH(QString, from);
        QFETCH(QString, framed);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, columns);
        chooseTopic(from);
        QListWidget* list = form->ListBox1;
        list->setFocus();
        // As when the list gains the focus with no current item: a frame, no selection.
        if (!framed.isEmpty())
            list->selectionModel()->setCurrentIndex(list->indexFromItem(list->findItems(framed, Qt::MatchExactly)[0]),
                                                    QItemSelectionModel::NoUpdate);
        const QKeySequence sequence = QKeySequence::fromString(keys);
        for (int k = 0; k < sequence.count(); ++k)
            QTest::keyClick(list, sequence[k].key(), sequence[k].keyboardModifiers());
        QCOMPARE(form->Label2->text(), shown);
        QCOMPARE(form->gridColumnCount(), columns);
        QCOMPARE(list->selectedItems().value(0)->text(), shown);
    }

    void cutCellsShowTheirText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");  // 0 is the heading row
        QTest::addColumn<QString>("tip");
        QTest::newRow("cut cell") << 2 << 2 << "a cell text far too long for its column";
        QTest::newRow("cut heading") << 3 << 0 << "\u03b4: a heading far too long to fit";
        QTest::newRow("whole cell: the grid's hint") << 1 << 1 << "Click to copy value in Edit";
        QTest::newRow("whole heading: the grid's hint") << 0 << 0 << "Click to copy value in Edit";
    }
    void cutCellsShowTheirText() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, tip);
        chooseTopic("Wide");
        QHeaderView* h = form->StringGrid1->horizontalHeader();
        QWidget* under = row == 0 ? h->viewport() : form->StringGrid1->viewport();
        const QPoint at = row == 0 ? QPoint(h->sectionViewportPosition(column) + 5, 5)
                                   : form->StringGrid1->visualRect(form->StringGrid1->model()->index(row - 1, column)).center();
        QToolTip::hideText();
        QHelpEvent ask(QEvent::ToolTip, at, under->mapToGlobal(at));
        QApplication::sendEvent(under, &ask);
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }

    void copyLine() {
        chooseTopic("Cones");
        form->CheckBox1->setChecked(false);
        clickCell(1, 0);
        QCOMPARE(form->RichEdit1->text(), QString("D"));
        clickCell(0, 1);
        QCOMPARE(form->RichEdit1->text(), QString("5"));
        form->CheckBox1->setChecked(true);
        clickCell(1, 1);
        QCOMPARE(form->RichEdit1->text(), QString("  d=5 D=10"));
        form->SpeedButton5->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("  d=5 D=10"));
        form->CheckBox1->setChecked(false);
    }

    void refusedTopicKeepsTheGrid() {
        chooseTopic("Cones");
        errors.clear();
        chooseTopic("Zero");
        QCOMPARE(errors, QStringList("The reference table \"Zero\" cannot be shown: its number of columns (KOL) is 0"));
        QCOMPARE(form->Label2->text(), QString("Cones"));
    }

    void shippedTopicListShowsTenTitles() {
        TDM shipped(qEnvironmentVariable("KV_BIN_DIR") + "/", nullptr);
        TForm5 window(nullptr, &shipped);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListWidget* list = window.ListBox1;
        QVERIFY(list->count() >= 24);
        int whole = 0;
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            const QRect cell = list->visualItemRect(list->item(i));
            whole += list->viewport()->rect().contains(cell) ? 1 : 0;
            QVERIFY2(metrics.horizontalAdvance(list->item(i)->text()) + 6 <= cell.width(), qPrintable(list->item(i)->text()));
        }
        QCOMPARE(whole, 10);  // two columns of five rows, none taken by a scroll bar
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        list->scrollToItem(list->item(list->count() - 1));
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(list->count() - 1))));
    }

    void closingOnlyHides() {
        form->SpeedButton1->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->Label2->text(), QString("Cones"));
        QCOMPARE(form->gridColumnCount(), 2);
    }
};

QTEST_MAIN(RefTablesFormTest)
#include "RefTablesFormTest.moc"
