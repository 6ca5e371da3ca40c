// The prime numbers window offscreen: a run and a second run, the maxima
// that give no list or a message, the list growing during a run, a run stopped by closing the window while
// it paints and reports progress, and copying the selected lines.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "tests/support/ShownErrors.h"
#include "tools/numbers/Prim.h"
#include "tools/numbers/PrimeListModel.h"
#include "tools/numbers/PrimeListView.h"

class PrimFormTest : public QObject {
    Q_OBJECT

    // Runs the window on `maximum` and waits for the run to end.
    static void generate(TPrimeForm& form, const QString& maximum) {
        QSignalSpy ended(&form, &TPrimeForm::runEnded);
        form.Edit1->setText(maximum);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        if (form.running()) QVERIFY(ended.wait(20000));
    }
    static QString row(const TPrimeForm& form, int k) { return form.model()->index(k).data().toString(); }

private slots:
    void runsAndRunsAgain() {
        TPrimeForm form;
        QCOMPARE(form.Edit1->text(), QStringLiteral("777"));
        QCOMPARE(form.model()->rowCount(), 0);
        struct Case { const char* maximum; int rows; const char* first; } cases[] = {
            {"777", 137, "773"}, {"10", 4, "7"}, {"3", 2, "3"}, {"2", 1, "2"}, {"1", 0, ""}, {"0", 0, ""},
        };
        for (const Case& c : cases) {
            form.Label5->clear();
            generate(form, c.maximum);
            QCOMPARE(form.model()->rowCount(), c.rows);
            if (c.rows > 0) {
                QCOMPARE(row(form, 0), QString(c.first));
                QCOMPARE(row(form, c.rows - 1), QStringLiteral("2"));
            }
            QVERIFY2(!form.Label4->text().isEmpty() && !form.Label5->text().isEmpty(), c.maximum);
            QVERIFY(form.BitBtn1->isEnabled());
        }
    }

    void badMaximaEmptyTheList() {
        TPrimeForm form;
        struct Case { const char* maximum; const char* message; } cases[] = {
            {"seven", "'seven' is not a valid integer value"},
            {"-5", "ProgressBar1 property out of range"},
        };
        for (const Case& c : cases) {
            generate(form, "100");
            QCOMPARE(form.model()->rowCount(), 25);
            ShownErrors shown;
            generate(form, c.maximum);
            QCOMPARE(shown.messages, QStringList{c.message});
            QCOMPARE(form.model()->rowCount(), 0);
            QVERIFY2(form.Label5->text().isEmpty(), "the end time of the run before");
            QVERIFY(!form.running() && form.BitBtn1->isEnabled());
        }
    }

    // The list grows during the run, segment by segment from the top, and a
    // place chosen in it stays while rows are added; "End Time" never shows
    // the run before's time.
    void listGrowsDuringARun() {
        TPrimeForm form;
        form.show();
        form.Label5->setText(QStringLiteral("the run before"));
        struct Seen { int rows; bool running; QString first, endTime; };
        QList<Seen> seen;
        connect(form.model(), &QAbstractItemModel::rowsInserted, this, [&] {
            seen.append({form.model()->rowCount(), form.running(), row(form, 0), form.Label5->text()});
            if (seen.size() == 1) form.Memo1->select(3, 3);
        });
        generate(form, "20000000");
        const int all = form.model()->rowCount();
        QCOMPARE(all, 1270607);
        int during = 0;
        for (qsizetype k = 0; k < seen.size(); ++k) {
            during += seen[k].running && seen[k].rows < all;
            QVERIFY(seen[k].rows <= all);
            QVERIFY(k == 0 || seen[k].rows > seen[k - 1].rows);
            QCOMPARE(seen[k].first, row(form, 0));
            QVERIFY(seen[k].endTime != QStringLiteral("the run before"));
        }
        QVERIFY2(during >= 2, qPrintable(QString::number(during)));
        QCOMPARE(form.Memo1->selectionFirst(), 3);
        QCOMPARE(row(form, all - 1), QStringLiteral("2"));
    }

    void closingStopsARun() {
        TPrimeForm form;
        form.show();
        form.Edit1->setText(QStringLiteral("2147483647"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QVERIFY(form.running());
        QVERIFY(!form.BitBtn1->isEnabled());
        // The window goes on answering: the bar moves while the sieve runs.
        QTRY_VERIFY_WITH_TIMEOUT(form.ProgressBar1->value() > 0, 10000);
        QVERIFY(form.running());
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        QVERIFY(!form.running());
        QVERIFY(!form.isVisible());
        QVERIFY(!form.model()->rows().complete());
        QVERIFY(form.model()->rowCount() > 0);
        QCOMPARE(row(form, 0), QStringLiteral("2147483647"));
        QVERIFY(form.BitBtn1->isEnabled());
    }

    void copiesSelectedLines() {
        TPrimeForm form;
        generate(form, "777");
        form.Memo1->select(0, 2);
        QTest::keyClick(form.Memo1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("773\n769\n761"));
        QTest::keyClick(form.Memo1, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(form.Memo1->selectionLast(), 136);
        QTest::keyClick(form.Memo1, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral("\n3\n2")));

        // 1,270,607 primes lie below 20,000,000: too many to copy at once.
        generate(form, "20000000");
        QTest::keyClick(form.Memo1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(form.Memo1->selectionLast() - form.Memo1->selectionFirst() + 1, 1270607);
        ShownErrors shown;
        QTest::keyClick(form.Memo1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(shown.messages.size(), 1);
        QVERIFY2(shown.messages[0].contains(QStringLiteral("Kvantor2 primes 20000000")), qPrintable(shown.messages[0]));
        QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral("\n3\n2")));
    }
};

QTEST_MAIN(PrimFormTest)
#include "PrimFormTest.moc"
