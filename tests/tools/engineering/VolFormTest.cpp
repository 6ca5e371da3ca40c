// The tank window offscreen over the build's tables and pictures: its controls
// and start units, the tabs, the calculation with its two messages, the unit
// lists, the copy buttons, and the shared units table left as it was.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "core/HandlerGuard.h"
#include "core/NumberFormat.h"
#include "data/DM.h"
#include "tools/engineering/Cost.h"
#include "widgets/gif/GIFImage.h"

class VolFormTest : public QObject {
    Q_OBJECT

    QStringList messages;  // the guard's errors and the window's own boxes
    kv::ErrorSink previousSink;

    // Clicks Calculate, answering the message box it may show.
    void calculate(TVolForm& form) {
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->close();
            }
        });
        poll.start(5);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    }
    static QStringList results(const TVolForm& form) {
        return {form.Edit5->text(), form.Edit7->text(), form.Edit8->text()};
    }
    static QString shown(double v) { return QString::fromStdString(kv::formatGeneral(v)); }

private slots:
    void initTestCase() {
        const QString bin = qEnvironmentVariable("KV_BIN_DIR") + "/";
        QVERIFY2(bin.size() > 1, "KV_BIN_DIR not set");
        QLocale::setDefault(QLocale::c());
        DM = new TDM(bin, nullptr);
        TVolForm::pictureFolder = bin;
    }
    void init() {
        messages.clear();
        previousSink = kv::setErrorSink([this](const std::string& m) { messages << QString::fromStdString(m); });
    }
    void cleanup() { kv::setErrorSink(previousSink); }
    void cleanupTestCase() {
        delete DM;
        DM = nullptr;
    }

    void opensWithStartUnitsAndLeavesTheUnitsTable() {
        dbase::Table& units = DM->Table1;
        units.setIndexName("NAME");
        units.setFilter("CLASS=19");
        units.setFiltered(true);
        units.moveTo(2);
        const std::string current = units.asString("NAME");

        TVolForm form;
        QCOMPARE(form.windowTitle(), QString("Volume"));
        QCOMPARE(form.size(), QSize(479, 324));
        QStringList tabs;
        for (int k = 0; k < form.TabSet1->count(); ++k) tabs << form.TabSet1->tabText(k);
        QCOMPARE(tabs, QStringList({"Cone", "Cylinder", "Prism", "Pyramid", "Sphere", "Torus"}));
        const struct {
            QComboBox* list;
            const char* unit;
        } starts[] = {{form.ComboBox1, "metre"}, {form.ComboBox4, "metre"},
                      {form.ComboBox5, "litre (cubic decimetre)"}, {form.ComboBox7, "litre (cubic decimetre)"},
                      {form.ComboBox6, "kilogram"}, {form.ComboBox8, "kilogram"}, {form.ComboBox9, "square metre"}};
        for (const auto& s : starts) QCOMPARE(s.list->currentText(), QString(s.unit));
        QVERIFY(form.Panel8Caption->text().contains(QChar(0x03C1)));
        QCOMPARE(form.SpeedButton2->toolTip(), QString("Copy Mass to ClipBoard"));

        QCOMPARE(units.indexName(), std::string("NAME"));
        QCOMPARE(units.filter(), std::string("CLASS=19"));
        QVERIFY(units.filtered());
        QCOMPARE(units.asString("NAME"), current);
        units.setFiltered(false);
    }

    // Each tab: its labels and rows, its own picture, every box emptied.
    void tabsSetRowsPicturesAndEmptyTheBoxes() {
        TVolForm form;
        const struct {
            QStringList labels;
            bool row3, row4;
        } tabs[] = {
            {{"R =", "H =", "h ="}, true, false},       {{"R =", "h ="}, false, false},
            {{"a =", "b =", "h ="}, true, false},       {{"a =", "b =", "H =", "h ="}, true, true},
            {{"R =", "h ="}, false, false},             {{"L =", "R =", "h ="}, true, false},
        };
        QImage previous;
        for (int k = 5; k >= 0; --k) {
            for (QLineEdit* e : {form.Edit1, form.Edit4, form.Edit5, form.Edit6, form.Edit8}) e->setText("7");
            form.TabSet1->setCurrentIndex(k);
            QCOMPARE(form.Panel6->isVisibleTo(&form), tabs[k].row3);
            QCOMPARE(form.Panel7->isVisibleTo(&form), tabs[k].row4);
            QStringList labels = {form.Label1->text(), form.Label2->text(), form.Label3->text(), form.Label4->text()};
            QCOMPARE(labels.mid(0, tabs[k].labels.size()), tabs[k].labels);
            for (QLineEdit* e : {form.Edit1, form.Edit4, form.Edit5, form.Edit6, form.Edit8})
                QVERIFY(e->text().isEmpty());
            QVERIFY2(!form.GIFImage1->isEmpty(), qPrintable(form.TabSet1->tabText(k)));
            QVERIFY(form.GIFImage1->currentImage() != previous);
            previous = form.GIFImage1->currentImage();
        }
    }

    void calculatesWithItsMessages() {
        const double pi = 3.141592653589793;
        const struct {
            int tab;
            QStringList dims;
            QString density, message;
            QStringList shown;
        } cases[] = {
            {1, {"1", "2"}, "1", "", {shown(2 * pi * 1000), shown(2 * pi * 1000), shown(6 * pi)}},
            {4, {"1", "1"}, "", "", {shown(2 * pi / 3 * 1000), "0", shown(3 * pi)}},
            {0, {"1", "2", "3"}, "1", " Wrong input!", {"0", "0", "0"}},
            {3, {"1", "1", "2", "3"}, "1", " Wrong input!", {"0", "0", "0"}},
            {1, {"0", "2"}, "1", "Incorrect input", {"old", "old", "old"}},
            {2, {"1", "-2", "3"}, "1", "Incorrect input", {"old", "old", "old"}},
        };
        TVolForm form;
        for (const auto& c : cases) {
            form.TabSet1->setCurrentIndex(c.tab);
            QLineEdit* const edits[] = {form.Edit1, form.Edit2, form.Edit3, form.Edit4};
            for (int k = 0; k < c.dims.size(); ++k) edits[k]->setText(c.dims[k]);
            form.Edit6->setText(c.density);
            for (QLineEdit* e : {form.Edit5, form.Edit7, form.Edit8}) e->setText("old");
            messages.clear();
            calculate(form);
            QCOMPARE(messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
            QCOMPARE(results(form), c.shown);
        }
        // An empty density was set to 0 in its box.
        form.TabSet1->setCurrentIndex(1);
        form.Edit1->setText("1");
        form.Edit2->setText("2");
        calculate(form);
        QCOMPARE(form.Edit6->text(), QString("0"));

        // The result units: cubic metres and square centimetres.
        form.ComboBox5->setCurrentIndex(form.ComboBox5->findText("cubic metre (kilolitre)"));
        form.ComboBox9->setCurrentIndex(form.ComboBox9->findText("square centimetre"));
        calculate(form);
        QCOMPARE(form.Edit5->text(), shown(2 * pi));
        QCOMPARE(form.Edit8->text(), shown(6 * pi * 10000));
        QVERIFY(form.ComboBox5->currentIndex() >= 0 && form.ComboBox9->currentIndex() >= 0);

        form.SpeedButton3->click();
        QCOMPARE(QApplication::clipboard()->text(), form.Edit8->text());
        form.SpeedButton1->click();
        QCOMPARE(QApplication::clipboard()->text(), form.Edit5->text());
    }

    void unitOfAMovesTheOthers() {
        TVolForm form;
        form.ComboBox1->setFocus();
        QTest::keyClick(form.ComboBox1, Qt::Key_Up);
        const int chosen = form.ComboBox1->currentIndex();
        QCOMPARE(chosen, 31);
        for (QComboBox* list : {form.ComboBox2, form.ComboBox3, form.ComboBox4}) QCOMPARE(list->currentIndex(), chosen);
        QTest::keyClick(form.ComboBox2, Qt::Key_Up);
        QCOMPARE(form.ComboBox2->currentIndex(), chosen - 1);
        QCOMPARE(form.ComboBox3->currentIndex(), chosen);
        QCOMPARE(form.ComboBox1->currentIndex(), chosen);
    }
};

QTEST_MAIN(VolFormTest)
#include "VolFormTest.moc"
