// The bar and its hot keys, offscreen with faked hot keys and desktop
// services: which stored slots are registered at start, what each identifier
// runs with the converter closed and open, the guards against opening the
// converter or the finder twice, and the unregistration at the end.
#include <QAction>
#include <QtTest>
#include <memory>

#include "app/Form1.h"
#include "app/Hot.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/ShownErrors.h"

class HotKeyDispatchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::FakeDesktop> fakes;
    std::unique_ptr<platform::FakeHotKeys> keys;
    std::unique_ptr<TForm1> bar;
    int converterShown = 0;
    int finderShown = 0;
    // What runs inside the converter's or the finder's modal loop.
    std::function<void()> insideConverter, insideFinder;

    void makeBar() {
        bar = std::make_unique<TForm1>();
        converterShown = finderShown = 0;
        insideConverter = insideFinder = nullptr;
        bar->showConverterWindow = [this] {
            ++converterShown;
            if (insideConverter) insideConverter();
        };
        bar->showFinderWindow = [this] {
            ++finderShown;
            if (insideFinder) insideFinder();
        };
    }
    // Every slot stored with Alt and a key of its own.
    void storeAllSlots() {
        auto& hkey = fakes->settings->groups["HKey"];
        for (int n = 1; n <= 5; ++n) {
            hkey[QString("Key%1").arg(n)] = QString::number(111 + n);  // F1 to F5
            hkey[QString("Modif%1").arg(n)] = "1";
        }
    }

private slots:
    void init() {
        fakes = std::make_unique<platform::FakeDesktop>();
        keys = std::make_unique<platform::FakeHotKeys>();
    }
    void cleanup() {
        bar.reset();
        keys.reset();
        fakes.reset();
    }

    void aFirstRunRegistersNothing() {
        // No HKey group at all, although the converter entry's hint names Alt+F11.
        makeBar();
        QVERIFY(keys->calls.isEmpty());
        QCOMPARE(bar->Converter1->toolTip(), QString("Hot key Alt+F11"));
        QVERIFY(keys->hasHandler());
    }

    void onlySlotsWithAKeyAndModifiersAreRegisteredAtStart() {
        fakes->settings->groups["HKey"] = {
            {"Key1", "0"}, {"Modif1", "1"},      // no key
            {"Key2", "123"}, {"Modif2", "0"},    // saved without modifiers: skipped now
            {"Key3", "122"}, {"Modif3", "1"},    // Alt+F11
            {"Key4", "120"},                     // no modifiers stored
            {"Key5", "x"}, {"Modif5", "8"},      // no number
        };
        makeBar();
        QCOMPARE(keys->calls, QStringList{"register 1135 1 122"});
        // The keys work from start; their configuration window is made only when shown.
        QVERIFY(Hot == nullptr);
    }

    void storedSlotsAreRegisteredInSlotOrder() {
        fakes->settings->groups["HKey"] = {{"Key1", "65"}, {"Modif1", "3"}, {"Key5", "83"}, {"Modif5", "8"},
                                           {"Key4", "120"}, {"Modif4", "-1"}};
        makeBar();
        // A negative set of bits is no modifier set either.
        QCOMPARE(keys->calls, (QStringList{"register 1139 3 65", "register 1140 8 83"}));
    }

    void theBarUnregistersAllFiveWhenItGoes() {
        storeAllSlots();
        makeBar();
        keys->calls.clear();
        bar.reset();
        QCOMPARE(keys->calls, (QStringList{"unregister 1135", "unregister 1136", "unregister 1134",
                                           "unregister 1139", "unregister 1140"}));
        QVERIFY(!keys->hasHandler());
    }

    void eachIdentifierRunsItsActionUnlessTheConverterIsOpen() {
        struct Case {
            int id;
            bool converterOpen;
            int converter, finder, calculator, screenSaver;
            bool toggled;  // the bar hidden
        };
        const Case cases[] = {
            {1135, false, 1, 0, 0, 0, false}, {1135, true, 0, 0, 0, 0, false},
            {1134, false, 0, 1, 0, 0, false}, {1134, true, 0, 1, 0, 0, false},
            {1136, false, 0, 0, 1, 0, false}, {1136, true, 0, 0, 1, 0, false},
            {1139, false, 0, 0, 0, 0, true},  {1139, true, 0, 0, 0, 0, false},
            {1140, false, 0, 0, 0, 1, false}, {1140, true, 0, 0, 0, 0, false},
            {1137, false, 0, 0, 0, 0, false}, {0, false, 0, 0, 0, 0, false},
        };
        for (const Case& c : cases) {
            const QString which = QString("id %1, converter %2").arg(c.id).arg(c.converterOpen ? "open" : "closed");
            // Fresh fakes for each case; the old ones go first, as they put back what they replaced.
            bar.reset();
            fakes.reset();
            fakes = std::make_unique<platform::FakeDesktop>();
            makeBar();
            bar->ConverterOpen = c.converterOpen;
            runHotKey(*bar, c.id);
            QVERIFY2(converterShown == c.converter, qPrintable(which));
            QVERIFY2(finderShown == c.finder, qPrintable(which));
            QVERIFY2(fakes->programs->started.count("calculator") == c.calculator, qPrintable(which));
            QVERIFY2(fakes->screenSaver->activations == c.screenSaver, qPrintable(which));
            QVERIFY2(bar->BarShown == !c.toggled, qPrintable(which));
            QVERIFY2(bar->ConverterOpen == c.converterOpen, qPrintable(which));
        }
    }

    void theConverterKeyInsideTheConverterDoesNothingButTheFinderOpens() {
        storeAllSlots();
        makeBar();
        bool finderOverConverter = false;
        insideConverter = [this] {
            QVERIFY(keys->press(1135));  // delivered, and ignored
            QVERIFY(keys->press(1139));
            QVERIFY(keys->press(1134));
        };
        insideFinder = [&] {
            finderOverConverter = bar->ConverterOpen;
            QVERIFY(keys->press(1134));  // the finder is open already
        };
        QVERIFY(keys->press(1135));
        QCOMPARE(converterShown, 1);
        QCOMPARE(finderShown, 1);
        QVERIFY(finderOverConverter);
        QVERIFY(bar->BarShown);
        // Both guards are down again: the next press opens the converter anew.
        QVERIFY(!bar->ConverterOpen && !bar->FinderOpen);
        QVERIFY(keys->press(1135));
        QCOMPARE(converterShown, 2);
    }

    void aFailingActionIsShownAndTheNextKeyStillWorks() {
        // The screen saver cannot start: the error goes to the error sink,
        // not out of the event loop.
        ShownErrors shown;
        storeAllSlots();
        makeBar();
        fakes->screenSaver->failure = "No screen saver";
        QVERIFY(keys->press(1140));
        QVERIFY(keys->press(1136));
        QCOMPARE(shown.messages, QStringList{"No screen saver"});
        QCOMPARE(fakes->programs->started, QStringList{"calculator"});
    }
};

QTEST_MAIN(HotKeyDispatchTest)
#include "HotKeyDispatchTest.moc"
