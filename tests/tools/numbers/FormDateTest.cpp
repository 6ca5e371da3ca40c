// The date window offscreen: its controls as designed, the empty rows until
// the first change, then all four rows recomputed on every change of either
// date, and dates typed into either picker in the long date of three locales.
#include <QDateTimeEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include "tests/core/DefaultLocale.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/TypedDateEdit.h"

class FormDateTest : public QObject {
    Q_OBJECT

    // Types `text` key by key, as a keyboard would (QTest::keyClicks takes
    // ASCII only).
    static void typeInto(QWidget* widget, const QString& text) {
        for (QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

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
            QCOMPARE(picker->date(), QDate::currentDate());
        }
        const QString today = QLocale().dayName(QDate::currentDate().dayOfWeek());
        QCOMPARE(QStringList({form.WeekDay1->text(), form.WeekDay2->text()}), QStringList({today, today}));
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

    // The picker's editor holds the long date without the weekday, in the
    // formats of languages that put the weekday first, last or nowhere.
    void longDateWithoutWeekDay() {
        const struct { const char* format, *edited; } cases[] = {
            {"dddd, d MMMM yyyy", "d MMMM yyyy"},      {"dddd, MMMM d, yyyy", "MMMM d, yyyy"},
            {"dddd d MMMM yyyy", "d MMMM yyyy"},       {"yyyy. MMMM d., dddd", "yyyy. MMMM d."},
            {"y年M月d日dddd", "y年M月d日"},             {"d 'de' MMMM 'de' yyyy", "d 'de' MMMM 'de' yyyy"},
            {"dddd 'dddd', d MMMM", "'dddd', d MMMM"},
        };
        for (const auto& c : cases)
            QCOMPARE(TypedDateEdit::withoutWeekDay(QString::fromUtf8(c.format)), QString::fromUtf8(c.edited));
    }

    // Each picker starts at today; the other holds 1 January 2000. The text
    // is typed from the first section, as the user would after Home.
    void typedDatesInEitherPicker() {
        const struct {
            QLocale locale;
            const char* typed;
            QString shown, weekDay;
            QStringList rows;  // start 2000-01-01, end the typed date
        } cases[] = {
            {QLocale::c(), "15 March 2020", "15 March 2020", "Sunday", {"20", "242", "7379", "177096"}},
            {QLocale::c(), "15 3 2020", "15 March 2020", "Sunday", {"20", "242", "7379", "177096"}},
            {DefaultLocale::dot(), "March 15, 2020", "March 15, 2020", "Sunday", {"20", "242", "7379", "177096"}},
            {DefaultLocale::dot(), "mar 15 2020", "March 15, 2020", "Sunday", {"20", "242", "7379", "177096"}},
            {DefaultLocale::dot(), "3/15/2020", "March 15, 2020", "Sunday", {"20", "242", "7379", "177096"}},
            // The day typed before the year outlasts a month too short for it.
            {DefaultLocale::dot(), "Feb 29 2020", "February 29, 2020", "Saturday", {"20", "241", "7364", "176736"}},
            {DefaultLocale::comma(), "15. März 2020", "15. März 2020", "Sonntag", {"20", "242", "7379", "177096"}},
            {DefaultLocale::comma(), "15.3.2020", "15. März 2020", "Sonntag", {"20", "242", "7379", "177096"}},
            {DefaultLocale::comma(), "15 mä 2020", "15. März 2020", "Sonntag", {"20", "242", "7379", "177096"}},
        };
        for (const auto& c : cases) {
            const DefaultLocale locale(c.locale);
            for (bool typedFirst : {true, false}) {
                TFormDate form;
                form.show();
                TypedDateEdit* typed = typedFirst ? form.DateTimePicker1 : form.DateTimePicker2;
                QLabel* weekDay = typedFirst ? form.WeekDay1 : form.WeekDay2;
                (typedFirst ? form.DateTimePicker2 : form.DateTimePicker1)->setDate(QDate(2000, 1, 1));
                const QString what = c.locale.name() + " " + c.typed + (typedFirst ? " first" : " second");
                QTest::keyClick(typed, Qt::Key_Home);
                typeInto(typed, QString::fromUtf8(c.typed));
                QCOMPARE(typed->text(), c.shown);
                QCOMPARE(weekDay->text(), c.weekDay);
                QCOMPARE(typed->toolTip(), c.weekDay + ", " + c.shown);
                QStringList rows = c.rows;
                if (typedFirst)
                    for (QString& r : rows) r.prepend(QLatin1Char('-'));
                const QStringList shownRows{form.Label10->text(), form.Label9->text(), form.Label8->text(),
                                            form.Label7->text()};
                QVERIFY2(shownRows == rows, qPrintable(what + ": " + shownRows.join(' ')));
            }
        }
    }
};

QTEST_MAIN(FormDateTest)
#include "FormDateTest.moc"
