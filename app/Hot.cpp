#include "app/Hot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "app/Form1.h"
#include "app/Short_c.h"
#include "core/AppInfo.h"
#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "widgets/guard/MessageBox.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "platform/HotKeys.h"
#include "platform/KeyTable.h"
#include "platform/ProgramDir.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/ToolDialog.h"
#include "widgets/forms/ReadableColours.h"

THot* Hot = nullptr;

namespace {

const QString kGroup = QStringLiteral("HKey");

QString valueName(const char* stem, int slot) {
    return QLatin1String(stem) + QString::number(slot);
}

const HotKeySlot* slotOfId(int id) {
    for (const HotKeySlot& s : kHotKeySlots)
        if (s.id == id) return &s;
    return nullptr;
}

}  // namespace

// --- The hot keys of the bar ----------------------------------------------------

void registerStoredHotKeys() {
    auto key = platform::desktop().settings->openKey(kGroup, false);
    if (!key) return;
    platform::HotKeys& keys = platform::hotKeys();
    for (const HotKeySlot& s : kHotKeySlots) {
        const int code = key->readInt(valueName("Key", s.number)).value_or(0);
        const int modifiers = key->readInt(valueName("Modif", s.number)).value_or(0);
        // A key saved without modifiers works only until the program ends:
        // at start it would take that key from every other program.
        if (code > 0 && modifiers > 0) keys.registerKey(s.id, modifiers, code);
    }
}

void unregisterHotKeys() {
    platform::HotKeys& keys = platform::hotKeys();
    for (int id : {1135, 1136, 1134, 1139, 1140}) keys.unregisterKey(id);
}

void runHotKey(TForm1& bar, int id) {
    const HotKeySlot* slot = slotOfId(id);
    if (!slot) return;
    // The converter's modal loop takes hot keys too: only the finder and the
    // calculator may start over it.
    if (slot->ignoredWhileConverterOpen && bar.ConverterOpen) return;
    switch (slot->number) {
    case 1: bar.Hide1Click(); break;
    case 2: bar.Findmeasure1Click(); break;
    case 3: bar.SpeedButton2Click(); break;
    case 4: bar.Calculator1Click(); break;
    case 5: bar.RunScreensaver1Click(); break;
    default: break;
    }
}

void installHotKeys(TForm1* bar) {
    platform::HotKeys& keys = platform::hotKeys();
    keys.setHandler(kv::guard([bar](int id) { runHotKey(*bar, id); }));
    for (const HotKeySlot& s : kHotKeySlots) keys.setDescription(s.id, QString::fromLatin1(s.description));
    registerStoredHotKeys();
}

void removeHotKeys() {
    unregisterHotKeys();
    platform::hotKeys().setHandler({});
}

// --- The configuration window -------------------------------------------------

THot::THot(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "Hot", QStringLiteral("Configuration"), {389, 211});
    platform::helpOnF1(this, [this] { SpeedButton6Click(); });
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    tellUser = [this](const QString& text) { kv::showMessageBox(kv::MessageKind::Information, text, this); };

    Label1 = new QLabel(QStringLiteral("Configuration of hot keys"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(15);
    title.setBold(true);
    Label1->setFont(title);
    Label1->move(8, 8);
    Label1->adjustSize();

    auto corner = [this](QToolButton*& button, const char* name, int left, const QString& hint,
                         const char* glyph) {
        button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 4, 25, 25);
        button->setAutoRaise(true);
        button->setToolTip(hint);
        button->setIcon(forms::buttonGlyph(glyph));
    };
    corner(SpeedButton6, "SpeedButton6", 330, QStringLiteral("Help"), "help");
    corner(SpeedButton2, "SpeedButton2", 358, QStringLiteral("Exit"), "close");

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(4, 32, 381, 142);
    // The five captions are wider than the window: the tab bar scrolls. Its
    // arrows are for the mouse; the keyboard moves between tabs with the
    // arrow keys and should not stop on them when tabbing to the boxes.
    for (QToolButton* arrow : PageControl1->tabBar()->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    addTab(TabSheet1, "TabSheet1", QStringLiteral("Hide/Restore  main window    "),
           QStringLiteral("You can change the hot key to hide or restore the program's main menu bar"), CheckBox1,
           CheckBox2, CheckBox3, CheckBox4, 1, ComboBox1, 1, SpeedButton1, "SpeedButton1");
    addTab(TabSheet2, "TabSheet2", QStringLiteral("Find measure unit"),
           QStringLiteral("You can change the hot key to display the program's Find window"), CheckBox5, CheckBox6,
           CheckBox7, CheckBox8, 5, ComboBox2, 2, SpeedButton3, "SpeedButton3");
    addTab(TabSheet3, "TabSheet3", QStringLiteral("Converter"),
           QStringLiteral("You can change the hot key to display the program's Converter window"), CheckBox9,
           CheckBox10, CheckBox11, CheckBox12, 9, ComboBox3, 3, SpeedButton4, "SpeedButton4");
    addTab(TabSheet4, "TabSheet4", QStringLiteral("Calculator"),
           QStringLiteral("You can change the hot key to display Windows Calculator"), CheckBox13, CheckBox14,
           CheckBox15, CheckBox16, 13, ComboBox4, 4, SpeedButton5, "SpeedButton5");
    addTab(TabSheet5, "TabSheet5", QStringLiteral("Sreen saver"),
           QStringLiteral("You can change the hot key to start Windows Screen Saver"), CheckBox17, CheckBox18,
           CheckBox19, CheckBox20, 17, ComboBox5, 5, SpeedButton7, "SpeedButton7");

    BitBtn1 = new QPushButton(QStringLiteral("ShortCut to DeskTop"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(4, 180, 150, 26);
    BitBtn1->setAutoDefault(false);

    // The keyboard starts on the tabs: arrows pick the hot key, Tab walks
    // through its boxes, key list and save button, then the window's buttons
    // (the order of the layout, begun at the tabs).
    PageControl1->setFocus();

    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton1Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton4Click));
    connect(SpeedButton5, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton5Click));
    connect(SpeedButton7, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton7Click));
    connect(SpeedButton6, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton6Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &THot::SpeedButton2Click));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &THot::BitBtn1Click));

    kv::guarded([this] { FormCreate(); });
}

QWidget* THot::addTab(QWidget*& sheet, const char* name, const QString& caption, const QString& note,
                      QCheckBox*& alt, QCheckBox*& ctrl, QCheckBox*& shift, QCheckBox*& win, int firstBox,
                      QComboBox*& key, int comboNumber, QToolButton*& save, const char* saveName) {
    sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(name));

    auto* modifiers = new QLabel(QStringLiteral("Modifiers"), sheet);
    modifiers->setObjectName(QStringLiteral("ModifiersLabel"));
    modifiers->move(8, 4);
    int box = firstBox;
    int top = 20;
    const std::pair<QCheckBox**, const char*> boxes[] = {
        {&alt, "Alt"}, {&ctrl, "Ctrl"}, {&shift, "Shift"}, {&win, "Win"}};
    for (auto [pointer, text] : boxes) {
        *pointer = new QCheckBox(QString::fromLatin1(text), sheet);
        (*pointer)->setObjectName(QStringLiteral("CheckBox%1").arg(box++));
        (*pointer)->setGeometry(8, top, 70, 18);
        top += 22;
    }

    auto* keyLabel = new QLabel(QStringLiteral("Key"), sheet);
    keyLabel->setObjectName(QStringLiteral("KeyLabel"));
    keyLabel->move(96, 4);
    key = new QComboBox(sheet);
    key->setObjectName(QStringLiteral("ComboBox%1").arg(comboNumber));
    key->setGeometry(96, 20, 120, 22);
    key->setMaxVisibleItems(16);

    save = new QToolButton(sheet);
    save->setObjectName(QString::fromLatin1(saveName));
    save->setGeometry(224, 18, 25, 25);
    save->setToolTip(QStringLiteral("Save current Hot key"));
    save->setIcon(forms::buttonGlyph("save"));

    auto* explanation = new QLabel(note, sheet);
    explanation->setObjectName(QStringLiteral("NoteLabel"));
    explanation->setGeometry(96, 50, 270, 54);
    explanation->setWordWrap(true);
    QFont bold = explanation->font();
    bold.setBold(true);
    explanation->setFont(bold);
    forms::setTextColour(explanation, Qt::red);

    PageControl1->addTab(sheet, caption);
    return sheet;
}

THot::SlotControls THot::slotControls(int n) const {
    switch (n) {
    case 1: return {CheckBox1, CheckBox2, CheckBox3, CheckBox4, ComboBox1, SpeedButton1};
    case 2: return {CheckBox5, CheckBox6, CheckBox7, CheckBox8, ComboBox2, SpeedButton3};
    case 3: return {CheckBox9, CheckBox10, CheckBox11, CheckBox12, ComboBox3, SpeedButton4};
    case 4: return {CheckBox13, CheckBox14, CheckBox15, CheckBox16, ComboBox4, SpeedButton5};
    case 5: return {CheckBox17, CheckBox18, CheckBox19, CheckBox20, ComboBox5, SpeedButton7};
    default: throw kv::Error("There is no hot key " + std::to_string(n));
    }
}

void THot::FormCreate() {
    const QStringList names = platform::hotKeyNames();
    for (int n = 1; n <= 5; ++n) {
        QComboBox* key = slotControls(n).key;
        key->addItems(names);
        // No key until one is stored or chosen.
        key->setCurrentIndex(-1);
    }
}

void THot::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, kv::guard(this, &THot::FormActivate));
}

void THot::FormActivate() {
    // Each showing starts on the tabs, whatever had the focus when it closed.
    PageControl1->setFocus(Qt::ActiveWindowFocusReason);
    if (auto key = platform::desktop().settings->openKey(kGroup, false)) {
        for (int n = 1; n <= 5; ++n) {
            SlotControls c = slotControls(n);
            if (auto position = key->readInt(valueName("NumKey", n)); position && platform::hotKeyAt(*position))
                c.key->setCurrentIndex(*position);
            // Boxes are only ever checked here: what the user ticked and did
            // not save stays ticked.
            if (auto bits = key->readInt(valueName("Modif", n))) {
                if (*bits & platform::kModAlt) c.alt->setChecked(true);
                if (*bits & platform::kModCtrl) c.ctrl->setChecked(true);
                if (*bits & platform::kModShift) c.shift->setChecked(true);
                if (*bits & platform::kModWin) c.win->setChecked(true);
            }
        }
    }
    // Said once a run: the keys are still stored, for a session that has them.
    if (!toldUnavailable_) {
        const QString reason = platform::hotKeys().unavailableReason();
        if (!reason.isEmpty()) {
            toldUnavailable_ = true;
            tellUser(reason);
        }
    }
}

void THot::saveSlot(int n) {
    const HotKeySlot& slot = kHotKeySlots.at(n - 1);
    SlotControls c = slotControls(n);
    const int position = c.key->currentIndex();
    const platform::HotKeyEntry* entry = platform::hotKeyAt(position);
    if (!entry) {
        tellUser(QStringLiteral("Choose a key from the list first; the hot key was not saved."));
        return;
    }
    int bits = 0;
    if (c.alt->isChecked()) bits |= platform::kModAlt;
    if (c.ctrl->isChecked()) bits |= platform::kModCtrl;
    if (c.shift->isChecked()) bits |= platform::kModShift;
    if (c.win->isChecked()) bits |= platform::kModWin;

    auto key = platform::desktop().settings->openKey(kGroup, true);
    if (!key) return;
    bool stored = key->writeInt(valueName("Key", n), entry->virtualKey);
    stored = key->writeInt(valueName("NumKey", n), position) && stored;
    stored = key->writeInt(valueName("Modif", n), bits) && stored;
    platform::HotKeys& keys = platform::hotKeys();
    keys.unregisterKey(slot.id);
    keys.registerKey(slot.id, bits, entry->virtualKey);
    if (!stored)
        throw kv::Error("The hot key works until the program ends, but it could not be saved in the settings.");
}

void THot::SpeedButton1Click() { saveSlot(1); }
void THot::SpeedButton3Click() { saveSlot(2); }
void THot::SpeedButton4Click() { saveSlot(3); }
void THot::SpeedButton5Click() { saveSlot(4); }
void THot::SpeedButton7Click() { saveSlot(5); }

void THot::SpeedButton6Click() {
    platform::desktop().help->show(30);
}

void THot::SpeedButton2Click() {
    reject();
}

void THot::BitBtn1Click() {
    // The shortcut names the program by its own name in its own directory,
    // whatever the running file is called.
    const QString directory = platform::programDir();
    sho(directory, directory + kv::kProductName);
}
