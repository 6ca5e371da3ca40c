// The numerals window offscreen: the conversion's order over a run of inputs
// (each row starts from the boxes the row before left), the base reset on
// each showing, the copy buttons and help.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "platform/fake/FakeDesktop.h"
#include "tests/support/ShownErrors.h"
#include "tools/numbers/Ar_rom.h"

class Form3Test : public QObject {
    Q_OBJECT

private slots:
    void conversionsInARow() {
        enum How { Click, TypeBase, PickBase };
        const QString thirtyTwo = "Thirty Two Thousand Seven Hundred Sixty Eight ";
        const struct {
            QString number, base;
            How how;
            QString roman, inBase, words, baseAfter, error;
        } rows[] = {
            {"1994", "16", Click, "MCMXCIV", "7CA", "One Thousand Nine Hundred Ninety Four ", "16", ""},
            {"32768", "2", Click, "MCMXCIV", "1000000000000000", thirtyTwo, "2", ""},
            {" 0 ", "17", Click, "", "0", " Zero ", "16", ""},
            {"255", "1", Click, "CCLV", "FF", " Two Hundred Fifty Five ", "16", ""},
            {"-255", "-3", Click, "CCLV", "-FF", " Two Hundred Fifty Five ", "16", "Negative numbers not supported"},
            {"1000000000", "10", Click, "CCLV", "1000000000", " Two Hundred Fifty Five ", "10",
             "Num2Dollars only supports up to the millions at this point!"},
            {"12x", "10", Click, "CCLV", "1000000000", " Two Hundred Fifty Five ", "10", "'12x' is not a valid integer value"},
            {"10", "abc", Click, "X", "1000000000", " Two Hundred Fifty Five ", "abc", "'abc' is not a valid integer value"},
            {"", "2", Click, "X", "1000000000", " Two Hundred Fifty Five ", "2", ""},
            {"10", "9", TypeBase, "X", "11", " Ten ", "9", ""},
            {"10", "11", PickBase, "X", "A", " Ten ", "11", ""},
        };
        platform::FakeDesktop fakes;
        TForm3 form;
        int beeps = 0;
        form.beep = [&beeps] { ++beeps; };
        form.show();
        QCOMPARE(form.Edit1->text(), QStringLiteral("1"));
        for (const auto& r : rows) {
            ShownErrors shown;
            const int beepsBefore = beeps;
            form.Edit1->setText(r.number);
            if (r.how == Click) {
                form.ComboBox1->setEditText(r.base);
                QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            } else if (r.how == TypeBase) {
                form.ComboBox1->lineEdit()->selectAll();
                QTest::keyClicks(form.ComboBox1->lineEdit(), r.base);
            } else {
                form.ComboBox1->setCurrentIndex(form.ComboBox1->findText(r.base) - 1);
                QTest::keyClick(form.ComboBox1, Qt::Key_Down);
            }
            const QStringList boxes = {form.Edit2->text(), form.Edit3->text(), form.Edit4->text(),
                                       form.ComboBox1->currentText()};
            QCOMPARE(boxes, (QStringList{r.roman, r.inBase, r.words, r.baseAfter}));
            QCOMPARE(shown.messages, r.error.isEmpty() ? QStringList() : QStringList{r.error});
            QCOMPARE(beeps - beepsBefore, r.number.isEmpty() ? 1 : 0);
        }

        // Each showing sets the base to 2 and leaves the results alone.
        form.hide();
        form.show();
        QCOMPARE(form.ComboBox1->currentText(), QStringLiteral("2"));
        QCOMPARE(form.Edit3->text(), QStringLiteral("A"));

        for (auto [button, box] : {std::pair{form.SpeedButton1, form.Edit2}, {form.SpeedButton2, form.Edit3},
                                   {form.SpeedButton3, form.Edit4}}) {
            QApplication::clipboard()->clear();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), box->text());
        }
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        QCOMPARE(fakes.help->pages, QStringList{"40.html#numerals"});
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
