// The date window offscreen: its controls as designed, the empty rows until
// the first change, then all four rows recomputed on every change of either date.
#include <QDateTimeEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include "tools/numbers/FormDate.h"

class FormDateTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsDesigned() {
        TFormDate form;
        QCOMPARE(form.windowTitle(), QString("Date-Date= Years, Mouths, Days, Hours"));
        QCOMPARE(form.size(), QSize(332, 157));
        QStringList texts;
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
            texts << form.findChild<QLabel*>(name)->text();
        QCOMPARE(texts, QStringList({"Start date", "End Date", "Years", "Months", "Days", "Hours"}));
        QCOMPARE(form.findChild<QPushButton*>("BitBtn1")->text(), QString("&Close"));
        for (QDateTimeEdit* picker : {form.DateTimePicker1, form.DateTimePicker2}) {
            QVERIFY(picker->calendarPopup());
            QCOMPARE(picker->displayFormat(), QLocale::system().dateFormat(QLocale::LongFormat));
            QCOMPARE(picker->date(), QDate::currentDate());
        }
        QCOMPARE(form.DateTimePicker1->dateTime(), form.DateTimePicker2->dateTime());
        form.show();
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    // Each step sets one picker to some days from today; both keep the time of
    // day they started with, so the hours are whole days.
    void everyChangeShowsAllFourRows() {
        TFormDate form;
        const auto rows = [&] {
            return QStringList{form.Label10->text(), form.Label9->text(), form.Label8->text(), form.Label7->text()};
        };
        QCOMPARE(rows(), QStringList({"", "", "", ""}));
        QDateTimeEdit *const start = form.DateTimePicker1, *const end = form.DateTimePicker2;
        const struct {
            QDateTimeEdit* picker;
            int days;
            QStringList shown;
        } steps[] = {
            {end, 1, {"0", "0", "1", "24"}},          {end, 0, {"0", "0", "0", "0"}},
            {end, 31, {"0", "1", "31", "744"}},       {start, 1, {"0", "0", "30", "720"}},
            {start, 71, {"0", "-1", "-40", "-960"}},  {end, 437, {"1", "12", "366", "8784"}},
            {start, 802, {"0", "-11", "-365", "-8760"}},
        };
        for (const auto& s : steps) {
            s.picker->setDate(QDate::currentDate().addDays(s.days));
            QCOMPARE(rows(), s.shown);
        }
    }
};

QTEST_MAIN(FormDateTest)
#include "FormDateTest.moc"
