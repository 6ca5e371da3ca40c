#pragma once
// The five global hot keys of the bar and their configuration window.
//
// Each slot has an identifier, the bar's action it runs and its three values
// in the settings group "HKey". The bar registers the stored slots when it is
// made and unregisters them when it goes (Form1.cpp); THot changes one slot
// at a time and re-registers it at once.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TForm1;

struct HotKeySlot {
    int number;                     // 1 to 5: the N of "Key"N, "NumKey"N, "Modif"N
    int id;                         // what is registered and comes back when pressed
    bool ignoredWhileConverterOpen;
    const char* description;        // for desktops that list the program's shortcuts
};

inline constexpr std::array<HotKeySlot, 5> kHotKeySlots{{
    {1, 1139, true, "Hide or restore the Kvantor2 bar"},
    {2, 1134, false, "Find a measure unit"},
    {3, 1135, true, "Open the converter"},
    {4, 1136, false, "Start the calculator"},
    {5, 1140, true, "Start the screen saver"},
}};

// Registers every slot stored with a key and at least one modifier; a slot
// never saved, or saved without modifiers, is skipped.
void registerStoredHotKeys();
// Unregisters all five identifiers.
void unregisterHotKeys();
// Runs the bar's action for a pressed hot key (unknown identifiers do nothing).
void runHotKey(TForm1& bar, int id);
// At the bar's creation: pressed hot keys run the bar's actions from now on,
// and the stored slots are registered.
void installHotKeys(TForm1* bar);
// At the bar's end: all five unregistered, presses no longer delivered.
void removeHotKeys();

class THot : public QDialog {
    Q_OBJECT
public:
    explicit THot(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton6 = nullptr;  // help
    QToolButton* SpeedButton2 = nullptr;  // exit
    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr,
            *TabSheet5 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
              *CheckBox5 = nullptr, *CheckBox6 = nullptr, *CheckBox7 = nullptr, *CheckBox8 = nullptr,
              *CheckBox9 = nullptr, *CheckBox10 = nullptr, *CheckBox11 = nullptr, *CheckBox12 = nullptr,
              *CheckBox13 = nullptr, *CheckBox14 = nullptr, *CheckBox15 = nullptr, *CheckBox16 = nullptr,
              *CheckBox17 = nullptr, *CheckBox18 = nullptr, *CheckBox19 = nullptr, *CheckBox20 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr, *ComboBox4 = nullptr,
              *ComboBox5 = nullptr;
    // The tabs' save buttons, slots 1 to 5.
    QToolButton *SpeedButton1 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton7 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // The controls of slot n (1 to 5).
    struct SlotControls {
        QCheckBox *alt, *ctrl, *shift, *win;
        QComboBox* key;
        QToolButton* save;
    };
    SlotControls slotControls(int n) const;

    // Where plain messages to the user go: a message box unless replaced.
    std::function<void(const QString&)> tellUser;

    void FormCreate();
    void FormActivate();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton7Click();
    void SpeedButton6Click();
    void SpeedButton2Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* addTab(QWidget*& sheet, const char* name, const QString& caption, const QString& note,
                    QCheckBox*& alt, QCheckBox*& ctrl, QCheckBox*& shift, QCheckBox*& win, int firstBox,
                    QComboBox*& key, int comboNumber, QToolButton*& save, const char* saveName);
    void saveSlot(int n);

    bool toldUnavailable_ = false;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h)
// and shown modally again and again.
extern THot* Hot;
