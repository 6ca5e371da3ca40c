// The converter and the finder windows offscreen, over a private copy of the
// tables and with the desktop services faked: the user's steps (choose a
// category and units, type, press Convert) and what the result box then shows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "tests/support/BuiltTables.h"
#include "data/TableModel.h"
#include "platform/fake/FakeDesktop.h"
#include "tools/convert/Find.h"
#include "tools/convert/Meas.h"

namespace {

constexpr int kLength = 14, kMass = 18, kTemperature = 27;  // list positions
constexpr int kFoot = 5, kMetre = 32, kCentimetre = 30;
enum { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };

// Runs `trigger`, which opens a converter modally; `inspect` sees that
// converter while it is shown, then it is closed. Returns false when none opened.
bool whileConverterShown(const std::function<void()>& trigger, const std::function<void(TMeasForm*)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* form = qobject_cast<TMeasForm*>(QApplication::activeModalWidget());
        if (!form || !form->isVisible()) return;
        poll.stop();
        seen = true;
        inspect(form);
        form->close();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    poll.start();
    giveUp.start(5000);
    trigger();
    return seen;
}

}  // namespace

class MeasFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tables;
    std::unique_ptr<platform::FakeDesktop> fakes;
    QStringList errors;
    kv::ErrorSink previousSink;

    // A fresh DM over a copy of the build's tables, without `missing`.
    void openTables(const QString& missing = {}) {
        QDir target(tables.path());
        for (const QString& f : target.entryList(QDir::Files)) QVERIFY(target.remove(f));
        QCOMPARE(testsupport::copyBuiltTables(tables.path(), {missing}), QStringList());
        delete DM;
        DM = new TDM(tables.path() + "/", nullptr);
    }

    static void choose(QListWidget* list, int row) {
        list->setCurrentRow(row);
        QCOMPARE(list->currentRow(), row);
    }
    static QString convert(TMeasForm& form, const QString& input) {
        form.MaskEdit1->setText(input);
        QTest::mouseClick(form.SolveBtn, Qt::LeftButton);
        return form.MaskEdit2->text();
    }
    static void setUp(TMeasForm& form, int category, int from, int to) {
        choose(form.ListBox1, category);
        choose(form.ListBox2, from);
        choose(form.ListBox3, to);
    }

private slots:
    void initTestCase() {
        QVERIFY(tables.isValid());
        QVERIFY2(!qgetenv("KV_BIN_DIR").isEmpty(), "KV_BIN_DIR not set");
        QLocale::setDefault(QLocale::c());
    }
    void init() {
        errors.clear();
        previousSink = kv::setErrorSink([this](const std::string& m) { errors << QString::fromStdString(m); });
        fakes = std::make_unique<platform::FakeDesktop>();
        openTables();
        TMeasForm::showPhysicalConstants = nullptr;
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        TMeasForm::showPhysicalConstants = nullptr;
        delete DM;
        DM = nullptr;
        fakes.reset();
        kv::setErrorSink(previousSink);
    }

    void controlsAsDesigned() {
        TMeasForm form;
        QCOMPARE(form.size(), QSize(515, 364));
        QCOMPARE(form.windowTitle(), QString());  // the design's "Measure" is cleared on creation
        QCOMPARE(form.MaskEdit1->text(), QStringLiteral("1"));
        QVERIFY(form.MaskEdit2->isReadOnly());
        QVERIFY(form.MaskEdit3->isHidden());
        QVERIFY(!form.MaskEdit3->isEnabled());
        QVERIFY(form.CheckBox1->isChecked());
        QCOMPARE(form.CheckBox1->text(), QStringLiteral("Always on Top"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Measure category"));
        const QList<QPair<QWidget*, QString>> hints = {
            {form.SolveBtn, "Convert"},          {form.SpeedButton3, "notepad"},
            {form.SpeedButton2, "calculator"},   {form.SpeedButton1, "Copy number only"},
            {form.SpeedButton5, "Copy Number and Units"}, {form.SpeedButton4, "Help"},
            {form.CloseBtn, "Close"}};
        for (auto& [w, hint] : hints) QCOMPARE(w->toolTip(), hint);
        // Categories in CLASS order, as listed by the table.
        QCOMPARE(form.ListBox1->count(), 34);
        QCOMPARE(form.ListBox1->item(kTemperature)->text(), QStringLiteral("Temperature"));
        QCOMPARE(form.ListBox1->item(kLength)->text(), QStringLiteral("Length"));
        QCOMPARE(form.ListBox2->count(), 0);
        QVERIFY(errors.isEmpty());
    }

    void choosingACategoryListsItsUnits() {
        TMeasForm form;
        form.MaskEdit2->setText(QStringLiteral("old"));
        choose(form.ListBox1, kLength);
        QCOMPARE(form.windowTitle(), QStringLiteral("Part: Length"));
        QCOMPARE(form.MaskEdit2->text(), QString());
        QCOMPARE(form.ListBox2->count(), form.ListBox3->count());
        QCOMPARE(form.ListBox2->item(kMetre)->text(), QStringLiteral("metre"));
        QCOMPARE(form.ListBox3->item(kFoot)->text(), QStringLiteral("foot"));
        // Nothing is chosen yet on either side.
        QCOMPARE(form.ListBox2->selectedItems().size(), 0);
        QCOMPARE(DM->Table1.filter(), std::string("CLASS='15'"));
        QVERIFY(DM->Table1.filtered());

        choose(form.ListBox1, kTemperature);
        QStringList scales;
        for (int i = 0; i < form.ListBox2->count(); ++i) scales << form.ListBox2->item(i)->text();
        QCOMPARE(scales, (QStringList{"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Reaumur"}));
    }

    void converts_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("metre to foot") << kLength << kMetre << kFoot << "1" << "3.28083989501312";
        QTest::newRow("foot to centimetre") << kLength << kFoot << kCentimetre << "5" << "152.4";
        QTest::newRow("tiny") << kLength << kCentimetre << kMetre << "1e-3" << "1E-5";
        QTest::newRow("negative") << kLength << kMetre << kCentimetre << "-2.5" << "-250";
        QTest::newRow("100 C to F") << kTemperature << int(Celsius) << int(Fahrenheit) << "100" << "212";
        QTest::newRow("-40 C to F") << kTemperature << int(Celsius) << int(Fahrenheit) << "-40" << "-40";
        QTest::newRow("212 F to C") << kTemperature << int(Fahrenheit) << int(Celsius) << "212" << "100";
        QTest::newRow("-40 F to C") << kTemperature << int(Fahrenheit) << int(Celsius) << "-40" << "-40";
        QTest::newRow("32 F to C") << kTemperature << int(Fahrenheit) << int(Celsius) << "32" << "0";
        QTest::newRow("98.6 F to C") << kTemperature << int(Fahrenheit) << int(Celsius) << "98.6" << "37";
        QTest::newRow("0 F to C") << kTemperature << int(Fahrenheit) << int(Celsius) << "0" << "-17.7777777777778";
        QTest::newRow("80 Re to C") << kTemperature << int(Reaumur) << int(Celsius) << "80" << "100";
        QTest::newRow("300 K to R") << kTemperature << int(Kelvin) << int(Rankine) << "300" << "540";
        QTest::newRow("0 F to F") << kTemperature << int(Fahrenheit) << int(Fahrenheit) << "0" << "0";
        QTest::newRow("100 F to F") << kTemperature << int(Fahrenheit) << int(Fahrenheit) << "100" << "100";
        QTest::newRow("-7.83732 F to F") << kTemperature << int(Fahrenheit) << int(Fahrenheit) << "-7.83732"
                                         << "-7.83732";
        QTest::newRow("0.1 K to K") << kTemperature << int(Kelvin) << int(Kelvin) << "0.1" << "0.1";
    }
    void converts() {
        QFETCH(int, category);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        TMeasForm form;
        setUp(form, category, from, to);
        QCOMPARE(convert(form, input), shown);
        QVERIFY(errors.isEmpty());
    }

    void badOrMissingInputLeavesTheResult() {
        TMeasForm form;
        setUp(form, kTemperature, Celsius, Fahrenheit);
        QCOMPARE(convert(form, "100"), QStringLiteral("212"));
        QCOMPARE(convert(form, "abc"), QStringLiteral("212"));
        QCOMPARE(errors, QStringList{"It's not a float number"});
        errors.clear();
        for (const char* bad : {"1,5", " ", "1e", "0x10", "1 000"}) {
            QCOMPARE(convert(form, bad), QStringLiteral("212"));
            QCOMPARE(errors, QStringList{"It's not a float number"});
            errors.clear();
        }
        // Emptied input: the button does nothing at all.
        QCOMPARE(convert(form, ""), QStringLiteral("212"));
        QVERIFY(errors.isEmpty());
    }

    void nothingChosenConvertsNothing() {
        TMeasForm form;
        QCOMPARE(convert(form, "5"), QString());  // no category
        choose(form.ListBox1, kLength);
        QCOMPARE(convert(form, "5"), QString());  // no units
        choose(form.ListBox2, kMetre);
        QCOMPARE(convert(form, "5"), QString());  // no target
        // A bad number is not even looked at until both units are chosen.
        QCOMPARE(convert(form, "abc"), QString());
        QVERIFY(errors.isEmpty());
        form.MaskEdit1->setText("5");
        choose(form.ListBox3, kCentimetre);  // choosing the target converts
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("500"));
    }

    void lookUpsStayInTheCategoryWhateverOthersLeftOnTheTable() {
        TMeasForm form;
        setUp(form, kLength, kMetre, kFoot);
        QCOMPARE(convert(form, "1"), QStringLiteral("3.28083989501312"));
        // The tank window leaves the table filtered on mass...
        DM->Table1.setFilter("CLASS=19");
        DM->Table1.setFiltered(true);
        QCOMPARE(convert(form, "2"), QStringLiteral("6.56167979002625"));
        QCOMPARE(form.FromFactor, 100.0);
        QCOMPARE(form.ToFactor, 30.48);
        QCOMPARE(DM->Table1.filter(), std::string("CLASS=19"));
        // ...and the finder in name order, unfiltered.
        DM->Table1.setIndexName("NAME");
        DM->Table1.setFiltered(false);
        QCOMPARE(convert(form, "3"), QStringLiteral("9.84251968503937"));
        QCOMPARE(DM->Table1.indexName(), std::string("NAME"));
        QVERIFY(!DM->Table1.filtered());
        // Choosing a category puts the converter's own order back.
        choose(form.ListBox1, kMass);
        QCOMPARE(DM->Table1.indexName(), std::string("NUMBER"));
        QCOMPARE(form.ListBox2->item(17)->text(), QStringLiteral("kilogram"));
        QVERIFY(errors.isEmpty());
    }

    void sourceListClickKeepsBothBoxesInAgreement() {
        TMeasForm form;
        setUp(form, kTemperature, Celsius, Fahrenheit);
        QCOMPARE(convert(form, "100"), QStringLiteral("212"));
        form.MaskEdit1->setText("10");
        choose(form.ListBox2, Kelvin);
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("-441.67"));
        // The result is now negative: the next source click zeroes the input and converts that.
        choose(form.ListBox2, Fahrenheit);
        QCOMPARE(form.MaskEdit1->text(), QStringLiteral("0"));
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("0"));  // 0 °F in °F
        // A click on the row already chosen is a click as well.
        QCOMPARE(convert(form, "0"), QStringLiteral("0"));
        setUp(form, kTemperature, Fahrenheit, Celsius);
        QCOMPARE(convert(form, "0"), QStringLiteral("-17.7777777777778"));
        form.MaskEdit1->setText("5");
        QRect row = form.ListBox2->visualItemRect(form.ListBox2->item(Fahrenheit));
        QTest::mouseClick(form.ListBox2->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(form.MaskEdit1->text(), QStringLiteral("0"));
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("-17.7777777777778"));
        // Target clicks convert, once per click.
        form.MaskEdit1->setText("212");
        row = form.ListBox3->visualItemRect(form.ListBox3->item(Celsius));
        QTest::mouseClick(form.ListBox3->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("100"));
    }

    void decimalSeparatorOfTheLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TMeasForm form;
        setUp(form, kLength, kMetre, kFoot);
        QCOMPARE(convert(form, "1,5"), QStringLiteral("4,92125984251969"));
        form.MaskEdit1->setText("1");
        choose(form.ListBox2, kCentimetre);  // reads the result box back with the comma
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("0,0328083989501312"));
        QCOMPARE(convert(form, "1.5"), QStringLiteral("0,0328083989501312"));
        QCOMPARE(errors, QStringList{"It's not a float number"});
    }

    void copiesTheResult() {
        TMeasForm form;
        QApplication::clipboard()->setText("before");
        choose(form.ListBox1, kTemperature);
        QTest::mouseClick(form.SpeedButton5, Qt::LeftButton);  // no target chosen: nothing
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        choose(form.ListBox2, Celsius);
        choose(form.ListBox3, Fahrenheit);
        QCOMPARE(convert(form, "100"), QStringLiteral("212"));
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("212"));
        QTest::mouseClick(form.SpeedButton5, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("212 Fahrenheit"));
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("212"));
    }

    void keyboardFollowsTheLayout() {
        TMeasForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        setUp(form, kLength, kMetre, kFoot);
        // The number and its result first; then the tall lists, the buttons
        // between them, the column of buttons at the right, and the
        // categories below.
        form.MaskEdit1->setFocus();
        const QList<QWidget*> order = {form.MaskEdit2,    form.ListBox2,     form.SolveBtn,     form.SpeedButton6,
                                       form.SpeedButton3, form.SpeedButton2, form.ListBox3,     form.SpeedButton1,
                                       form.SpeedButton5, form.SpeedButton4, form.CloseBtn,     form.ListBox1,
                                       form.CheckBox1,    form.MaskEdit1};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // Enter in the number converts, and does not close the window.
        form.MaskEdit1->setFocus();
        form.MaskEdit1->setText("2");
        QTest::keyClick(form.MaskEdit1, Qt::Key_Return);
        QCOMPARE(form.MaskEdit2->text(), QStringLiteral("6.56167979002625"));
        QVERIFY(form.isVisible());
        // The result, reached with Tab, is copied with Ctrl+C.
        QApplication::clipboard()->setText("before");
        QTest::keyClick(form.MaskEdit1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.MaskEdit2);
        QTest::keyClick(form.MaskEdit2, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("6.56167979002625"));
        QVERIFY(errors.isEmpty());
    }

    void helpProgramsAndClose() {
        TMeasForm form;
        QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
        choose(form.ListBox1, kLength);
        QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
        choose(form.ListBox1, kTemperature);
        QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
        QCOMPARE(fakes->help->contexts, (QList<int>{40, 100, 110}));

        QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
        QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
        QCOMPARE(fakes->programs->started, (QStringList{"text editor", "calculator"}));
        fakes->programs->failure = "No calculator could be started";
        QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
        QCOMPARE(errors, QStringList{"No calculator could be started"});

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.CloseBtn, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void topmostFollowsTheCheckBoxAndStepsAsideForTheConstants() {
        TMeasForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.OnTopFlag);
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);

        QList<bool> topmostWhileShown;
        TMeasForm::showPhysicalConstants = [&] {
            topmostWhileShown << bool(form.windowFlags() & Qt::WindowStaysOnTopHint);
        };
        QTest::mouseClick(form.SpeedButton6, Qt::LeftButton);
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form.isVisible());  // changing layers must not hide (and so close) the window

        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        QVERIFY(!form.OnTopFlag);
        QVERIFY(!(form.windowFlags() & Qt::WindowStaysOnTopHint));
        QTest::mouseClick(form.SpeedButton6, Qt::LeftButton);
        QVERIFY(!(form.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(topmostWhileShown, (QList<bool>{false, false}));

        // An error in the constants window still puts the converter back on top.
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        TMeasForm::showPhysicalConstants = [] { throw kv::Error("constants table closed"); };
        QTest::mouseClick(form.SpeedButton6, Qt::LeftButton);
        QCOMPARE(errors, QStringList{"constants table closed"});
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);

        // Each showing takes the check box's state again.
        form.hide();
        form.CheckBox1->setChecked(false);
        form.show();
        QVERIFY(!form.OnTopFlag);
        QVERIFY(!(form.windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void missingCategoryClosesTheWindow() {
        TMeasForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DM->Table2.setFilter("CLASS=1");  // the category table no longer holds Length
        DM->Table2.setFiltered(true);
        choose(form.ListBox1, kLength);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.ListBox2->count(), 0);
        QVERIFY(errors.isEmpty());
    }

    void missingUnitsTableIsReported() {
        errors.clear();
        openTables("members.DBF");
        QCOMPARE(errors.size(), 1);  // the data module's own report
        TMeasForm form;
        QCOMPARE(errors.size(), 1);
        // The categories come from their own table, which opened all the same.
        QVERIFY(form.ListBox1->count() > kTemperature);
        // A category lists no units, and converting reports the closed units table.
        choose(form.ListBox1, kLength);
        QCOMPARE(form.ListBox2->count(), 0);
        QCOMPARE(convert(form, "1"), QString());
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors[1].contains("members.DBF"), qPrintable(errors[1]));
    }

    // --- the finder ------------------------------------------------------------

    void finderShowsEveryUnitByName() {
        TFindForm find;
        QCOMPARE(find.windowTitle(), QStringLiteral("Find "));
        QCOMPARE(find.size(), QSize(222, 348));
        QCOMPARE(find.Label1->text(), QStringLiteral("Input name "));
        QCOMPARE(find.BitBtn1->text(), QStringLiteral("Go to converter"));
        QCOMPARE(find.BitBtn2->text(), QStringLiteral("&Close"));
        QCOMPARE(DM->Table1.indexName(), std::string("NAME"));
        QVERIFY(!DM->Table1.filtered());
        QAbstractItemModel* grid = find.DBGrid1->model();
        QCOMPARE(grid->rowCount(), DM->Table1.physicalRecordCount());
        QCOMPARE(grid->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name of measure"));
        for (int r = 1; r < grid->rowCount(); ++r)
            QVERIFY(grid->index(r - 1, 0).data().toString().compare(grid->index(r, 0).data().toString(),
                                                                    Qt::CaseInsensitive) <= 0);
    }

    void typingAWholeNameMovesTheGrid() {
        TFindForm find;
        auto current = [&] { return find.DBGrid1->currentIndex().data().toString(); };
        QTest::keyClicks(find.Edit1, "Fahren");
        const QString before = current();
        QVERIFY(before != QStringLiteral("Fahrenheit"));
        QTest::keyClicks(find.Edit1, "heit");
        QCOMPARE(current(), QStringLiteral("Fahrenheit"));
        QCOMPARE(DM->Table1.asString("NAME"), std::string("Fahrenheit"));
        find.Edit1->setText("KILOGRAM");  // the name index ignores letter case
        QCOMPARE(current(), QStringLiteral("kilogram"));
        find.Edit1->setText("kilogramme");
        QCOMPARE(current(), QStringLiteral("kilogram"));
        QVERIFY(errors.isEmpty());
    }

    void goToConverterOpensAFreshConverterOnTheUnit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("foot") << "foot" << "Part: Length" << "1";
        QTest::newRow("kilogram") << "kilogram" << "Part: Mass" << "1";
        QTest::newRow("Celsius") << "Celsius" << "Part: Temperature" << "1";
        QTest::newRow("Fahrenheit") << "Fahrenheit" << "Part: Temperature" << "1";
        QTest::newRow("Kelvin") << "Kelvin" << "Part: Temperature" << "1";
        QTest::newRow("Rankine") << "Rankine" << "Part: Temperature" << "1";
        QTest::newRow("Reaumur") << "Reaumur" << "Part: Temperature" << "1";
    }
    void goToConverterOpensAFreshConverterOnTheUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        TMeasForm shared;
        MeasForm = &shared;
        TFindForm find;
        find.show();
        find.Edit1->setText(unit);
        bool inspected = false;
        QVERIFY(whileConverterShown([&] { QTest::mouseClick(find.BitBtn1, Qt::LeftButton); },
                                    [&](TMeasForm* form) {
                                        inspected = true;
                                        QVERIFY(form != &shared);
                                        QCOMPARE(form->windowTitle(), caption);
                                        const int at = form->ListBox2->currentRow();
                                        QCOMPARE(form->ListBox2->item(at)->text(), unit);
                                        QCOMPARE(form->ListBox3->currentRow(), at);
                                        QCOMPARE(form->MaskEdit2->text(), shown);
                                        // The converter has the table in its own order; the grid let go.
                                        QCOMPARE(DM->Table1.indexName(), std::string("NUMBER"));
                                        QVERIFY(DM->Table1.filtered());
                                        QVERIFY(qobject_cast<TableModel*>(find.DBGrid1->model()) == nullptr);
                                    }));
        QVERIFY(inspected);
        MeasForm = nullptr;
        // Back in the finder: name order, every unit, the grid attached again.
        QVERIFY(find.isVisible());
        QCOMPARE(DM->Table1.indexName(), std::string("NAME"));
        QVERIFY(!DM->Table1.filtered());
        QVERIFY(qobject_cast<TableModel*>(find.DBGrid1->model()) != nullptr);
        QCOMPARE(find.DBGrid1->model()->rowCount(), DM->Table1.physicalRecordCount());
        QVERIFY(errors.isEmpty());
        find.close();
    }

    void doubleClickOnTheGridGoesToTheConverter() {
        TFindForm find;
        find.show();
        QVERIFY(QTest::qWaitForWindowExposed(&find));
        find.Edit1->setText("metre");
        const QModelIndex at = find.DBGrid1->currentIndex();
        QCOMPARE(at.data().toString(), QStringLiteral("metre"));
        QString caption;
        QSignalSpy doubleClicks(find.DBGrid1, &QTableView::doubleClicked);
        QVERIFY(whileConverterShown(
            [&] {
                QPoint p = find.DBGrid1->visualRect(at).center();
                QVERIFY(find.DBGrid1->viewport()->rect().contains(p));
                // A double click is a press and release followed by a second press.
                QTest::mouseClick(find.DBGrid1->viewport(), Qt::LeftButton, {}, p);
                QTest::mouseDClick(find.DBGrid1->viewport(), Qt::LeftButton, {}, p);
            },
            [&](TMeasForm* form) { caption = form->windowTitle(); }));
        QCOMPARE(doubleClicks.size(), 1);
        QCOMPARE(caption, QStringLiteral("Part: Length"));
    }

    void everyWayOfClosingGivesTheTableBack_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Close button") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("destroyed while open") << 3;
    }
    void everyWayOfClosingGivesTheTableBack() {
        QFETCH(int, way);
        TMeasForm shared;
        setUp(shared, kLength, kMetre, kFoot);
        auto find = std::make_unique<TFindForm>();
        find->show();
        QVERIFY(QTest::qWaitForWindowExposed(find.get()));
        QCOMPARE(DM->Table1.indexName(), std::string("NAME"));
        switch (way) {
        case 0: QTest::mouseClick(find->BitBtn2, Qt::LeftButton); break;
        case 1: find->close(); break;
        case 2: QTest::keyClick(find.get(), Qt::Key_Escape); break;
        default: find.reset(); break;
        }
        if (find) QVERIFY(!find->isVisible());
        QCOMPARE(DM->Table1.indexName(), std::string("NUMBER"));
        QVERIFY(DM->Table1.filtered());
        find.reset();
        // The shared converter lists and converts as before.
        QCOMPARE(convert(shared, "1"), QStringLiteral("3.28083989501312"));
        choose(shared.ListBox1, kTemperature);
        QCOMPARE(shared.ListBox2->count(), 5);
        QCOMPARE(DM->Table1.recordCount(), 5);
        QVERIFY(errors.isEmpty());
    }
};

QTEST_MAIN(MeasFormTest)
#include "MeasFormTest.moc"
