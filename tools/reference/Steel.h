#pragma once
// The steel hardness window: five hardness conversion tables, each a block of
// rows of rvb.dbf under a heading of up to eleven boxes whose places, colours
// and texts come from pan.dbf and nam_1.dbf.
#include <QColor>
#include <QDialog>
#include <vector>

#include "widgets/forms/DBGrid.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class TDBNavigator;
class TDM;
class TableModel;
class ColumnColourDelegate;

class TSteelForm : public QDialog {
    Q_OBJECT
public:
    // Shows `dm`'s tables Table7 (rows), Table8 (boxes) and Table9 (texts).
    explicit TSteelForm(QWidget* parent = nullptr, TDM* dm = nullptr);

    QListWidget* ListBox1;
    QPushButton* BitBtn1;
    QFrame* Panel1;
    TDBGrid* DBGrid1;
    TDBNavigator* DBNavigator1;
    // The heading boxes 0..10 and their labels, made once with the window.
    std::vector<QFrame*> boxes;
    std::vector<QLabel*> boxLabels;

    // The grid's model (null while no table is shown).
    TableModel* model() const { return model_; }
    // The background grid column c is given ("invalid" for the grid's normal one).
    QColor columnColour(int column) const;
    // The colour a COL value stands for; outside 0..5 the panel's own colour.
    QColor headingColour(int col) const;

    void FormCreate();
    void FormActivate();
    void ListBox1Click();
    void BitBtn1Click();
    // Algorithm of the list: shows table `item` (0..4).
    void showTable(int item);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void removeColumns();

    TDM* dm_;
    TableModel* model_ = nullptr;
    ColumnColourDelegate* delegate_;
    bool closing_ = false;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h)
// and shown modally again and again.
extern TSteelForm* SteelForm;
