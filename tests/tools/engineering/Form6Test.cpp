// The resistors window offscreen: picks in the band lists give the values,
// texts and drawn band colours; Ohm's law and the two resistor lists work on
// what is typed; each showing resets the bands and keeps the rest.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "platform/fake/FakeDesktop.h"
#include "tests/support/ShownErrors.h"
#include "tools/engineering/BandShape.h"
#include "tools/engineering/Resist.h"

namespace {

// Picks a list's row as a user does, by clicking it.
void pick(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
}

// The colour the window draws at the middle of a shape.
QColor drawnAt(TForm6& form, const TBandShape* shape) {
    const QImage shot = form.grab().toImage();
    return shot.pixelColor(shape->mapTo(&form, shape->rect().center()) * shot.devicePixelRatio());
}

void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace

class Form6Test : public QObject {
    Q_OBJECT

private slots:
    void bandsReadOhmsAndSumResistors() {
        platform::FakeDesktop fakes;
        TForm6 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Resistors,capicitors values, Ohm's Law"));

        // Resistor bands 1-3 give the value, band 4 the tolerance; capacitor
        // bands the coefficient, value in pF and tolerance. The drawn band follows each pick.
        const QList<QLabel*> texts[] = {{form.Label8, form.Label21, form.Label5},
                                        {form.Label16, form.Label14, form.Label13}};
        const struct {
            int page;
            QListWidget* list;
            int row;
            TBandShape* band;
            QColor colour;
            QStringList shown;
        } picks[] = {
            {0, form.ListBox1, 4, form.Shape4, QColor(255, 255, 0), {"40", "", "20%"}},
            {0, form.ListBox2, 7, form.Shape5, QColor(184, 100, 208), {"47", "", "20%"}},
            {0, form.ListBox3, 2, form.Shape6, QColor(255, 0, 0), {"4700", "4.7 KOhm", "20%"}},
            {0, form.ListBox3, 10, form.Shape6, QColor(184, 160, 96), {"4.7", "", "20%"}},
            {0, form.ListBox3, 9, form.Shape6, QColor(128, 128, 128), {"0.47", "", "20%"}},
            {0, form.ListBox4, 2, form.Shape7, QColor(184, 160, 96), {"0.47", "", "5%"}},
            {0, form.ListBox3, 5, form.Shape6, QColor(0, 128, 0), {"4700000", "4.7 MOhm", "5%"}},
            {1, form.ListBox5, 1, form.Shape9, QColor(112, 60, 24), {"   0", "10", "0"}},
            {1, form.ListBox7, 3, form.Shape12, QColor(255, 140, 16), {"   0", "10000", "0"}},
            {1, form.ListBox7, 4, form.Shape12, QColor(128, 128, 128), {"   0", "0.1", "0"}},
            {1, form.ListBox9, 7, form.Shape14, QColor(184, 100, 208), {"-750", "0.1", "0"}},
            {1, form.ListBox8, 3, form.Shape15, QColor(0, 128, 0), {"-750", "0.1", "5/0.5"}},
        };
        for (const auto& p : picks) {
            form.PageControl1->setCurrentIndex(p.page);
            pick(p.list, p.row);
            QStringList shown;
            for (const QLabel* l : texts[p.page]) shown << l->text();
            QCOMPARE(shown, p.shown);
            QCOMPARE(drawnAt(form, p.band), p.colour);
        }

        // Ohm's law: the zero box is found; anything else changes nothing.
        form.PageControl1->setCurrentIndex(2);
        const struct {
            QString i, u, r, wantI, wantU, wantR, error;
        } ohms[] = {
            {"0", "12", "4", "3", "12", "4", ""},
            {"0", "0.1", "1", "0.1", "0.1", "1", ""},
            {"2", "3", "4", "2", "3", "4", ""},
            {"0", "0", "4", "0", "0", "4", ""},
            {"0", "1,5", "4", "0", "1,5", "4", "'1,5' is not a valid floating point value"},
        };
        for (const auto& o : ohms) {
            ShownErrors shown;
            form.MaskEdit1->setText(o.i);
            form.MaskEdit2->setText(o.u);
            form.MaskEdit3->setText(o.r);
            click(form.SpeedButton7);
            QCOMPARE((QStringList{form.MaskEdit1->text(), form.MaskEdit2->text(), form.MaskEdit3->text()}),
                     (QStringList{o.wantI, o.wantU, o.wantR}));
            QCOMPARE(shown.messages, o.error.isEmpty() ? QStringList() : QStringList{o.error});
        }

        // Series and parallel: an empty list leaves the result; entries are taken as typed.
        const struct {
            QLineEdit *entry, *result;
            QToolButton *add, *calculate, *clear;
            QListWidget* list;
            QStringList values;
            QString result1, error;
        } sums[] = {
            {form.Edit1, form.Edit2, form.SpeedButton8, form.SpeedButton9, form.SpeedButton10, form.ListBox10,
             {"100", "220", "330"}, "650", ""},
            {form.Edit3, form.Edit4, form.SpeedButton12, form.SpeedButton11, form.SpeedButton13, form.ListBox11,
             {"100", "100"}, "50", ""},
            {form.Edit1, form.Edit2, form.SpeedButton8, form.SpeedButton9, form.SpeedButton10, form.ListBox10,
             {"1", "x"}, "650", "'x' is not a valid floating point value"},
            {form.Edit3, form.Edit4, form.SpeedButton12, form.SpeedButton11, form.SpeedButton13, form.ListBox11,
             {"100", "0"}, "50", "Floating point division by zero"},
        };
        for (const auto& s : sums) {
            ShownErrors shown;
            click(s.clear);
            click(s.calculate);
            for (const QString& v : s.values) {
                s.entry->setText(v);
                click(s.add);
            }
            QCOMPARE(s.list->count(), s.values.size());
            click(s.calculate);
            QCOMPARE(s.result->text(), s.result1);
            QCOMPARE(shown.messages, s.error.isEmpty() ? QStringList() : QStringList{s.error});
        }

        // Each page's help topic.
        for (QToolButton* help : {form.SpeedButton1, form.SpeedButton3, form.SpeedButton4}) {
            form.PageControl1->setCurrentWidget(help->parentWidget());
            click(help);
        }
        QCOMPARE(fakes.help->contexts, (QList<int>{140, 130, 120}));

        // Showing again: every band list at its first entry; lists and Ohm's boxes kept.
        click(form.SpeedButton5);
        QVERIFY(!form.isVisible());
        form.show();
        for (QListWidget* l : form.findChildren<QListWidget*>())
            if (l != form.ListBox10 && l != form.ListBox11) QCOMPARE(l->currentRow(), 0);
        QCOMPARE((QStringList{form.Label8->text(), form.Label21->text(), form.Label5->text(), form.Label14->text(),
                              form.Label16->text(), form.Label13->text()}),
                 (QStringList{"0", "", "20%", "0", "   0", "0"}));
        form.PageControl1->setCurrentIndex(0);
        QCOMPARE(drawnAt(form, form.Shape7), QColor(216, 164, 112));
        QCOMPARE(drawnAt(form, form.Shape6), QColor(0, 0, 0));
        QCOMPARE(form.ListBox10->count(), 2);
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("1,5"));
    }
};

QTEST_MAIN(Form6Test)
#include "Form6Test.moc"
