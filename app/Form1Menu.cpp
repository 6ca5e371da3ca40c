// The bar's popup menu: the panel's right click and the tray icon's.
#include <QMenu>

#include "app/Form1.h"

namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption, const QString& hint = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    return action;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* submenu(QMenu* menu, const char* name, const QString& caption) {
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

}  // namespace

void TForm1::createMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setToolTipsVisible(true);
    QMenu* m = PopupMenu1;

    // Trailing blanks in some captions are the program's own; kept as they are.
    Hide1 = entry(m, "Hide1", QStringLiteral("Hide"));
    Alwa1 = entry(m, "Alwa1", QStringLiteral("Always on Top"));
    Alwa1->setCheckable(true);
    RunScreensaver1 = entry(m, "RunScreensaver1", QStringLiteral("Run Screen saver"));
    Sleep1 = entry(m, "Sleep1", QStringLiteral("Sleep"));
    N5 = separator(m, "N5");
    EEx1 = entry(m, "EEx1", QStringLiteral("Windows Explorer"));
    N1 = separator(m, "N1");
    ArabictoRoman1 = entry(m, "ArabictoRoman1", QStringLiteral("Arabic to Roman"));
    Converter1 = entry(m, "Converter1", QStringLiteral("Converter "), QStringLiteral("Hot key Alt+F11"));
    Clothingsizes1 = entry(m, "Clothingsizes1", QStringLiteral("Clothing sizes"));
    Drawinggraph1 = entry(m, "Drawinggraph1", QStringLiteral("Drawing graph"));
    Datetodate1 = entry(m, "Datetodate1", QStringLiteral("Date to date"));
    Decibel1 = entry(m, "Decibel1", QStringLiteral("Decibel"));
    Radiofrequencytolength1 =
        entry(m, "Radiofrequencytolength1", QStringLiteral("Radio frequency to Wavelength"));
    Matterfieldtime1 = entry(m, "Matterfieldtime1", QStringLiteral("Reference tables"));
    Referencehardnessnumberforsteel1 = entry(m, "Referencehardnessnumberforsteel1",
                                             QStringLiteral("Reference: hardness number for steel"));
    Resistorcapacitorsvaluesand1 =
        entry(m, "Resistorcapacitorsvaluesand1", QStringLiteral("Resistor, capacitors values and ..."));
    Volumeoftanks1 = entry(m, "Volumeoftanks1", QStringLiteral("Volume of tanks"));
    geometricformulas1 = entry(m, "geometricformulas1", QStringLiteral("Geometric formulas"));
    RGBcolor1 = entry(m, "RGBcolor1", QStringLiteral("RGB color"));
    Charactercode1 = entry(m, "Charactercode1", QStringLiteral("Character code and view fonts"));

    Miscellaneous1 = submenu(m, "Miscellaneous1", QStringLiteral("Miscellaneous"));
    Resis1 = entry(Miscellaneous1, "Resis1", QStringLiteral("Specific resistance "));
    Generateprimenumbers1 = entry(Miscellaneous1, "Generateprimenumbers1", QStringLiteral("Generate prime numbers"));
    Phisicalconstants1 = entry(Miscellaneous1, "Phisicalconstants1", QStringLiteral("Phisical constants"));

    N4 = separator(m, "N4");
    Calculator1 = entry(m, "Calculator1", QStringLiteral("Calculator "), QStringLiteral("Calculator"));
    Findmeasure1 = entry(m, "Findmeasure1", QStringLiteral("Find measure "));
    N3 = separator(m, "N3");

    Options1 = submenu(m, "Options1", QStringLiteral("Options"));
    Loadin1 = entry(Options1, "Loadin1", QStringLiteral("Load in to Tray"));
    Loadin1->setCheckable(true);
    Hotkey1 = entry(Options1, "Hotkey1", QStringLiteral("Hot key screen"));
    LoadwithWindows1 = entry(Options1, "LoadwithWindows1", QStringLiteral("Load with Windows"));
    LoadwithWindows1->setCheckable(true);

    N2 = separator(m, "N2");
    Help1 = entry(m, "Help1", QStringLiteral("Help"));
    Exit1 = entry(m, "Exit1", QStringLiteral("Exit"));
}
