// The decibel window offscreen: levels for both kinds of quantity, values
// passed over, bad text, the radio buttons not recomputing, and Close.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tests/support/ShownErrors.h"
#include "tools/engineering/Decib.h"

class DecFormTest : public QObject {
    Q_OBJECT

private slots:
    void calculationsInARow() {
        enum How { Power, Field, PickOnly, Enter };
        const struct {
            QString v2, v1;
            How how;
            QString result, error;
        } rows[] = {
            {"2", "1", Power, "3.01029995663981", ""},
            {"2", "1", Field, "6.02059991327962", ""},
            {"1", "2", PickOnly, "6.02059991327962", ""},
            {"1", "2", Power, "-3.01029995663981", ""},
            {"0", "1", Field, "-3.01029995663981", ""},
            {"3", "-1", Power, "-3.01029995663981", ""},
            {"3", "1,5", Power, "-3.01029995663981", "'1,5' is not a valid floating point value"},
            {"5", "5", Enter, "0", ""},
        };
        TDecForm form;
        form.show();
        QVERIFY(form.RadioButton1->isChecked());
        QCOMPARE(form.Edit1->text(), QStringLiteral("0"));
        for (const auto& r : rows) {
            ShownErrors shown;
            form.MaskEdit1->setText(r.v2);
            form.MaskEdit2->setText(r.v1);
            if (r.how == Field || r.how == PickOnly) QTest::mouseClick(form.RadioButton2, Qt::LeftButton);
            if (r.how == Power) QTest::mouseClick(form.RadioButton1, Qt::LeftButton);
            if (r.how == Enter) QTest::keyClick(form.MaskEdit2, Qt::Key_Return);
            else if (r.how != PickOnly) QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
            QCOMPARE(form.Edit1->text(), r.result);
            QCOMPARE(shown.messages, r.error.isEmpty() ? QStringList() : QStringList{r.error});
        }
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(DecFormTest)
#include "DecFormTest.moc"
