#pragma once
// The launcher bar, the program's main window: nineteen tool buttons, the
// popup menu, the animated logo and the tray icon. It remembers where the
// user left it and docks as a vertical strip at the right screen edge.
//
// The class only wires controls: its buttons and the tools' menu entries come
// from the tools' lists (app/BarEntries), where the bar lands is
// app/BarGeometry, the glyphs are app/BarGlyphs, the settings and other
// programs are reached through platform::desktop().
#include <QList>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "app/BarGeometry.h"

class QAction;
class QFrame;
class QIcon;
class QMenu;
class QScreen;
class QTimer;
class QToolButton;
class QWindow;
class TGIFImage;
class TTrayComp;
namespace kv {
struct BarButton;
struct BarEntry;
}  // namespace kv

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // --- Controls, named as on the form -------------------------------------
    QFrame* Panel1 = nullptr;
    TGIFImage* GIFImage1 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr,
                *SpeedButton8 = nullptr, *SpeedButton9 = nullptr, *SpeedButton10 = nullptr,
                *SpeedButton11 = nullptr, *SpeedButton12 = nullptr, *SpeedButton13 = nullptr,
                *SpeedButton15 = nullptr, *SpeedButton16 = nullptr, *SpeedButton17 = nullptr,
                *SpeedButton18 = nullptr, *SpeedButton19 = nullptr, *SpeedButton20 = nullptr,
                *SpeedButton21 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *Hide1 = nullptr, *Alwa1 = nullptr, *RunScreensaver1 = nullptr, *Sleep1 = nullptr,
            *N5 = nullptr, *EEx1 = nullptr, *N1 = nullptr, *ArabictoRoman1 = nullptr,
            *Converter1 = nullptr, *Clothingsizes1 = nullptr, *Drawinggraph1 = nullptr,
            *Datetodate1 = nullptr, *Decibel1 = nullptr, *Radiofrequencytolength1 = nullptr,
            *Matterfieldtime1 = nullptr, *Referencehardnessnumberforsteel1 = nullptr,
            *Resistorcapacitorsvaluesand1 = nullptr, *Volumeoftanks1 = nullptr,
            *geometricformulas1 = nullptr, *RGBcolor1 = nullptr, *Charactercode1 = nullptr,
            *N4 = nullptr, *Calculator1 = nullptr, *Findmeasure1 = nullptr, *N3 = nullptr,
            *N2 = nullptr, *Help1 = nullptr, *Exit1 = nullptr;
    QMenu* Miscellaneous1 = nullptr;  // Resis1, Generateprimenumbers1, Phisicalconstants1
    QAction *Resis1 = nullptr, *Generateprimenumbers1 = nullptr, *Phisicalconstants1 = nullptr;
    QMenu* Options1 = nullptr;  // Loadin1, Hotkey1, LoadwithWindows1
    QAction *Loadin1 = nullptr, *Hotkey1 = nullptr, *LoadwithWindows1 = nullptr;
    TTrayComp* TrayComp1 = nullptr;
    QList<QIcon> ImageList1;  // the tray animation

    // --- State ---------------------------------------------------------------
    bool BarShown = true;       // false while the program sits in the tray
    bool OnTop = false;         // mirrored by Alwa1's check mark
    bool Vertical = false;      // docked at the right edge
    bool ConverterOpen = false; // a second request to open the converter is ignored
    bool FinderOpen = false;    // likewise for the find-measure window

    // The tool buttons on Panel1 in the order of the form (not the logo).
    QList<QToolButton*> toolButtons() const;

    // --- Operations other windows call (the hot keys among them) -------------
    void PlaceBar(int x, int y);
    void SpeedButton2Click();  // open the converter, once
    void Calculator1Click();
    void Findmeasure1Click();  // open the finder, once
    void Hide1Click();         // hide to the tray or restore
    void RunScreensaver1Click();

    // The converter and the finder are shown modally by these while the guard
    // flag is set; empty until those windows exist (tests put their own).
    std::function<void()> showConverterWindow;
    std::function<void()> showFinderWindow;

    // --- Handlers ------------------------------------------------------------
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    // Mouse-down on the form, Panel1 or the logo: drag, then clamp, dock, save.
    void GIFImage2MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint globalPos);
    void SpeedButton1Click();   // exit
    void SpeedButton3Click();   // calculator
    void SpeedButton4Click();   // about
    void SpeedButton6Click();   // volume of tanks
    void SpeedButton7Click();   // geometric formulas
    void SpeedButton8Click();   // RGB colour
    void SpeedButton9Click();   // reference tables
    void SpeedButton10Click();  // fonts and character codes
    void SpeedButton11Click();  // resistors
    void SpeedButton12Click();  // graph
    void SpeedButton13Click();  // elements
    void SpeedButton15Click();  // radio
    void SpeedButton16Click();  // clothing sizes
    void SpeedButton17Click();  // Roman numerals
    void SpeedButton18Click();  // date - date
    void SpeedButton19Click();  // decibel
    void SpeedButton20Click();  // steel hardness
    void SpeedButton21Click();  // hex view
    void Alwa1Click();
    void Sleep1Click();
    void EEx1Click();
    void Resis1Click();
    void Generateprimenumbers1Click();
    void Phisicalconstants1Click();
    void Loadin1Click();
    void Hotkey1Click();
    void LoadwithWindows1Click();
    void Help1Click();
    void TrayComp1Minimize();
    void TrayComp1Restore();

    // The right and bottom edges of the screen that holds the bar, in desktop
    // coordinates (its width and height for the screen at the origin).
    QSize screenSize() const;
    // Restores the bar from the tray, or raises it, and brings the open tool
    // window (if any) to the front: another start of the program asked for it.
    void comeForward();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenu();   // Form1Menu.cpp
    void bindMenuEntries();
    void createTray();
    void connectHandlers();
    // The buttons and what the buttons and the tools' menu entries run
    // (Form1Entries.cpp).
    void addEntryButtons();
    QToolButton* addButton(const kv::BarButton& entry);
    void connectEntries();
    void runEntry(const kv::BarEntry& entry);
    // Opens the tool behind the button or menu entry of this object name.
    void openTool(const char* control);

    QSize screenEdges(const QScreen* screen) const;  // as screenSize, of any screen
    BarPlace place() const;
    // Moves the bar to a place; turns the buttons when the layout changed.
    void applyMove(const BarMove& move);
    void transposeButtons();
    // Steps 2 to 5 of the drag: clamp, dock or undock, save the place.
    void dropBar();
    void minimizeApp();
    void restoreApp();
    // The bar is active again after another window of the program was.
    void watchActivation(QWindow* focus);
    // A picture window over one of the program's GIF files.
    void showPicture(const QString& file);

    // The drag by the mouse: the window manager's, or ours where it refuses.
    void beginDrag(QPoint globalPos);
    void dragTo(QPoint globalPos);
    void endDrag();
    void pollSystemMove();
    bool systemMoveButtonDown();

    bool shownOnce_ = false;
    bool otherWindowActive_ = false;
    bool dragging_ = false;       // our own drag, following mouse moves
    bool systemMoving_ = false;   // the window manager drags
    QPoint dragOffset_;           // cursor minus the bar's top left
    QPoint lastSystemPos_;
    int stillPolls_ = 0;
    QTimer* systemMoveTimer_ = nullptr;
};

extern TForm1* Form1;
