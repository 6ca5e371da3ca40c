// The fonts and character codes window offscreen: the character grid and what
// a click on a cell shows, the font tree and its counts (a "Symbol" family
// counted, not listed), the font changes, the key table, the buttons.
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QSet>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "platform/fake/FakeDesktop.h"
#include "tools/reference/Map_k.h"
#include "widgets/forms/ProgramFonts.h"

namespace {

// The family names `fc-list` gives for the fonts matching `pattern`: every
// name of a font's family list, or only the first (its own family's).
QStringList fcFamilies(const QString& pattern, bool firstOnly) {
    QProcess fc;
    fc.start("fc-list", {pattern, "family"});
    if (!fc.waitForFinished() || fc.exitCode() != 0) qFatal("fc-list did not run");
    QStringList names;
    for (const QString& line : QString::fromUtf8(fc.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList family = line.split(',');
        names << (firstOnly ? family.mid(0, 1) : family);
    }
    return names;
}

QStringList childTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i) texts << node->child(i)->text(0);
    return texts;
}

}  // namespace

class MapFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::FakeDesktop> fakes;
    std::unique_ptr<TMap> form;

    void clickCharacter(int code) {
        const QModelIndex cell = form->StringGrid1->model()->index((code - 32) / 32, (code - 32) % 32);
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, {},
                          form->StringGrid1->visualRect(cell).center());
    }

private slots:
    void initTestCase() { forms::useProgramFonts(); }
    void init() {
        fakes = std::make_unique<platform::FakeDesktop>();
        // As the font database names them: a family of several foundries once
        // for each, with the foundry, and the generic names of fontconfig's aliases.
        form = std::make_unique<TMap>(nullptr, std::vector<reference::FontFamily>{
                                                   {"Liberation Serif", true, false}, {"Symbol", true, false},
                                                   {"Terminus", false, false},        {"Arial", true, false},
                                                   {"fixed", false, false},           {"Scaled", false, true},
                                                   {"Nimbus Sans [URW ]", true, false}, {"Nimbus Sans [urw]", true, false},
                                                   {"Nimbus Sans [UKWN]", true, false}, {"Clean [Misc]", false, false},
                                                   {"Clean [Schumacher]", false, true}, {"Monospace", true, false},
                                                   {"Sans Serif", true, false},       {"Serif", true, false}});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        fakes.reset();
    }

    void gridsAsTheFormHasThem() {
        QCOMPARE(form->windowTitle(), QString("Character code and viewer fonts"));
        QCOMPARE(form->size(), QSize(676, 398));
        QTableWidget* grid = form->StringGrid1;
        QCOMPARE(grid->rowCount() * grid->columnCount(), 224);
        QCOMPARE(grid->item(1, 1)->text(), QString("A"));
        // Every cell is on show: no scrolling to reach the last row or column.
        QVERIFY(grid->viewport()->rect().contains(grid->visualItemRect(grid->item(6, 31))));
        for (int code : {129, 141, 143, 144, 157}) {
            QTableWidgetItem* undefined = grid->item((code - 32) / 32, (code - 32) % 32);
            QCOMPARE(undefined->text(), QString());
            QVERIFY(undefined->toolTip().contains("not defined"));
        }
        QTableWidget* keys = form->StringGrid2;
        QCOMPARE(keys->rowCount(), 89);
        QCOMPARE(keys->horizontalHeaderItem(0)->text(), QString("Name key"));
        QCOMPARE(keys->horizontalHeaderItem(1)->text(), QString("Value key(programming language)"));
        QCOMPARE(keys->item(88, 0)->text(), QString("Scroll"));
        QCOMPARE(keys->item(88, 1)->text(), QString("VK_SCROLL"));
        QCOMPARE(keys->columnWidth(0), 197);
        QCOMPARE(keys->columnWidth(1), 197);
        form->SpeedButton2->click();
        QCOMPARE(fakes->help->contexts, QList<int>({10}));
    }

    void aClickedCharacterShowsItsCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("hint");
        QTest::newRow("space") << 32 << " " << "020" << " " << "U+0020 SPACE";
        QTest::newRow("127") << 127 << "\x7f" << "07F" << "\x7f" << "U+007F DELETE";
        QTest::newRow("128") << 128 << "Alt +0128" << "080" << QString::fromUtf8("€") << "U+20AC EURO SIGN";
        QTest::newRow("undefined") << 141 << "Alt +0141" << "08D" << "" << "Code 141 is not defined in code page 1252";
        QTest::newRow("255") << 255 << "Alt +0255" << "0FF" << QString::fromUtf8("ÿ")
                             << "U+00FF LATIN SMALL LETTER Y WITH DIAERESIS";
    }
    void aClickedCharacterShowsItsCodes() {
        QFETCH(int, code);
        QFETCH(QString, entry);
        QFETCH(QString, hex);
        QFETCH(QString, sample);
        QFETCH(QString, hint);
        QCOMPARE(form->StaticText1->text(), QString("S"));
        clickCharacter(code);
        QCOMPARE(form->Label3->text(), entry);
        QCOMPARE(form->Label8->text(), hex);
        QCOMPARE(form->Label11->text(), QString::number(code));
        QCOMPARE(form->StaticText1->text(), sample);
        QCOMPARE(form->StaticText1->toolTip(), hint);
        // Closing only hides: the pick is there when the window shows again.
        form->SpeedButton1->click();
        QVERIFY(!form->isVisible());
        form->show();
        QCOMPARE(form->Label8->text(), hex);
    }

    void theFontTreeSortedAndCounted() {
        QTreeWidget* tree = form->TreeView1;
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* system = tree->topLevelItem(0);
        QCOMPARE(system->text(0), QString("System"));
        QCOMPARE(childTexts(system), QStringList({"Raster", "TrueType"}));
        QCOMPARE(childTexts(system->child(0)), QStringList({"Clean", "fixed", "Terminus"}));
        QCOMPARE(childTexts(system->child(1)), QStringList({"Arial", "Liberation Serif", "Nimbus Sans"}));
        QCOMPARE(form->Label1->text(), QString("4"));  // "Symbol" counted
        QCOMPARE(form->Label2->text(), QString("3"));

        // A picked node sets the sample's face and the grid's; sizes and styles stay.
        QTreeWidgetItem* serif = system->child(1)->child(1);
        tree->setCurrentItem(serif);
        QCOMPARE(form->StaticText1->font().family(), QString("Liberation Serif"));
        QCOMPARE(form->StringGrid1->font().family(), QString("Liberation Serif"));
        QCOMPARE(form->StaticText1->font().pixelSize(), 24);
        QVERIFY(form->StringGrid1->font().bold());
        QCOMPARE(form->StringGrid1->font().pixelSize(), 13);
        // A category is no face: the font matching picks one, nothing fails.
        tree->setCurrentItem(system->child(0));
        QCOMPARE(form->StringGrid1->font().family(), QString("Raster"));
        QVERIFY(!QFontInfo(form->StringGrid1->font()).family().isEmpty());
        // A double click puts the node's face on the grid, the heading stays.
        tree->setCurrentItem(system->child(1)->child(0));
        QFont other = form->StringGrid1->font();
        other.setFamily("Terminus");
        form->StringGrid1->setFont(other);
        tree->scrollToItem(tree->currentItem());  // lays the expanded rows out
        // A double click is a press and release followed by a second press.
        const QPoint arial = tree->visualItemRect(tree->currentItem()).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, arial);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, arial);
        QCOMPARE(form->StringGrid1->font().family(), QString("Arial"));
        QCOMPARE(form->Label7->text(), QString("TrueType fonts"));
    }

    // Against fontconfig's own list: every entry an installed family, listed
    // once, and every family of outline fonts among the TrueType ones.
    void theSystemsFontsAreListed() {
        TMap system;
        const QTreeWidgetItem* trueType = system.TreeView1->topLevelItem(0)->child(1);
        const QStringList names = childTexts(trueType);
        const QStringList listed = names + childTexts(system.TreeView1->topLevelItem(0)->child(0));
        QVERIFY(std::is_sorted(names.begin(), names.end(), reference::fontNameLess));
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
        const QStringList all = fcFamilies(":", false), outline = fcFamilies(":scalable=true", true);
        QVERIFY(outline.contains("Liberation Sans"));
        for (const QString& name : listed) QVERIFY2(all.contains(name), qPrintable(name));
        for (const QString& name : outline) QVERIFY2(name == "Symbol" || names.contains(name), qPrintable(name));
        // One more counted than listed where a "Symbol" family is installed.
        QCOMPARE(system.Label1->text().toInt(), names.size() + (outline.contains("Symbol") ? 1 : 0));
    }
};

QTEST_MAIN(MapFormTest)
#include "MapFormTest.moc"
