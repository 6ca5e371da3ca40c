#pragma once
// The fonts and character codes window: the installed font families in a
// tree, the characters of codes 32 to 255 in a grid with the codes of the one
// picked, and the table of the keys' names for programmers.
#include <QDialog>
#include <optional>
#include <vector>

#include "tools/reference/FontTree.h"

class QFrame;
class QLabel;
class QTableWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class TMap : public QDialog {
    Q_OBJECT
public:
    // The font list is the system's, taken once here; `families` stands in
    // for it where a test needs other fonts.
    explicit TMap(QWidget* parent = nullptr, std::optional<std::vector<reference::FontFamily>> families = {});

    QLabel* Label5;
    QTreeWidget* TreeView1;
    QTableWidget* StringGrid1;
    QFrame* Bevel1;
    QLabel *Label7, *Label1;
    QLabel *Label6, *Label2;
    QFrame* Bevel2;
    QLabel *Label4, *Label3;
    QLabel *Label9, *Label8;
    QLabel *Label10, *Label11;
    QLabel* StaticText1;
    QTableWidget* StringGrid2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;

    void StringGrid1SelectCell(int column, int row);
    void TreeView1GetSelectedIndex(QTreeWidgetItem* node);
    void TreeView1DblClick();
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    void fillCharacterGrid();
    void fillFontTree(const reference::FontTree& fonts);
    void fillKeyTable();
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h)
// and shown modally again and again.
extern TMap* Map;
