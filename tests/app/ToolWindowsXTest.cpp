// Every window on a private X server, as the window system sees it: its
// title exactly its own caption, the program's window class, and F1 opening
// the window's own help page, whatever control has the focus.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/AbForm.h"
#include "app/Form1.h"
#include "app/Hot.h"
#include "core/AppInfo.h"
#include "widgets/guard/GuardedApplication.h"
#include "data/DM.h"
#include "platform/HelpPages.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeHotKeys.h"
#include "tests/support/WindowWorld.h"
#include "tests/support/ShownErrors.h"
#include "tools/calc/Unit9.h"
#include "tools/convert/Find.h"
#include "tools/convert/Meas.h"
#include "tools/engineering/Color_h.h"
#include "tools/engineering/Cost.h"
#include "tools/engineering/Decib.h"
#include "tools/engineering/Resist.h"
#include "tools/engineering/Unit2.h"
#include "tools/hexview/HexForm.h"
#include "tools/numbers/Ar_rom.h"
#include "tools/numbers/FormDate.h"
#include "tools/numbers/Prim.h"
#include "tools/reference/Map_k.h"
#include "tools/reference/Phis.h"
#include "tools/reference/RefTablesForm.h"
#include "tools/reference/Steel.h"
#include "tools/reference/Tabl.h"

namespace {

TMeasForm* converterOnItsFirstCategory() {
    auto* converter = new TMeasForm;
    converter->ListBox1->setCurrentRow(0);
    converter->ListBox1Click();
    return converter;
}

// Each window as the program makes it, its caption, and the help page F1
// opens in it.
struct Window {
    const char* name;
    std::function<QWidget*()> make;
    QString caption;
    QString help;
};
const Window kWindows[] = {
    {"bar", [] { return new TForm1; }, "Veltrano Prof.", "10.html"},
    {"hot keys", [] { return new THot; }, "Configuration", "30.html"},
    {"About", [] { return new TAbForm; }, "About", "about.html"},
    {"converter", converterOnItsFirstCategory, "Part: Acceleration", "100.html"},
    {"finder", [] { return new TFindForm; }, "Find ", "40.html#finding"},
    {"graph", [] { return new TForm9; }, "Graph and  calculator", "150.html"},
    {"constants", [] { return new TPhisForm(nullptr, DM); }, "PhisForm", "constants.html"},
    {"reference tables", [] { return new TForm5(nullptr, DM); }, "Reference tables", "10.html#reference-tables"},
    {"numerals", [] { return new TForm3; }, "converter arabic to roman numeral", "40.html#numerals"},
    {"dates", [] { return new TFormDate; }, "Date-Date= Years, Mouths, Days, Hours", "dates.html"},
    {"tanks", [] { return new TVolForm; }, "Volume", "10.html#tanks"},
    {"primes", [] { return new TPrimeForm; }, "Generate prime numbers", "primes.html"},
    {"steel hardness", [] { return new TSteelForm(nullptr, DM); }, "Reference: hardness number for steel", "steel-hardness.html"},
    {"resistors", [] { return new TForm6; }, "Resistors,capicitors values, Ohm's Law", "140.html"},
    {"radio", [] { return new TForm2; }, "Radio frequency to Wavelength", "radio.html"},
    {"decibel", [] { return new TDecForm; }, "Decibel", "decibel.html"},
    {"rgb", [] { return new TForm4; }, "RGB color", "rgb.html"},
    {"periodic table", [] { return new TTableForm(nullptr, qEnvironmentVariable("KV_BIN_DIR") + "/"); },
     "Chemical elements table", "elements.html"},
    {"fonts and character codes", [] { return new TMap; }, "Character code and viewer fonts", "10.html#charmap"},
    {"hex view", [] { return new THexForm; }, "Hex View", "hexview.html"},
};

// A property of a window as the X server holds it.
QString xProperty(const QWidget* window, const char* name) {
    QProcess xprop;
    // The window handle's id: a change of flags can give the window a new one.
    xprop.start("xprop", {"-id", QString::number(window->windowHandle()->winId()), "-notype", name});
    if (!xprop.waitForFinished(10000)) return "xprop did not answer";
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    return line.mid(line.indexOf(" = ") + 3);
}

}  // namespace

class ToolWindowsXTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::WindowWorld> world;

private slots:
    void initTestCase() {
        kv::GuardedApplication::nameTheProgram();
        world = std::make_unique<testsupport::WindowWorld>();
        QCOMPARE(world->setUp(), QString());
    }
    void cleanupTestCase() { world.reset(); }

    void eachWindow_data() {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(kWindows)); ++i) QTest::newRow(kWindows[i].name) << i;
    }
    void eachWindow() {
        QFETCH(int, window);
        const Window& w = kWindows[window];
        ShownErrors errors;
        std::unique_ptr<QWidget> shown(w.make());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QCOMPARE(errors.messages, QStringList());

        // The title the window manager shows is the caption, nothing added.
        QCOMPARE(shown->windowTitle(), w.caption);
        QTRY_COMPARE(xProperty(shown.get(), "_NET_WM_NAME"), '"' + w.caption + '"');
        QTRY_COMPARE(xProperty(shown.get(), "WM_CLASS").section(", ", 1), '"' + kv::kProductName + '"');

        // The page is there, with the section F1 leads to.
        const QString page = w.help.section('#', 0, 0), section = w.help.section('#', 1);
        QFile file(qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/help/" + page);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        if (!section.isEmpty())
            QVERIFY2(QString::fromUtf8(file.readAll()).contains(QRegularExpression("(id|name)=\"" + section + '"')),
                     qPrintable(w.help));

        // F1 from the control that has the focus, or the window itself.
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        world->fakes->help->contexts.clear();
        world->fakes->help->pages.clear();
        QWidget* focus = shown->focusWidget() ? shown->focusWidget() : shown.get();
        QTest::keyClick(focus, Qt::Key_F1);
        QStringList asked = world->fakes->help->pages;
        for (int context : world->fakes->help->contexts) asked << platform::helpPageName(context);
        QCOMPARE(asked, QStringList{w.help});
        QCOMPARE(errors.messages, QStringList());
    }

    // Every copy button the same way: the whole box selected, its text on the
    // clipboard and in the primary selection, so Ctrl+V and a middle click
    // paste the same.
    void copyButtonsFillTheClipboardAndTheSelection() {
        ShownErrors errors;
        TForm2 radio;
        TForm3 numerals;
        TVolForm tanks;
        TForm9 graph;
        TPhisForm constants(nullptr, DM);
        TForm5 topics(nullptr, DM);
        std::unique_ptr<TMeasForm> converter(converterOnItsFirstCategory());
        const std::pair<QAbstractButton*, QLineEdit*> rows[] = {
            {radio.SpeedButton2, radio.MaskEdit1},   {radio.SpeedButton4, radio.MaskEdit3},
            {numerals.SpeedButton1, numerals.Edit2}, {tanks.SpeedButton1, tanks.Edit5},
            {graph.SpeedButton5, graph.Edit6},       {constants.BitBtn2, constants.Edit1},
            {topics.SpeedButton5, topics.RichEdit1}, {converter->SpeedButton1, converter->MaskEdit2}};
        QClipboard* clipboard = QGuiApplication::clipboard();
        QVERIFY(clipboard->supportsSelection());
        for (const auto& [button, box] : rows) {
            const QString text = button->objectName() + " of " + button->window()->objectName();
            box->setText(text);
            clipboard->setText("before", QClipboard::Clipboard);
            clipboard->setText("before", QClipboard::Selection);
            button->click();
            QCOMPARE(clipboard->text(QClipboard::Clipboard), text);
            QCOMPARE(clipboard->text(QClipboard::Selection), text);
            QCOMPARE(box->selectedText(), text);
        }
        QCOMPARE(errors.messages, QStringList());
    }
};

QTEST_MAIN(ToolWindowsXTest)
#include "ToolWindowsXTest.moc"
