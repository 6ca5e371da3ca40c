// The hot-key configuration window offscreen, with the desktop services and
// the hot keys faked: its tabs and controls, what saving a slot stores and
// registers, what a showing applies, the session notice, help, exit and the
// desktop shortcut.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/Hot.h"
#include "platform/ProgramDir.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/ShownErrors.h"

namespace {

struct ExpectedTab {
    const char* sheet;
    const char* caption;
    const char* boxes[4];
    const char* combo;
    const char* save;
    const char* note;
    int id;
};

const ExpectedTab kTabs[] = {
    {"TabSheet1", "Hide/Restore  main window    ", {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"},
     "ComboBox1", "SpeedButton1", "You can change the hot key to hide or restore the program's main menu bar", 1139},
    {"TabSheet2", "Find measure unit", {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"}, "ComboBox2",
     "SpeedButton3", "You can change the hot key to display the program's Find window", 1134},
    {"TabSheet3", "Converter", {"CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12"}, "ComboBox3",
     "SpeedButton4", "You can change the hot key to display the program's Converter window", 1135},
    {"TabSheet4", "Calculator", {"CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16"}, "ComboBox4",
     "SpeedButton5", "You can change the hot key to display Windows Calculator", 1136},
    {"TabSheet5", "Sreen saver", {"CheckBox17", "CheckBox18", "CheckBox19", "CheckBox20"}, "ComboBox5",
     "SpeedButton7", "You can change the hot key to start Windows Screen Saver", 1140},
};

}  // namespace

class HotTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::FakeDesktop> fakes;
    std::unique_ptr<platform::FakeHotKeys> keys;
    std::unique_ptr<THot> hot;
    QStringList told;

    QMap<QString, QString>& hkey() { return fakes->settings->groups["HKey"]; }

    void makeWindow() {
        hot = std::make_unique<THot>();
        hot->tellUser = [this](const QString& text) { told << text; };
    }
    // Shows the window as the bar does and lets its activation run.
    void showWindow() {
        hot->show();
        QTRY_VERIFY(hot->isVisible());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void choose(int slot, const QString& key, bool alt, bool ctrl, bool shift, bool win) {
        THot::SlotControls c = hot->slotControls(slot);
        c.key->setCurrentIndex(c.key->findText(key));
        c.alt->setChecked(alt);
        c.ctrl->setChecked(ctrl);
        c.shift->setChecked(shift);
        c.win->setChecked(win);
    }

private slots:
    void init() {
        fakes = std::make_unique<platform::FakeDesktop>();
        keys = std::make_unique<platform::FakeHotKeys>();
        told.clear();
        makeWindow();
    }
    void cleanup() {
        hot.reset();
        keys.reset();
        fakes.reset();
    }

    void theWindowHasItsFiveTabsAndControls() {
        QCOMPARE(hot->windowTitle(), QString("Configuration"));
        QCOMPARE(hot->size(), QSize(389, 211));
        QCOMPARE(hot->Label1->text(), QString("Configuration of hot keys"));
        QVERIFY(hot->Label1->font().bold());
        QCOMPARE(hot->SpeedButton6->toolTip(), QString("Help"));
        QCOMPARE(hot->SpeedButton2->toolTip(), QString("Exit"));
        QCOMPARE(hot->BitBtn1->text(), QString("ShortCut to DeskTop"));
        QCOMPARE(hot->PageControl1->count(), 5);
        QStringList names;
        for (int p = 0; p < 89; ++p) names << hot->ComboBox1->itemText(p);
        QCOMPARE(names.first(), QString("Cancel"));
        QCOMPARE(names.last(), QString("Scroll"));
        const char* const boxTexts[] = {"Alt", "Ctrl", "Shift", "Win"};
        for (int i = 0; i < 5; ++i) {
            const ExpectedTab& t = kTabs[i];
            QWidget* sheet = hot->PageControl1->widget(i);
            QCOMPARE(sheet->objectName(), QString(t.sheet));
            QCOMPARE(hot->PageControl1->tabText(i), QString(t.caption));
            THot::SlotControls c = hot->slotControls(i + 1);
            QCheckBox* boxes[] = {c.alt, c.ctrl, c.shift, c.win};
            for (int b = 0; b < 4; ++b) {
                QCOMPARE(boxes[b]->objectName(), QString(t.boxes[b]));
                QCOMPARE(boxes[b]->text(), QString(boxTexts[b]));
                QCOMPARE(boxes[b]->parentWidget(), sheet);
                QVERIFY(!boxes[b]->isChecked());
            }
            // Top to bottom in that order.
            QVERIFY(c.alt->y() < c.ctrl->y() && c.ctrl->y() < c.shift->y() && c.shift->y() < c.win->y());
            QCOMPARE(c.key->objectName(), QString(t.combo));
            QCOMPARE(c.key->parentWidget(), sheet);
            QCOMPARE(c.key->count(), 89);
            for (int p = 0; p < 89; ++p) QCOMPARE(c.key->itemText(p), names[p]);
            QCOMPARE(c.key->currentIndex(), -1);
            QCOMPARE(c.save->objectName(), QString(t.save));
            QCOMPARE(c.save->toolTip(), QString("Save current Hot key"));
            QCOMPARE(c.save->parentWidget(), sheet);
            QLabel* note = nullptr;
            for (QLabel* label : sheet->findChildren<QLabel*>())
                if (label->text() == QString(t.note)) note = label;
            QVERIFY2(note, t.note);
            QVERIFY(note->font().bold());
            QCOMPARE(note->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(sheet->findChild<QLabel*>(QStringLiteral("ModifiersLabel")));
            QCOMPARE(sheet->findChild<QLabel*>(QStringLiteral("KeyLabel"))->text(), QString("Key"));
        }
    }

    void savingTheConverterSlotStoresAndRegistersAtOnce() {
        choose(3, "F11", true, false, false, false);
        hot->SpeedButton4->click();
        QCOMPARE(hkey().value("Key3"), QString("122"));
        QCOMPARE(hkey().value("NumKey3"), QString("85"));
        QCOMPARE(hkey().value("Modif3"), QString("1"));
        QCOMPARE(hkey().size(), 3);
        QCOMPARE(keys->calls, (QStringList{"unregister 1135", "register 1135 1 122"}));
    }

    void eachSlotStoresItsOwnValuesUnderItsOwnIdentifier() {
        // Every tab with a different key and modifier set; slot n's values
        // end in n and its identifier is the tab's.
        const char* tabKeys[] = {"Home", "Z", "0", "Numpad7", "Scroll"};
        const int codes[] = {36, 90, 48, 103, 145};
        const int positions[] = {12, 58, 23, 66, 88};
        for (int n = 1; n <= 5; ++n) {
            keys->calls.clear();
            // Alt, Ctrl, Shift, Win: one per tab, all on the fifth.
            choose(n, tabKeys[n - 1], n == 1 || n == 5, n == 2 || n == 5, n == 3 || n == 5, n == 4 || n == 5);
            hot->slotControls(n).save->click();
            const int bits = n == 5 ? 15 : 1 << (n - 1);
            QCOMPARE(hkey().value(QString("Key%1").arg(n)), QString::number(codes[n - 1]));
            QCOMPARE(hkey().value(QString("NumKey%1").arg(n)), QString::number(positions[n - 1]));
            QCOMPARE(hkey().value(QString("Modif%1").arg(n)), QString::number(bits));
            const int id = kTabs[n - 1].id;
            QCOMPARE(keys->calls, (QStringList{QString("unregister %1").arg(id),
                                               QString("register %1 %2 %3").arg(id).arg(bits).arg(codes[n - 1])}));
        }
        QCOMPARE(hkey().size(), 15);
        QCOMPARE(keys->registered.size(), 5);
    }

    void winAloneOnTheScreenSaverTabStoresEight() {
        choose(5, "S", false, false, false, true);
        hot->SpeedButton7->click();
        QCOMPARE(hkey().value("Modif5"), QString("8"));
        QCOMPARE(keys->registered.value(1140), (platform::FakeHotKeys::Key{8, 83}));
    }

    void aSlotWithoutModifiersIsRegisteredToo() {
        choose(4, "F9", false, false, false, false);
        hot->SpeedButton5->click();
        QCOMPARE(hkey().value("Modif4"), QString("0"));
        QCOMPARE(keys->registered.value(1136), (platform::FakeHotKeys::Key{0, 120}));
    }

    void savingOneSlotLeavesTheOthersAlone() {
        choose(5, "F5", false, true, false, false);
        hot->SpeedButton7->click();
        keys->calls.clear();
        choose(2, "F12", true, false, false, false);
        hot->SpeedButton3->click();
        QCOMPARE(keys->calls, (QStringList{"unregister 1134", "register 1134 1 123"}));
        QCOMPARE(keys->registered.value(1140), (platform::FakeHotKeys::Key{2, 116}));
        QCOMPARE(keys->registered.value(1134), (platform::FakeHotKeys::Key{1, 123}));
        QCOMPARE(hkey().value("Key5"), QString("116"));
        QCOMPARE(hkey().value("Modif5"), QString("2"));
    }

    void savingWithoutAKeyIsRefusedAndStoresNothing() {
        // Modifiers but no key chosen: a message, nothing stored or touched.
        hot->CheckBox9->setChecked(true);
        hot->SpeedButton4->click();
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains("Choose a key"));
        QVERIFY(!fakes->settings->groups.contains("HKey"));
        QVERIFY(keys->calls.isEmpty());
        // A slot saved before keeps its key when the list is emptied again.
        choose(3, "F11", true, false, false, false);
        hot->SpeedButton4->click();
        hot->ComboBox3->setCurrentIndex(-1);
        keys->calls.clear();
        hot->SpeedButton4->click();
        QCOMPARE(told.size(), 2);
        QCOMPARE(hkey().value("Key3"), QString("122"));
        QVERIFY(keys->calls.isEmpty());
        QCOMPARE(keys->registered.value(1135), (platform::FakeHotKeys::Key{1, 122}));
    }

    void aStoreThatCannotBeOpenedStoresAndRegistersNothing() {
        fakes->settings->unavailable = true;
        choose(3, "F11", true, false, false, false);
        hot->SpeedButton4->click();
        QVERIFY(keys->calls.isEmpty());
        QVERIFY(told.isEmpty());
    }

    void aFailedWriteIsReportedButTheKeyStillWorks() {
        // Registered for this run; the user hears that it was not kept.
        ShownErrors errors;
        fakes->settings->groups["HKey"]["Key1"] = "65";  // the group exists
        fakes->settings->writesFail = true;
        choose(3, "F11", true, false, false, false);
        hot->SpeedButton4->click();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("could not be saved"));
        QCOMPARE(keys->registered.value(1135), (platform::FakeHotKeys::Key{1, 122}));
    }

    void showingAppliesTheStoredKeysAndOnlyChecksBoxes() {
        hkey() = {{"Key1", "122"}, {"NumKey1", "85"}, {"Modif1", "3"},   // Alt+Ctrl
                  {"NumKey2", "0"}, {"Modif2", "12"},                     // Shift+Win
                  {"NumKey3", "89"}, {"Modif3", "x"},                     // neither is valid
                  {"NumKey4", "-1"},                                      // no modifiers stored
                  {"NumKey5", "88"}, {"Modif5", "0"}};
        // What the user left last time: a key in slot 3 and 4, boxes in slot 1 and 5.
        hot->ComboBox3->setCurrentIndex(10);
        hot->ComboBox4->setCurrentIndex(20);
        hot->CheckBox3->setChecked(true);   // Shift in slot 1
        hot->CheckBox17->setChecked(true);  // Alt in slot 5
        showWindow();
        QCOMPARE(hot->ComboBox1->currentText(), QString("F11"));
        QVERIFY(hot->CheckBox1->isChecked() && hot->CheckBox2->isChecked());
        QVERIFY(hot->CheckBox3->isChecked());  // not cleared
        QVERIFY(!hot->CheckBox4->isChecked());
        QCOMPARE(hot->ComboBox2->currentText(), QString("Cancel"));
        QVERIFY(!hot->CheckBox5->isChecked() && !hot->CheckBox6->isChecked());
        QVERIFY(hot->CheckBox7->isChecked() && hot->CheckBox8->isChecked());
        QCOMPARE(hot->ComboBox3->currentIndex(), 10);  // out of the list: left as it was
        QVERIFY(!hot->CheckBox9->isChecked());
        QCOMPARE(hot->ComboBox4->currentIndex(), 20);
        QCOMPARE(hot->ComboBox5->currentText(), QString("Scroll"));
        QVERIFY(hot->CheckBox17->isChecked());  // Modif5 0 clears nothing
        QVERIFY(!hot->CheckBox18->isChecked() && !hot->CheckBox19->isChecked() && !hot->CheckBox20->isChecked());
        // Showing stores and registers nothing.
        QVERIFY(keys->calls.isEmpty());
        QCOMPARE(hkey().size(), 10);
    }

    void withNoStoredKeysAShowingChangesNothing() {
        hot->ComboBox2->setCurrentIndex(5);
        hot->CheckBox6->setChecked(true);
        showWindow();
        QCOMPARE(hot->ComboBox1->currentIndex(), -1);
        QCOMPARE(hot->ComboBox2->currentIndex(), 5);
        QVERIFY(hot->CheckBox6->isChecked());
        QVERIFY(!fakes->settings->groups.contains("HKey"));
    }

    void aSessionWithoutGlobalKeysIsToldOnce() {
        keys->reason = "Global hot keys are not available in this session.";
        showWindow();
        QCOMPARE(told, QStringList{keys->reason});
        hot->hide();
        showWindow();
        QCOMPARE(told, QStringList{keys->reason});
    }

    void aSessionWithGlobalKeysSaysNothing() {
        showWindow();
        QVERIFY(told.isEmpty());
    }

    void helpExitAndTheDesktopShortcut() {
        hot->SpeedButton6->click();
        QCOMPARE(fakes->help->contexts, QList<int>{30});
        showWindow();
        hot->SpeedButton2->click();
        QVERIFY(!hot->isVisible());
        hot->BitBtn1->click();
        const QString dir = platform::programDir();
        QCOMPARE(fakes->desktopShortcut->created.size(), 1);
        QCOMPARE(fakes->desktopShortcut->created.first().first, dir);
        QCOMPARE(fakes->desktopShortcut->created.first().second, dir + "Kvantor2");
    }

    void aShortcutThatCannotBeWrittenIsReported() {
        ShownErrors errors;
        fakes->desktopShortcut->failure = "The shortcut /nowhere/Kvantor2.desktop could not be written";
        hot->BitBtn1->click();
        QCOMPARE(errors.messages, QStringList{"The shortcut /nowhere/Kvantor2.desktop could not be written"});
    }
};

QTEST_MAIN(HotTest)
#include "HotTest.moc"
