// The date window offscreen: its controls as designed, the empty rows until
// the first change, then all four rows recomputed on every change of either date.
#include <QDateTimeEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "tools/numbers/FormDate.h"

class FormDateTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFormDate> form;

    QStringList rows() const {
        return {form->Label10->text(), form->Label9->text(), form->Label8->text(), form->Label7->text()};
    }

private slots:
    void init() { form = std::make_unique<TFormDate>(); }

    void controlsAsDesigned() {
        QCOMPARE(form->windowTitle(), QString("Date-Date= Years, Mouths, Days, Hours"));
        QCOMPARE(form->size(), QSize(332, 157));
        const struct {
            QWidget* control;
            const char* name;
            QString text;
        } texts[] = {
            {form->Label1, "Label1", "Start date"}, {form->Label2, "Label2", "End Date"},
            {form->Label3, "Label3", "Years"},      {form->Label4, "Label4", "Months"},
            {form->Label5, "Label5", "Days"},       {form->Label6, "Label6", "Hours"},
            {form->BitBtn1, "BitBtn1", "&Close"},
        };
        for (const auto& t : texts) {
            QCOMPARE(t.control->objectName(), QString(t.name));
            const auto* label = qobject_cast<QLabel*>(t.control);
            QCOMPARE(label ? label->text() : qobject_cast<QPushButton*>(t.control)->text(), t.text);
        }
        for (QDateTimeEdit* picker : {form->DateTimePicker1, form->DateTimePicker2}) {
            QVERIFY(picker->calendarPopup());
            QCOMPARE(picker->displayFormat(), QLocale::system().dateFormat(QLocale::LongFormat));
            QCOMPARE(picker->date(), QDate::currentDate());
        }
        QCOMPARE(form->DateTimePicker1->dateTime(), form->DateTimePicker2->dateTime());
        // The values stand right under one another, top to bottom.
        for (QLabel* value : {form->Label10, form->Label9, form->Label8, form->Label7})
            QVERIFY(value->alignment() & Qt::AlignRight);
        QVERIFY(form->Label10->y() < form->Label9->y() && form->Label9->y() < form->Label8->y() &&
                form->Label8->y() < form->Label7->y());
    }

    // Each step changes one picker's date by some days from today; the time
    // of day stays as both pickers started, so the hours are whole days.
    void everyChangeShowsAllFourRows() {
        QCOMPARE(rows(), QStringList({"", "", "", ""}));
        const QDate today = QDate::currentDate();
        const struct {
            int picker;
            int days;
            QStringList shown;
        } steps[] = {
            {2, 1, {"0", "0", "1", "24"}},           {2, 0, {"0", "0", "0", "0"}},
            {2, 31, {"0", "1", "31", "744"}},        {1, 1, {"0", "0", "30", "720"}},
            {1, 71, {"0", "-1", "-40", "-960"}},     {2, 71 + 366, {"1", "12", "366", "8784"}},
            {1, 71 + 366 + 365, {"0", "-11", "-365", "-8760"}},
        };
        for (const auto& s : steps) {
            QDateTimeEdit* picker = s.picker == 1 ? form->DateTimePicker1 : form->DateTimePicker2;
            picker->setDate(today.addDays(s.days));
            QCOMPARE(rows(), s.shown);
        }
        QCOMPARE(form->DateTimePicker1->time(), form->DateTimePicker2->time());
    }

    void closeClosesTheWindow() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(FormDateTest)
#include "FormDateTest.moc"
