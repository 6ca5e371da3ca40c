// The reference tables window offscreen over a small set of topics: its
// controls, the grid's shape, widths, colours and font per topic, the copy
// line, a refused topic, and closing that only hides.
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
#include <QToolButton>
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

    void closingOnlyHides() {
        form->SpeedButton1->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->Label2->text(), QString("Cones"));
        QCOMPARE(form->gridColumnCount(), 2);
    }
};

QTEST_MAIN(RefTablesFormTest)
#include "RefTablesFormTest.moc"
