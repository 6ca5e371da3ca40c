// The launcher bar offscreen, with every desktop service faked: its controls and
// menu, the settings it reads and writes, docking, the toggles, the guards, the
// About window and the picture windows.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/AbForm.h"
#include "app/BarEntries.h"
#include "app/BarGlyphs.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "app/PictureWindow.h"
#include "app/TrayComp.h"
#include "core/AppInfo.h"
#include "core/Error.h"
#include "data/DM.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/ShownErrors.h"
#include "tools/calc/Unit9.h"
#include "tools/engineering/Cost.h"
#include "tools/engineering/Resist.h"
#include "tools/engineering/Color_h.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Unit2.h"
#include "tools/hexview/HexForm.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/Prim.h"
#include "tools/reference/Map_k.h"
#include "widgets/gif/GIFImage.h"
#include "parser/Parser10.h"
#include "widgets/plot/Sgr_data.h"

namespace {

// A GIF of one colour and the given size. Each pixel is sent as a clear code
// and a literal, so the codes stay 3 bits wide and no compression is needed.
QByteArray solidGif(int w, int h) {
    QByteArray out("GIF89a");
    auto word = [&](int v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    word(w);
    word(h);
    out.append(char(0x81)).append('\0').append('\0');  // global table of 4 colours
    out.append(QByteArray::fromHex("204080" "ffffff" "000000" "000000"));
    out.append(',');
    word(0), word(0), word(w), word(h);
    out.append('\0').append(char(2));  // no local table; minimum code size 2
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    auto emit3 = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            codes.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < w * h; ++i) {
        emit3(4);  // clear
        emit3(0);  // colour 0
    }
    emit3(5);  // end of information
    if (count > 0) codes.append(char(bits & 0xff));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        QByteArray block = codes.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

struct ExpectedButton {
    const char* name;
    int left, top;
    const char* hint;
};

const ExpectedButton kButtons[] = {
    {"SpeedButton2", 35, 4, "Measure units"},
    {"SpeedButton6", 63, 4, "Volume of tanks"},
    {"SpeedButton16", 91, 4, "Clothing size"},
    {"SpeedButton15", 118, 4, "Radio frequency to length wave"},
    {"SpeedButton19", 145, 4, "decibel"},
    {"SpeedButton17", 172, 4, "Arabic to Roman numbers"},
    {"SpeedButton18", 199, 4, "Date - Date"},
    {"SpeedButton7", 226, 4, "Geometric formulas"},
    {"SpeedButton13", 254, 4, "Chemical Element table"},
    {"SpeedButton20", 282, 4, "Approximate Herdness Conversion Numbers for Nonaustenitic Steels "},
    {"SpeedButton11", 35, 32, "Resistors, capacitors values and many other"},
    {"SpeedButton12", 63, 32, "Graph functions"},
    {"SpeedButton8", 91, 32, "RGB color"},
    {"SpeedButton9", 118, 32, "Reference tables"},
    {"SpeedButton21", 145, 32, "Hex View"},
    {"SpeedButton10", 172, 32, "View system fonts and character map"},
    {"SpeedButton3", 199, 32, "Calculator"},
    {"SpeedButton4", 226, 32, "About"},
    {"SpeedButton1", 282, 32, "exit"},
};

// The popup menu's top level: object name, caption ("-" for a separator), hint.
const char* const kMenu[][3] = {
    {"Hide1", "Hide", ""},
    {"Alwa1", "Always on Top", ""},
    {"RunScreensaver1", "Run Screen saver", ""},
    {"Sleep1", "Sleep", ""},
    {"N5", "-", ""},
    {"EEx1", "Windows Explorer", ""},
    {"N1", "-", ""},
    {"ArabictoRoman1", "Arabic to Roman", ""},
    {"Converter1", "Converter ", "Hot key Alt+F11"},
    {"Clothingsizes1", "Clothing sizes", ""},
    {"Drawinggraph1", "Drawing graph", ""},
    {"Datetodate1", "Date to date", ""},
    {"Decibel1", "Decibel", ""},
    {"Radiofrequencytolength1", "Radio frequency to Wavelength", ""},
    {"Matterfieldtime1", "Reference tables", ""},
    {"Referencehardnessnumberforsteel1", "Reference: hardness number for steel", ""},
    {"Resistorcapacitorsvaluesand1", "Resistor, capacitors values and ...", ""},
    {"Volumeoftanks1", "Volume of tanks", ""},
    {"geometricformulas1", "Geometric formulas", ""},
    {"RGBcolor1", "RGB color", ""},
    {"Charactercode1", "Character code and view fonts", ""},
    {"Miscellaneous1", "Miscellaneous", ""},
    {"N4", "-", ""},
    {"Calculator1", "Calculator ", "Calculator"},
    {"Findmeasure1", "Find measure ", ""},
    {"N3", "-", ""},
    {"Options1", "Options", ""},
    {"N2", "-", ""},
    {"Help1", "Help", ""},
    {"Exit1", "Exit", ""},
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::FakeDesktop> fakes;
    std::unique_ptr<TForm1> bar;

    QMap<QString, QString>& screenKey() { return fakes->settings->groups["Screen"]; }
    int screenWidth() { return bar->screenSize().width(); }
    // A new bar on the current settings, shown and activated as at start.
    void startBar() {
        bar = std::make_unique<TForm1>();
        bar->show();
        QTRY_VERIFY(bar->isVisible());
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        fakes = std::make_unique<platform::FakeDesktop>();
    }
    void cleanup() {
        bar.reset();
        fakes.reset();
    }

    void buttonsHaveTheirPlacesHintsAndGlyphs() {
        bar = std::make_unique<TForm1>();
        QCOMPARE(bar->size(), QSize(316, 67));
        QVERIFY(bar->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(bar->toolButtons().size(), 19);
        for (const ExpectedButton& e : kButtons) {
            auto* button = bar->Panel1->findChild<QToolButton*>(e.name);
            QVERIFY2(button, e.name);
            QCOMPARE(button->geometry(), QRect(e.left, e.top, 27, 27));
            QCOMPARE(button->toolTip(), QString::fromLatin1(e.hint));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!button->icon().isNull(), e.name);
        }
        // The place at (254, 32) stays empty.
        QCOMPARE(bar->Panel1->childAt(254 + 13, 32 + 13), nullptr);
        QCOMPARE(bar->GIFImage1->geometry(), QRect(4, 6, 29, 24));
        QCOMPARE(bar->GIFImage1->toolTip(),
                 QString("Click right key mouse to view PopUp menu or press left key mouse and move window"));
        QVERIFY(!bar->GIFImage1->loop());
        QCOMPARE(bar->Panel1->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // The entries the tools give the bar fit together: each opens something,
    // no name is taken twice, no button lies over another or the logo or off
    // the bar, and no two entries of a part of the menu share a rank.
    void toolEntriesFitOnTheBar() {
        bar = std::make_unique<TForm1>();
        QSet<QString> names;
        QList<QRect> taken{bar->GIFImage1->geometry()};
        QSet<QPair<int, int>> ranks;
        for (const kv::BarEntry& e : barEntries()) {
            const QString name = QString::fromLatin1(e.button.name ? e.button.name : e.menu.name);
            QVERIFY2(e.open, qPrintable(name));
            QVERIFY2(e.button.name || e.menu.name, "an entry with neither a button nor a menu entry");
            for (const char* control : {e.button.name, e.menu.name}) {
                if (!control) continue;
                QVERIFY2(!names.contains(control), control);
                names << control;
            }
            if (e.button.name) {
                const QRect place(e.button.left, e.button.top, 27, 27);
                QVERIFY2(bar->rect().contains(place), e.button.name);
                for (const QRect& other : taken) QVERIFY2(!other.intersects(place), e.button.name);
                taken << place;
                QVERIFY2(!barGlyph(e.button.glyph).isNull(), e.button.glyph);
            }
            if (e.menu.name) {
                const QPair<int, int> rank(int(e.menu.part), e.menu.rank);
                QVERIFY2(!ranks.contains(rank), e.menu.name);
                ranks << rank;
            }
        }
        QCOMPARE(taken.size() - 1, bar->toolButtons().size());
    }

    // Every tool's button and menu entry is there to use: none is left unavailable.
    void everyToolIsAvailable() {
        bar = std::make_unique<TForm1>();
        for (QToolButton* button : bar->toolButtons())
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
        int named = 0;
        for (QAction* entry : bar->PopupMenu1->findChildren<QAction*>()) {
            if (entry->objectName().isEmpty()) continue;
            ++named;
            QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
        }
        QVERIFY(named > 20);
    }

    void everyGlyphAndTrayFrameIsDrawn() {
        bar = std::make_unique<TForm1>();
        const QList<QToolButton*> buttons = bar->toolButtons();
        QCOMPARE(buttons.size(), 19);
        for (const QToolButton* button : buttons) {
            const QString name = button->objectName();
            QImage image = button->icon().pixmap(22, 22).toImage();
            QVERIFY2(!image.isNull(), qPrintable(name));
            int painted = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
            // Something recognisable, not a blank or a filled square.
            QVERIFY2(painted > 22 * 22 / 8 && painted < 22 * 22, qPrintable(name));
        }
        const QList<QIcon> frames = trayFrames();
        QVERIFY(frames.size() >= 4);
        for (qsizetype i = 1; i < frames.size(); ++i)
            QVERIFY(frames[i].pixmap(22, 22).toImage() != frames[0].pixmap(22, 22).toImage());
    }

    // Each glyph and frame is one icon for the whole run, drawn from the
    // vector picture at each size asked for, greyed where disabled.
    void glyphsAreMadeOnceAndDrawnAtEachSize() {
        bar = std::make_unique<TForm1>();
        QCOMPARE(barGlyph("converter").cacheKey(), bar->SpeedButton2->icon().cacheKey());
        QCOMPARE(trayFrames().value(0).cacheKey(), trayFrames().value(0).cacheKey());
        QCOMPARE(bar->ImageList1.value(1).cacheKey(), trayFrames().value(1).cacheKey());
        QVERIFY(barGlyph("no such glyph").isNull());

        const QIcon glyph = barGlyph("tanks");
        const QImage small = glyph.pixmap(22, 22).toImage();
        const QImage large = glyph.pixmap(44, 44).toImage();
        // Drawn at the size asked for, not the small one handed out again.
        QCOMPARE(large.size(), QSize(44, 44));
        const QImage disabled = glyph.pixmap(QSize(22, 22), QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(22, 22));
        QVERIFY(disabled != small);
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x)
                QCOMPARE(qAlpha(disabled.pixel(x, y)) > 0, qAlpha(small.pixel(x, y)) > 0);
    }

    // The hot-key window does not exist until it is first shown; then the
    // same window comes back with what was chosen in it.
    void hotKeyWindowIsMadeWhenFirstShownAndKeepsItsState() {
        platform::FakeHotKeys keys;
        bar = std::make_unique<TForm1>();
        QVERIFY(Hot == nullptr);
        auto cleanupHot = qScopeGuard([] {
            delete Hot;
            Hot = nullptr;
        });
        QList<THot*> seen;
        auto whileShown = [&](const std::function<void(THot*)>& inspect) {
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* hot = qobject_cast<THot*>(QApplication::activeModalWidget());
                if (!hot || !hot->isVisible()) return;
                poll.stop();
                seen << hot;
                inspect(hot);
                hot->close();
            });
            poll.start(5);
            QTimer::singleShot(5000, [] {
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            bar->Hotkey1->trigger();
        };
        auto noBar = qScopeGuard([this] { bar.reset(); });
        whileShown([](THot* hot) {
            QCOMPARE(hot->ComboBox3->count(), 89);
            hot->ComboBox3->setCurrentIndex(85);
            hot->CheckBox9->setChecked(true);
        });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(Hot, seen[0]);
        whileShown([](THot* hot) {
            QCOMPARE(hot->ComboBox3->currentIndex(), 85);
            QVERIFY(hot->CheckBox9->isChecked());
        });
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1], seen[0]);
    }

    // The primes window is made at its first opening from the menu; later
    // openings show the same window with the maximum typed in it.
    void primesWindowIsMadeOnceAndReused() {
        bar = std::make_unique<TForm1>();
        auto cleanup = qScopeGuard([this] {
            delete PrimeForm;
            PrimeForm = nullptr;
            bar.reset();
        });
        QVERIFY(PrimeForm == nullptr);
        QList<TPrimeForm*> seen;
        for (const QString& typed : {QStringLiteral("1000"), QStringLiteral("50")}) {
            QTimer::singleShot(50, [&] {
                auto* form = qobject_cast<TPrimeForm*>(QApplication::activeModalWidget());
                if (form) seen << form;
                if (form && seen.size() == 2) QCOMPARE(form->Edit1->text(), QStringLiteral("1000"));
                if (form) form->Edit1->setText(typed);
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            bar->Generateprimenumbers1->trigger();
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], PrimeForm);
        QCOMPARE(seen[1], seen[0]);
    }

    // The resistors window is made at its first opening; the button and the
    // menu entry show the same window, its band lists back at the first entry.
    void resistorsWindowOpensFromButtonAndMenu() {
        bar = std::make_unique<TForm1>();
        auto cleanup = qScopeGuard([this] {
            delete Form6;
            Form6 = nullptr;
            bar.reset();
        });
        QList<TForm6*> seen;
        const std::function<void()> openings[] = {[this] { bar->SpeedButton11->click(); },
                                                  [this] { bar->Resistorcapacitorsvaluesand1->trigger(); }};
        for (const auto& open : openings) {
            QTimer::singleShot(50, [&] {
                auto* form = qobject_cast<TForm6*>(QApplication::activeModalWidget());
                if (form) seen << form;
                if (form) QCOMPARE(form->ListBox3->currentRow(), 0);
                if (form) form->ListBox3->setCurrentRow(5);
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            open();
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], Form6);
        QCOMPARE(seen[1], seen[0]);
    }

    // The decibel window is made at its first opening, from its button; the
    // menu entry shows the same window with the values left in it.
    void decibelWindowIsMadeOnceAndReused() {
        bar = std::make_unique<TForm1>();
        auto cleanup = qScopeGuard([this] {
            delete DecForm;
            DecForm = nullptr;
            bar.reset();
        });
        QVERIFY(DecForm == nullptr);
        QList<TDecForm*> seen;
        QStringList found;
        for (auto* open : {static_cast<QObject*>(bar->SpeedButton19), static_cast<QObject*>(bar->Decibel1)}) {
            QTimer::singleShot(50, [&] {
                auto* form = qobject_cast<TDecForm*>(QApplication::activeModalWidget());
                if (form) {
                    seen << form;
                    found << form->MaskEdit1->text();
                    form->MaskEdit1->setText("20");
                }
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            if (auto* button = qobject_cast<QToolButton*>(open)) button->click();
            else qobject_cast<QAction*>(open)->trigger();
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], DecForm);
        QCOMPARE(seen[1], seen[0]);
        QCOMPARE(found, (QStringList{"0", "20"}));
    }

    // The fonts window opens from its button and its menu entry alike, made
    // once: the character picked the first time is still picked the second.
    void fontsWindowIsMadeOnceFromButtonAndMenu() {
        bar = std::make_unique<TForm1>();
        auto cleanup = qScopeGuard([this] {
            delete Map;
            Map = nullptr;
            bar.reset();
        });
        QList<TMap*> seen;
        for (const std::function<void()>& open : std::initializer_list<std::function<void()>>{
                 [this] { bar->SpeedButton10->click(); }, [this] { bar->Charactercode1->trigger(); }}) {
            QTimer::singleShot(50, [&] {
                auto* form = qobject_cast<TMap*>(QApplication::activeModalWidget());
                if (form) seen << form;
                if (form && seen.size() == 1) form->StringGrid1->setCurrentCell(1, 1);
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            open();
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1], Map);
        QCOMPARE(seen[0], seen[1]);
        QCOMPARE(Map->Label3->text(), QString("A"));
    }

    // The hex view is made at its first opening from its button and shown again
    // with the file it holds.
    void hexWindowIsMadeOnceAndReused() {
        bar = std::make_unique<TForm1>();
        auto cleanup = qScopeGuard([this] {
            delete HexForm;
            HexForm = nullptr;
            bar.reset();
        });
        QList<THexForm*> seen;
        for (int k = 0; k < 2; ++k) {
            QTimer::singleShot(50, [&] {
                if (auto* form = qobject_cast<THexForm*>(QApplication::activeModalWidget())) seen << form;
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            QTest::mouseClick(bar->SpeedButton21, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], HexForm);
        QCOMPARE(seen[1], seen[0]);
    }

    void popupMenuHasAllEntriesInOrder() {
        bar = std::make_unique<TForm1>();
        const QList<QAction*> actions = bar->PopupMenu1->actions();
        QCOMPARE(actions.size(), 30);
        for (int i = 0; i < 30; ++i) {
            QAction* a = actions[i];
            QCOMPARE(a->objectName(), QString::fromLatin1(kMenu[i][0]));
            if (QString::fromLatin1(kMenu[i][1]) == "-") {
                QVERIFY2(a->isSeparator(), kMenu[i][0]);
                continue;
            }
            QVERIFY2(!a->isSeparator(), kMenu[i][0]);
            QCOMPARE(a->text(), QString::fromLatin1(kMenu[i][1]));
            if (*kMenu[i][2]) QCOMPARE(a->toolTip(), QString::fromLatin1(kMenu[i][2]));
        }
        auto names = [](QMenu* m) {
            QStringList out;
            for (QAction* a : m->actions()) out << a->objectName() + "=" + a->text();
            return out;
        };
        QCOMPARE(actions[21]->menu(), bar->Miscellaneous1);
        QCOMPARE(names(bar->Miscellaneous1),
                 (QStringList{"Resis1=Specific resistance ", "Generateprimenumbers1=Generate prime numbers",
                              "Phisicalconstants1=Phisical constants"}));
        QCOMPARE(actions[26]->menu(), bar->Options1);
        QCOMPARE(names(bar->Options1), (QStringList{"Loadin1=Load in to Tray", "Hotkey1=Hot key screen",
                                                    "LoadwithWindows1=Load with Windows"}));
        for (QAction* a : {bar->Alwa1, bar->Loadin1, bar->LoadwithWindows1}) QVERIFY(a->isCheckable());
        QVERIFY(!bar->Hide1->isCheckable());
    }

    void firstRunStaysAtDesignPlace() {
        startBar();
        QTRY_COMPARE(bar->pos(), QPoint(173, 151));
        QCOMPARE(bar->size(), QSize(316, 67));
        QVERIFY(!bar->Vertical);
        QVERIFY(bar->BarShown);
        QVERIFY(fakes->settings->groups.isEmpty());  // nothing written by default
    }

    void savedPlaceIsRestoredAndDocksNearTheRightEdge_data() {
        QTest::addColumn<int>("fromRight");  // X_SC = screen width - fromRight
        QTest::addColumn<bool>("docked");
        QTest::newRow("201 from the edge docks") << 201 << true;
        QTest::newRow("202 from the edge stays") << 202 << false;
    }
    void savedPlaceIsRestoredAndDocksNearTheRightEdge() {
        QFETCH(int, fromRight);
        QFETCH(bool, docked);
        const int sw = QGuiApplication::primaryScreen()->geometry().width();
        screenKey()["X_SC"] = QString::number(sw - fromRight);
        screenKey()["Y_SC"] = "40";
        startBar();
        QTRY_COMPARE(bar->y(), 40);
        QCOMPARE(bar->Vertical, docked);
        if (docked) {
            QCOMPARE(bar->pos(), QPoint(sw - 67, 40));
            QCOMPARE(bar->size(), QSize(67, 316));
        } else {
            // Horizontal, and wholly on the screen.
            QCOMPARE(bar->pos(), QPoint(sw - 316, 40));
            QCOMPARE(bar->size(), QSize(316, 67));
        }
    }

    void missingOrNegativeValuesKeepTheCoordinate() {
        screenKey()["X_SC"] = "-1";
        screenKey()["Tray"] = "0";
        startBar();
        QTest::qWait(20);
        QCOMPARE(bar->pos(), QPoint(173, 151));
        QVERIFY(bar->BarShown);
    }

    void trayStartMinimises() {
        screenKey()["Tray"] = "1";
        startBar();
        QTRY_VERIFY(!bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Restore"));
        QVERIFY(bar->Loadin1->isChecked());
        QTRY_VERIFY(bar->isMinimized() || !bar->isVisible());
        // Restoring from the menu brings the bar back.
        bar->Hide1->trigger();
        QVERIFY(bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Hide"));
        QTRY_VERIFY(bar->isVisible() && !bar->isMinimized());
    }

    void returnFromAnotherWindowAppliesTheSettingsAgain() {
        startBar();
        QVERIFY(QTest::qWaitForWindowActive(bar.get()));
        QTRY_COMPARE(bar->pos(), QPoint(173, 151));
        screenKey()["X_SC"] = "300";
        screenKey()["Y_SC"] = "200";
        // A menu coming and going is no return to the bar.
        bar->PopupMenu1->popup(QPoint(180, 160));
        QTRY_VERIFY(bar->PopupMenu1->isVisible());
        bar->PopupMenu1->close();
        QTest::qWait(20);
        QCOMPARE(bar->pos(), QPoint(173, 151));
        // A tool window that closes is.
        {
            QWidget tool;
            tool.show();
            tool.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&tool));
            QCOMPARE(bar->pos(), QPoint(173, 151));
        }
        bar->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(bar.get()));
        QTRY_COMPARE(bar->pos(), QPoint(300, 200));
        // With "Tray" on, each return sends the bar to the tray again.
        screenKey()["Tray"] = "1";
        {
            QWidget tool;
            tool.show();
            tool.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&tool));
        }
        bar->activateWindow();
        QTRY_VERIFY(!bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Restore"));
    }

    void placeBarTransposesButtonsButNotTheLogo() {
        bar = std::make_unique<TForm1>();
        const int sw = screenWidth();
        const QRect logo = bar->GIFImage1->geometry();
        bar->PlaceBar(sw - 100, 10);
        QVERIFY(bar->Vertical);
        QCOMPARE(bar->pos(), QPoint(sw - 67, 10));
        QCOMPARE(bar->SpeedButton6->pos(), QPoint(4, 63));
        QCOMPARE(bar->SpeedButton1->pos(), QPoint(32, 282));
        QCOMPARE(bar->GIFImage1->geometry(), logo);
        QCOMPARE(bar->Panel1->size(), QSize(67, 316));
        // Far from the edge: horizontal again, in the top right corner.
        bar->PlaceBar(0, 200);
        QVERIFY(!bar->Vertical);
        QCOMPARE(bar->pos(), QPoint(sw - 316, 0));
        QCOMPARE(bar->SpeedButton6->pos(), QPoint(63, 4));
        QCOMPARE(bar->size(), QSize(316, 67));
        // Negative coordinates are put back on the screen.
        bar->PlaceBar(-5, -9);
        QCOMPARE(bar->pos(), QPoint(0, 0));
    }

    void rightClickSavesTheClampedPlace() {
        startBar();
        bar->move(20, -30);
        QTest::mouseClick(bar->Panel1, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(bar->pos(), QPoint(20, 0));
        QCOMPARE(screenKey().value("X_SC"), QString("20"));
        QCOMPARE(screenKey().value("Y_SC"), QString("0"));
        // Below the bottom edge: the bottom is put on the edge.
        const QSize screen = bar->screenSize();
        bar->move(30, screen.height() - 10);
        QTest::mouseClick(bar->Panel1, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(bar->pos(), QPoint(30, screen.height() - 67));
        QCOMPARE(screenKey().value("Y_SC"), QString::number(screen.height() - 67));
    }

    void rightClickOpensTheMenuOnReleaseAndChoosesNothing() {
        startBar();
        // Docked at the right edge the menu cannot open to the right of the
        // pointer and is pushed back over the bar.
        bar->PlaceBar(screenWidth() - 67, 100);
        QVERIFY(bar->Vertical);
        QSignalSpy hide(bar->Hide1, &QAction::triggered);
        // Through the window, as the window system delivers a click (the
        // context-menu event included).
        QWindow* window = bar->windowHandle();
        const QPoint onLogo = bar->GIFImage1->mapTo(bar.get(), QPoint(15, 15));
        QTest::mousePress(window, Qt::RightButton, {}, onLogo);
        QCoreApplication::processEvents();
        QVERIFY(!bar->PopupMenu1->isVisible());
        QTest::mouseRelease(window, Qt::RightButton, {}, onLogo);
        QTRY_VERIFY(bar->PopupMenu1->isVisible());
        QCOMPARE(hide.count(), 0);
        QVERIFY(bar->BarShown);
        QVERIFY(bar->isVisible());
        bar->PopupMenu1->close();
        // The menu key of the keyboard opens it at once.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(2, 2), bar->Panel1->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(bar->Panel1, &key);
        QTRY_VERIFY(bar->PopupMenu1->isVisible());
        bar->PopupMenu1->close();
    }

    void dragFollowsTheMouseAndDocksOnRelease() {
        startBar();
        QTRY_COMPARE(bar->pos(), QPoint(173, 151));
        const int sw = screenWidth();
        // Offscreen has no window manager to move the window: the bar follows
        // the mouse itself.
        QTest::mousePress(bar->GIFImage1, Qt::LeftButton, {}, QPoint(5, 5));
        QPoint target(sw - 150, 60);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), QPointF(target + QPoint(9, 11)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar->GIFImage1, &move);
        QCOMPARE(bar->pos(), target);
        QVERIFY(!bar->Vertical);  // nothing docks while dragging
        QTest::mouseRelease(bar->GIFImage1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(bar->Vertical);
        QCOMPARE(bar->pos(), QPoint(sw - 67, 60));
        QCOMPARE(screenKey().value("X_SC"), QString::number(sw - 67));
        QCOMPARE(screenKey().value("Y_SC"), QString("60"));
        // Dragged back to the left: horizontal where it was dropped.
        QTest::mousePress(bar->Panel1, Qt::LeftButton, {}, QPoint(1, 1));
        QMouseEvent back(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), QPointF(101, 201), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar->Panel1, &back);
        QTest::mouseRelease(bar->Panel1, Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(!bar->Vertical);
        QCOMPARE(bar->pos(), QPoint(100, 200));
        QCOMPARE(bar->size(), QSize(316, 67));
        QCOMPARE(bar->SpeedButton6->pos(), QPoint(63, 4));
    }

    void unreadableSettingsAreSilent() {
        fakes->settings->unavailable = true;
        startBar();
        QTest::mouseClick(bar->Panel1, Qt::RightButton, {}, QPoint(2, 2));
        bar->Loadin1->trigger();
        QVERIFY(!bar->Loadin1->isChecked());
        QTRY_COMPARE(bar->pos(), QPoint(173, 151));
    }

    void alwaysOnTopToggles() {
        startBar();
        bar->Alwa1->trigger();
        QVERIFY(bar->OnTop);
        QVERIFY(bar->Alwa1->isChecked());
        QVERIFY(bar->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->pos(), QPoint(173, 151));
        bar->Alwa1->trigger();
        QVERIFY(!bar->OnTop);
        QVERIFY(!bar->Alwa1->isChecked());
        QVERIFY(!(bar->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(bar->isVisible());
    }

    void loadInToTrayWritesTheSettingOnly() {
        startBar();
        bar->Loadin1->trigger();
        QCOMPARE(screenKey().value("Tray"), QString("1"));
        QVERIFY(bar->Loadin1->isChecked());
        QVERIFY(bar->BarShown);  // takes effect at the next activation
        QVERIFY(bar->isVisible());
        bar->Loadin1->trigger();
        QCOMPARE(screenKey().value("Tray"), QString("0"));
        QVERIFY(!bar->Loadin1->isChecked());
        // A write that fails leaves the mark as it was.
        fakes->settings->writesFail = true;
        bar->Loadin1->trigger();
        QCOMPARE(screenKey().value("Tray"), QString("0"));
        QVERIFY(!bar->Loadin1->isChecked());
    }

    void loadWithWindowsTogglesAutostart() {
        fakes->autostart->programPath = "/opt/old/Kvantor2";
        bar = std::make_unique<TForm1>();
        QVERIFY(bar->LoadwithWindows1->isChecked());  // read at creation
        bar->LoadwithWindows1->trigger();
        QVERIFY(!fakes->autostart->isEnabled());
        QVERIFY(!bar->LoadwithWindows1->isChecked());
        bar->LoadwithWindows1->trigger();
        QCOMPARE(fakes->autostart->programPath, QCoreApplication::applicationFilePath());
        QVERIFY(bar->LoadwithWindows1->isChecked());
        // Without the right to change it, nothing changes.
        fakes->autostart->refuses = true;
        bar->LoadwithWindows1->trigger();
        QVERIFY(fakes->autostart->isEnabled());
        QVERIFY(bar->LoadwithWindows1->isChecked());
    }

    void converterAndFinderOpenOnce() {
        bar = std::make_unique<TForm1>();
        int converterShown = 0;
        bar->showConverterWindow = [&] {
            ++converterShown;
            QVERIFY(bar->ConverterOpen);
            // The hot key and the menu arrive while the window is open.
            bar->SpeedButton2Click();
            bar->Converter1->trigger();
        };
        bar->SpeedButton2->click();
        QCOMPARE(converterShown, 1);
        QVERIFY(!bar->ConverterOpen);
        bar->Converter1->trigger();
        QCOMPARE(converterShown, 2);

        int finderShown = 0;
        bar->showFinderWindow = [&] {
            ++finderShown;
            bar->Findmeasure1->trigger();
            throw kv::Error("finder failed");
        };
        ShownErrors errors;
        bar->Findmeasure1->trigger();
        QCOMPARE(finderShown, 1);
        QCOMPARE(errors.messages, QStringList{"finder failed"});
        // A window that failed does not keep the guard closed.
        QVERIFY(!bar->FinderOpen);
        bar->Findmeasure1->trigger();
        QCOMPARE(finderShown, 2);
    }

    void otherProgramsAndSystemActions() {
        bar = std::make_unique<TForm1>();
        bar->SpeedButton3->click();
        bar->Calculator1->trigger();
        bar->EEx1->trigger();
        QCOMPARE(fakes->programs->started, (QStringList{"calculator", "calculator", "file manager"}));
        bar->RunScreensaver1->trigger();
        QCOMPARE(fakes->screenSaver->activations, 1);
        bar->Sleep1->trigger();
        QCOMPARE(fakes->sleep->suspends, 1);
        bar->Help1->trigger();
        QCOMPARE(fakes->help->contexts, QList<int>{10});
        // F1 on the bar asks for the same page.
        bar->show();
        QVERIFY(QTest::qWaitForWindowActive(bar.get()));
        QTest::keyClick(bar.get(), Qt::Key_F1);
        QCOMPARE(fakes->help->contexts, (QList<int>{10, 10}));

        // A missing calculator is said, not passed over.
        ShownErrors errors;
        fakes->programs->failure = "No calculator is installed (looked for gnome-calculator, kcalc)";
        bar->SpeedButton3->click();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages[0].contains("gnome-calculator"));
    }

    void hideAndRestoreToggleTheCaption() {
        startBar();
        bar->Hide1->trigger();
        QVERIFY(!bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Restore"));
        QTRY_VERIFY(bar->isMinimized() || !bar->isVisible());
        bar->Hide1->trigger();
        QVERIFY(bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Hide"));
        QTRY_VERIFY(bar->isVisible() && !bar->isMinimized());
    }

    void trayEventsDriveTheAnimationAndTheCaption() {
        startBar();
        QCOMPARE(bar->TrayComp1->Hint(), QString("Veltrano"));
        QCOMPARE(bar->TrayComp1->PopupMenu(), bar->PopupMenu1);
        QCOMPARE(bar->TrayComp1->RestoreOn(), arLeftDblClick);
        QCOMPARE(bar->TrayComp1->PopupMenuOn(), arRightClick);
        QCOMPARE(bar->TrayComp1->GetInterval(), 200);
        QCOMPARE(bar->TrayComp1->Icons().size(), bar->ImageList1.size());
        QVERIFY(!bar->TrayComp1->GetAnimate());  // still until the first restore
        bar->Hide1->trigger();
        bar->TrayComp1->SetIconIndex(3);
        // A restore from the tray, not from the menu.
        bar->TrayComp1->Restore();
        QVERIFY(bar->BarShown);
        QCOMPARE(bar->Hide1->text(), QString("Hide"));
        QVERIFY(bar->TrayComp1->GetAnimate());
        bar->TrayComp1->Minimize();
        QVERIFY(!bar->TrayComp1->GetAnimate());
        QCOMPARE(bar->TrayComp1->IconIndex(), 0);
    }

    // A later start of the program asks the running one to come forward; a
    // tool window open over the bar comes forward with it.
    void comingForwardBringsTheOpenToolWindow() {
        startBar();
        QDialog tool(bar.get());
        tool.setWindowModality(Qt::WindowModal);  // blocks the bar only, so another window can take the focus
        tool.show();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        bar->comeForward();
        QTRY_COMPARE(QApplication::activeWindow(), &tool);
        QVERIFY(bar->BarShown);
    }

    // A launcher is pointed at from other programs: its hints show while
    // another window is active.
    void hintsShowWhileAnotherWindowIsActive() {
        startBar();
        QWidget other;
        other.move(600, 400);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!bar->isActiveWindow());
        QTest::mouseMove(bar->SpeedButton2, QPoint(10, 10));
        QTest::mouseMove(bar->SpeedButton2, QPoint(12, 12));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Measure units"));
        QToolTip::hideText();
    }

    void exitClosesTheBar() {
        startBar();
        bar->Exit1->trigger();
        QVERIFY(!bar->isVisible());
    }

    void aboutWindowNamesProductMakerAndVersion() {
        TAbForm about;
        QCOMPARE(about.windowTitle(), QString("About"));
        QCOMPARE(about.size(), QSize(310, 132));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.pos(), QPoint(4, 109));
        QCOMPARE(about.BitBtn1->text(), QString("Ok"));
        QCOMPARE(about.BitBtn1->geometry(), QRect(242, 104, 65, 25));
        QCOMPARE(about.BitBtn1->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!about.BitBtn1->icon().isNull());
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        const QString all = texts.join('\n');
        QVERIFY(all.contains("Kvantor2"));
        QVERIFY(all.contains("Tessmark Ltd."));
        QVERIFY(!kv::appVersion().isEmpty());
        QVERIFY(all.contains(kv::appVersion()));
        about.show();
        QVERIFY(about.isVisible());
        QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    // An empty size stands for a picture larger than the screen.
    void pictureWindowsAreSizedFromThePicture_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("window");
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QTest::newRow("clothing, short") << "Shoes.gif" << QSize(120, 50) << QSize(150, 400);
        QTest::newRow("clothing, tall scrolls") << "Shoes.gif" << QSize(60, 700) << QSize(90, 400);
        QTest::newRow("geometry") << "geometr.gif" << QSize(120, 50) << QSize(135, 80);
        QTest::newRow("resistance") << "t_res.gif" << QSize(120, 50) << QSize(130, 85);
        QTest::newRow("geometry, taller than the screen") << "geometr.gif" << QSize(300, screen.height() + 200)
                                                          << QSize();
        QTest::newRow("geometry, larger than the screen") << "geometr.gif" << screen + QSize(25, 202) << QSize();
    }
    void pictureWindowsAreSizedFromThePicture() {
        QFETCH(QString, file);
        QFETCH(QSize, picture);
        QFETCH(QSize, window);
        QTemporaryDir dir;
        QFile out(dir.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(solidGif(picture.width(), picture.height()));
        out.close();
        TPictureWindow w(file, nullptr, dir.path() + "/");
        QCOMPARE(w.GIFImage1->pictureSize(), picture);
        QCOMPARE(w.GIFImage1->size(), picture);
        QCOMPARE(w.GIFImage1->y(), 1);
        if (window.isValid()) QCOMPARE(w.size(), window);
        QCOMPARE(w.y(), 5);
        w.show();
        QTRY_VERIFY(w.isVisible());
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(w.frameGeometry()));
        // Every part of the picture can be scrolled into view, across and down,
        // and a scroll bar shows only where the window is smaller.
        QScrollBar* across = w.ScrollBox->horizontalScrollBar();
        QScrollBar* down = w.ScrollBox->verticalScrollBar();
        const QSize page(picture.width(), picture.height() + 1);
        auto view = [&] { return w.ScrollBox->viewport()->size(); };
        auto reach = [&] { return view() + QSize(across->maximum(), down->maximum()); };
        QTRY_COMPARE(reach(), page.expandedTo(view()));
        QTRY_COMPARE(across->isVisible(), page.width() > view().width());
        QTRY_COMPARE(down->isVisible(), page.height() > view().height());
        QCOMPARE(reach(), page.expandedTo(view()));
    }

    void missingPictureShowsTheErrorAndNoWindow() {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(kv::Error, TPictureWindow("geometr.gif", nullptr, dir.path() + "/"));
        QFile bad(dir.filePath("t_res.gif"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("GIF89a but not really a picture");
        bad.close();
        QVERIFY_THROWS_EXCEPTION(kv::Error, TPictureWindow("t_res.gif", nullptr, dir.path() + "/"));

        // From the bar: the test program's folder holds no pictures.
        if (QFile::exists(QCoreApplication::applicationDirPath() + "/Shoes.gif")) QSKIP("pictures beside the test");
        bar = std::make_unique<TForm1>();
        ShownErrors errors;
        bar->SpeedButton16->click();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages[0].contains("Shoes.gif"));
        QCOMPARE(bar->findChildren<TPictureWindow*>().size(), 0);
    }

    // The windows made for each opening: fresh each time, and gone when they close.
    void newWindowsOpenFreshFromButtonAndMenu_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::newRow("graph") << "SpeedButton12" << "Drawinggraph1";
        QTest::newRow("dates") << "SpeedButton18" << "Datetodate1";
        QTest::newRow("tanks") << "SpeedButton6" << "Volumeoftanks1";
        QTest::newRow("radio") << "SpeedButton15" << "Radiofrequencytolength1";
        QTest::newRow("rgb") << "SpeedButton8" << "RGBcolor1";
    }
    void newWindowsOpenFreshFromButtonAndMenu() {
        QFETCH(QString, button);
        QFETCH(QString, entry);
        startBar();
        // The tank window lists its units from the data module.
        auto data = std::make_unique<TDM>(qEnvironmentVariable("KV_BIN_DIR") + "/", nullptr);
        DM = data.get();
        auto noData = qScopeGuard([] { DM = nullptr; });
        // What a fresh window shows, per kind.
        const auto fresh = [](QWidget* w) {
            if (auto* graph = qobject_cast<TForm9*>(w)) return graph->sp_XYLine1->Count() == 0 && graph->Pars1->A == 0.0;
            if (auto* dates = qobject_cast<TFormDate*>(w)) return dates->Label8->text().isEmpty();
            if (auto* tanks = qobject_cast<TVolForm*>(w))
                return tanks->Edit5->text().isEmpty() && tanks->ComboBox1->count() > 0;
            if (auto* radio = qobject_cast<TForm2*>(w)) {
                const bool zero = radio->MaskEdit1->text() == "0" && radio->MaskEdit3->text() == "0";
                radio->MaskEdit1->setText("50");  // a window made again would not show this
                return zero;
            }
            if (auto* rgb = qobject_cast<TForm4*>(w)) {
                const bool black = rgb->Label5->text() == "000000";
                rgb->MaskEdit1->setText("255");
                return black;
            }
            return false;
        };
        for (QAction* menuEntry : {static_cast<QAction*>(nullptr), bar->PopupMenu1->findChild<QAction*>(entry)}) {
            int seen = 0;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                QWidget* window = QApplication::activeModalWidget();
                if (!window || window == bar.get() || !window->isVisible()) return;
                poll.stop();
                seen += fresh(window);
                window->close();
            });
            poll.start(5);
            QTimer::singleShot(5000, [] {
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            if (menuEntry) {
                menuEntry->trigger();
            } else {
                bar->findChild<QToolButton*>(button)->click();
            }
            QCOMPARE(seen, 1);
            QCOMPARE(bar->findChildren<TForm9*>().size() + bar->findChildren<TFormDate*>().size() +
                         bar->findChildren<TVolForm*>().size() + bar->findChildren<TForm2*>().size() +
                         bar->findChildren<TForm4*>().size(),
                     0);
        }
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
