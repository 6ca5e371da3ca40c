#pragma once
// The reference tables window: a list of topics, and for the chosen one a
// grid whose columns, headings, rows and font all come from the reference
// database (all_name.DBF, all_z.dbf, all_db.dbf); a cell or a whole row can
// be copied to the clipboard.
#include <QDialog>

#include "tools/reference/RefTables.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTableWidget;
class QToolButton;
class TDM;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // Reads the topic list of `dm` (Table4..Table6) once, now.
    explicit TForm5(QWidget* parent = nullptr, TDM* dm = nullptr);

    QListWidget* ListBox1;
    QLabel* Label1;
    QLabel* Label2;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
    QTableWidget* StringGrid1;
    QLineEdit* RichEdit1;
    QToolButton* SpeedButton5;
    QCheckBox* CheckBox1;

    // The grid as its user sees it: row 0 is the heading row, rows 1..n the
    // topic's rows (while a topic has no rows, its one row holds the headings).
    int gridRowCount() const;
    int gridColumnCount() const;
    QString cellText(int column, int row) const;
    // Whether row 0 stands fixed on its yellow ground above the rows.
    bool headingRowFixed() const;

    void ListBox1Click(QListWidgetItem* item);
    void StringGrid1SelectCell(int column, int row);
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    void FormCreate();
    void showGrid(const reference::RefGrid& grid);
    // Gives each cell and heading too wide for its column its whole text as tooltip.
    void showCutTexts();

    TDM* dm_;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h).
extern TForm5* Form5;
