// The bound grid over a table: its current row and the table's current record
// move together, whichever of them moves.
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "data/DataSource.h"
#include "data/TableModel.h"
#include "data/dbase/DbfWriter.h"
#include "widgets/forms/DBGrid.h"

class DBGridTest : public QObject {
    Q_OBJECT

private slots:
    void gridAndTableMoveTogether() {
        QTemporaryDir dir;
        const std::string file = dir.filePath("consts.dbf").toStdString();
        dbase::NewTable made;
        made.fields = {{"NAME", 'C', 20, 0}, {"NUM", 'N', 3, 0}};
        made.rows = {{"speed of light", "3"}, {"Avogadro", "2"}, {"Boltzmann", "1"}};
        dbase::writeTable(file, made);
        dbase::Table table;
        table.setFileName(file);
        table.open();
        table.setIndexFieldNames("NAME");
        TDataSource source(&table);
        TableModel model(&source, {"NAME", "NUM"});
        TDBGrid grid;
        grid.setSelectionMode(QAbstractItemView::SingleSelection);
        grid.setSource(&model);
        grid.show();

        struct Step {
            const char* what;
            std::function<void()> act;
            const char* record;  // the table's current record after it, which the grid shows as current
            int column;          // the grid's current column after it
        };
        const Step steps[] = {
            {"bound on the table's record", [] {}, "speed of light", 0},
            {"the table moves", [&] { table.first(); }, "Avogadro", 0},
            {"a key moves the grid", [&] { QTest::keyClick(&grid, Qt::Key_Down); }, "Boltzmann", 0},
            {"a cell in another column", [&] { grid.setCurrentIndex(model.index(0, 1)); }, "Avogadro", 1},
            {"the table moves, the column stays", [&] { table.next(); }, "Boltzmann", 1},
            {"a new order keeps the record", [&] { table.setIndexFieldNames("NUM"); }, "Boltzmann", 0},
            {"a click moves the table", [&] {
                 QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(model.index(2, 0)).center());
             }, "speed of light", 0},
        };
        for (const Step& s : steps) {
            s.act();
            QCOMPARE_EQ(QString::fromStdString(table.asString("NAME")).trimmed(), QString(s.record));
            QVERIFY2(grid.currentIndex().row() == table.recNo(), s.what);
            QVERIFY2(grid.currentIndex().column() == s.column, s.what);
        }

        // Unbound, the grid shows nothing and follows nothing.
        grid.setSource(nullptr);
        table.first();
        QCOMPARE(grid.model(), nullptr);
        QVERIFY(!grid.currentIndex().isValid());
    }
};

QTEST_MAIN(DBGridTest)
#include "DBGridTest.moc"
