// The radio window offscreen: conversions both ways through its buttons and
// Enter, 0 and bad text leaving the boxes alone, the copy buttons and Close.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "tests/support/ShownErrors.h"
#include "tools/engineering/Unit2.h"

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void conversionsInARow() {
        enum How { ToWave, ToFrequency, EnterInFrequency };
        const struct {
            How how;
            QString typed;
            QStringList after;  // frequency, wavelength, period
            QString error;
        } rows[] = {
            {ToWave, "1000000", {"1000000", "299.792458", "1E-6"}, ""},
            {ToFrequency, "100", {"2997924.58", "100", "3.33564095198152E-7"}, ""},
            {EnterInFrequency, "299792458", {"299792458", "1", "3.33564095198152E-9"}, ""},
            {ToWave, "0", {"0", "1", "3.33564095198152E-9"}, ""},
            {ToFrequency, "0", {"0", "0", "3.33564095198152E-9"}, ""},
            {ToFrequency, "abc", {"0", "abc", "3.33564095198152E-9"}, "'abc' is not a valid floating point value"},
        };
        TForm2 form;
        form.show();
        QCOMPARE((QStringList{form.MaskEdit1->text(), form.MaskEdit2->text(), form.MaskEdit3->text()}),
                 (QStringList{"0", "0", "0"}));
        for (const auto& r : rows) {
            ShownErrors shown;
            QLineEdit* box = r.how == ToFrequency ? form.MaskEdit2 : form.MaskEdit1;
            box->setText(r.typed);
            if (r.how == EnterInFrequency) QTest::keyClick(box, Qt::Key_Return);
            else QTest::mouseClick(r.how == ToWave ? form.BitBtn1 : form.BitBtn2, Qt::LeftButton);
            QCOMPARE((QStringList{form.MaskEdit1->text(), form.MaskEdit2->text(), form.MaskEdit3->text()}), r.after);
            QCOMPARE(shown.messages, r.error.isEmpty() ? QStringList() : QStringList{r.error});
        }

        form.MaskEdit1->setText("1000000");
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        for (auto [button, box] : {std::pair{form.SpeedButton2, form.MaskEdit1}, {form.SpeedButton3, form.MaskEdit2},
                                   {form.SpeedButton4, form.MaskEdit3}}) {
            QApplication::clipboard()->clear();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), box->text());
        }
        QCOMPARE(form.MaskEdit2->selectedText(), QStringLiteral("299.792458"));
        QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
