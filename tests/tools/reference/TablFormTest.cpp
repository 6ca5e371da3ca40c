// The periodic table window offscreen over the build's element tables: the
// cells where and in the colour the records say, the buttons, the details
// after a click in either grid order, the grid's keys, the other programs,
// and the window that is only hidden on close.
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/LastingWindow.h"
#include "data/TableModel.h"
#include "platform/fake/FakeDesktop.h"
#include "tools/reference/Tabl.h"
#include "widgets/forms/ProgramFonts.h"

class TablFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::FakeDesktop> fakes;

    static QString dir() { return qEnvironmentVariable("KV_BIN_DIR") + "/"; }
    static QString gridName(TTableForm& f) {
        return f.model()->data(f.model()->index(f.DBGrid1->currentIndex().row(), 2), Qt::DisplayRole).toString();
    }

private slots:
    void initTestCase() {
        forms::useProgramFonts();
        fakes = std::make_unique<platform::FakeDesktop>();
    }

    void cellsStandWhereTheRecordsSayInTheirColours() {
        TTableForm form(nullptr, dir());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.grab().toImage();
        const QColor background = form.palette().color(QPalette::Window);
        struct Case {
            const char* cell;
            QRect place;
            int number;  // 0: an empty cell
            QColor colour;
        };
        const Case cases[] = {
            {"Cell1_1", {71, 74, 51, 24}, 1, Qt::red},        {"Cell11_1", {581, 74, 51, 24}, 2, Qt::red},
            {"Cell2_1", {122, 74, 51, 24}, 0, background},    {"Cell3_2", {173, 98, 51, 24}, 5, Qt::yellow},
            {"Cell3_8", {173, 242, 51, 24}, 57, Qt::cyan},    {"Cell4_8", {224, 242, 51, 24}, 72, Qt::cyan},
            {"Cell3_10", {173, 290, 51, 24}, 89, Qt::cyan},   {"Cell4_10", {224, 290, 51, 24}, 104, Qt::cyan},
            {"Cell11_10", {581, 290, 51, 24}, 0, background}, {"Cell1_11", {1, 329, 42, 24}, 58, QColor(0, 128, 0)},
            {"Cell14_11", {547, 329, 42, 24}, 71, QColor(0, 128, 0)}, {"Cell1_12", {1, 368, 42, 24}, 90, QColor(0, 128, 0)},
        };
        for (const Case& c : cases) {
            auto* cell = form.findChild<TCaptionPanel*>(c.cell);
            QVERIFY2(cell, c.cell);
            QCOMPARE(cell->geometry(), c.place);
            QCOMPARE(shot.pixelColor(c.place.topLeft() + QPoint(5, 12)), c.colour);
            auto* button = cell->findChild<QToolButton*>();
            QCOMPARE(button ? button->objectName() : QString(), c.number ? QString("Element%1").arg(c.number) : "");
        }
        QCOMPARE(form.findChildren<TCaptionPanel*>(QRegularExpression("^Cell\\d+_([1-9]|10)$")).size(), 110);
        QVERIFY(!form.elementButton(111) && !form.elementButton(118));
        QCOMPARE(form.elementButton(1)->text(), "H");
        QCOMPARE(form.elementButton(1)->toolTip(), "Hydrogen");
        QCOMPARE(form.elementButton(1)->size(), QSize(47, 20));
        QCOMPARE(form.elementButton(90)->text(), "Th");
        QCOMPARE(form.elementButton(90)->size(), QSize(38, 20));
        QCOMPARE(form.SB1->text(), "Sort by Name   ");
        QCOMPARE(form.SB2->text(), "Sort by Number");
        QCOMPARE(form.SpeedButton7->toolTip(), "Exit");
        QCOMPARE(form.findChild<TCaptionPanel*>("Group8")->geometry(), QRect(428, 57, 153, 17));
        // Every caption's ink lies inside its panel, even where the line is taller than it.
        for (TCaptionPanel* p : form.findChildren<TCaptionPanel*>()) {
            const QRect ink = QFontMetrics(p->font()).tightBoundingRect(p->caption());
            QVERIFY2(ink.width() <= p->contentsRect().width() && ink.height() <= p->contentsRect().height(),
                     qPrintable(p->objectName()));
        }
    }

    void detailsFollowTheClickedElementInEitherOrder() {
        TTableForm form(nullptr, dir());
        QCOMPARE(form.LMass->text(), "1.673E-027");  // hydrogen, 1.0080
        form.SB1->click();
        QCOMPARE(form.model()->data(form.model()->index(0, 2), Qt::DisplayRole).toString(), "Actinium");
        form.elementButton(26)->click();
        QCOMPARE(gridName(form), "Iron");
        QCOMPARE(form.Table1.indexName(), "NAME");  // the grid keeps its order
        QVERIFY(form.DBGrid1->isEnabled());
        struct Shown {
            QLabel* label;
            const char* text;
        };
        for (const Shown& s : {Shown{form.DBText1, "55.845"}, {form.LMass, "9.270E-026"}, {form.DBText3, "2, 3, 6"},
                               {form.PVal1, "   \n   \n   \n  2\n 14\n  8\n  2"}, {form.DBText11, "Transition metal"},
                               {form.DBText2, "ancient"}, {form.DBText8, "7.86 g/cm³"}, {form.DBText6, "1811 K"},
                               {form.DBText10, "7.9025 eV"}, {form.DBText12, "+2, +3, +6"}})
            QCOMPARE(s.label->text(), QString::fromUtf8(s.text));
        // A long text ends in an ellipsis and shows whole as the tooltip.
        form.elementButton(7)->click();
        QVERIFY(form.DBText12->text().endsWith(QChar(0x2026)));
        QCOMPARE(form.DBText12->toolTip(), "-3, -2, -1, +1, +2, +3, +4, +5");
        form.elementButton(2)->click();
        QCOMPARE(form.DBText4->toolTip(), "");
        form.SB2->click();
        QCOMPARE(form.model()->data(form.model()->index(0, 2), Qt::DisplayRole).toString(), "Hydrogen");
        QCOMPARE(gridName(form), "Helium");
        QCOMPARE(form.PVal1->text(), QString("   \n   \n   \n   \n   \n   \n  2"));
    }

    // The elements without a cell are reached through the grid, by keys too,
    // and everything shown follows at once.
    void theGridReachesEveryElement() {
        TTableForm form(nullptr, dir());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.DBGrid1->setFocus();
        form.DBGrid1->setCurrentIndex(form.model()->index(109, 0));
        QCOMPARE(gridName(form), "Darmstadtium");
        QTest::keyClick(form.DBGrid1, Qt::Key_Down);
        QCOMPARE(gridName(form), "Roentgenium");
        QCOMPARE(form.DBText1->text(), "282");
        QCOMPARE(form.LMass->text(), "4.681E-025");
        QCOMPARE(form.DBText7->text(), "2.17 min (Rg-282)");
        QCOMPARE(form.DBText9->text(), "");
    }

    void otherProgramsAndClosing() {
        fakes->programs->started.clear();
        TableForm = new TTableForm(nullptr, dir());
        TTableForm& first = kv::lastingWindow(TableForm);
        first.BitBtn1->click();
        first.BitBtn2->click();
        QCOMPARE(fakes->programs->started, QStringList({"calculator", "text editor"}));
        first.show();
        first.elementButton(8)->click();
        first.SpeedButton7->click();
        QVERIFY(first.isHidden());
        QCOMPARE(&kv::lastingWindow(TableForm), &first);
        QCOMPARE(gridName(first), "Oxygen");
        // F1 opens the window's own page of the help, which the program ships.
        first.show();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QTest::keyClick(&first, Qt::Key_F1);
        QCOMPARE(fakes->help->pages, QStringList({"elements.html"}));
        QVERIFY(QFile::exists(qEnvironmentVariable("KV_BIN_DIR") + "/help/elements.html"));
        delete TableForm;
        TableForm = nullptr;
    }
};

QTEST_MAIN(TablFormTest)
#include "TablFormTest.moc"
