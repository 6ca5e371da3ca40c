// The bar's popup menu: the panel's right click and the tray icon's.
#include <QMenu>
#include <algorithm>
#include <vector>

#include "app/BarEntries.h"
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

// The entries of one part of the menu, in the order of their ranks.
void addMenuPart(QMenu* menu, kv::BarMenuPart part) {
    std::vector<const kv::BarMenuEntry*> entries;
    for (const kv::BarEntry& e : barEntries())
        if (e.menu.name && e.menu.part == part) entries.push_back(&e.menu);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const kv::BarMenuEntry* a, const kv::BarMenuEntry* b) { return a->rank < b->rank; });
    for (const kv::BarMenuEntry* e : entries)
        entry(menu, e->name, QString::fromUtf8(e->caption), QString::fromUtf8(e->hint));
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
    addMenuPart(m, kv::BarMenuPart::Tools);
    Miscellaneous1 = submenu(m, "Miscellaneous1", QStringLiteral("Miscellaneous"));
    addMenuPart(Miscellaneous1, kv::BarMenuPart::Miscellaneous);
    N4 = separator(m, "N4");
    addMenuPart(m, kv::BarMenuPart::Programs);
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
    bindMenuEntries();
}

void TForm1::bindMenuEntries() {
    auto bind = [this](QAction*& member, const char* name) {
        member = PopupMenu1->findChild<QAction*>(QString::fromLatin1(name));
    };
    bind(ArabictoRoman1, "ArabictoRoman1");
    bind(Converter1, "Converter1");
    bind(Clothingsizes1, "Clothingsizes1");
    bind(Drawinggraph1, "Drawinggraph1");
    bind(Datetodate1, "Datetodate1");
    bind(Decibel1, "Decibel1");
    bind(Radiofrequencytolength1, "Radiofrequencytolength1");
    bind(Matterfieldtime1, "Matterfieldtime1");
    bind(Referencehardnessnumberforsteel1, "Referencehardnessnumberforsteel1");
    bind(Resistorcapacitorsvaluesand1, "Resistorcapacitorsvaluesand1");
    bind(Volumeoftanks1, "Volumeoftanks1");
    bind(geometricformulas1, "geometricformulas1");
    bind(RGBcolor1, "RGBcolor1");
    bind(Charactercode1, "Charactercode1");
    bind(Resis1, "Resis1");
    bind(Generateprimenumbers1, "Generateprimenumbers1");
    bind(Phisicalconstants1, "Phisicalconstants1");
    bind(Calculator1, "Calculator1");
    bind(Findmeasure1, "Findmeasure1");
}
