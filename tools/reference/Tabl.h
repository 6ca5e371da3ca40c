#pragma once
// The periodic table of the elements in its short form, built once from the
// records of elements.dbf; the chosen element's data below it, from
// elements.dbf and its detail table all.dbf.
#include <QDialog>
#include <QFrame>
#include <map>

#include "data/DataSource.h"
#include "data/dbase/Table.h"
#include "tools/reference/ElementData.h"
#include "widgets/forms/DBGrid.h"

class QLabel;
class QToolButton;
class QPushButton;
class TableModel;

// A panel of the table: a raised frame in its colour with its caption
// centred. A caption taller than its panel is cut at the panel's edges, as
// the big title and the narrow headers are meant to be.
class TCaptionPanel : public QFrame {
    Q_OBJECT
public:
    TCaptionPanel(QWidget* parent, const QString& caption, QRect place, const QColor& colour, const QFont& font);
    const QString& caption() const { return caption_; }
    // Where the caption stands: centred unless set.
    void setAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};

class TTableForm : public QDialog {
    Q_OBJECT
public:
    // Opens elements.dbf and all.dbf in `dir` (with a trailing separator;
    // the program's directory unless given) and builds the table. Throws
    // dbase::DbfError when a table cannot be opened.
    explicit TTableForm(QWidget* parent = nullptr, const QString& dir = QString());
    ~TTableForm() override;

    dbase::Table Table1, Table2;
    TDataSource DataSource1{&Table1}, DataSource2{&Table2};

    TDBGrid* DBGrid1;
    QToolButton *SB1, *SB2;
    TCaptionPanel *PAr, *PMass, *PVal, *PO;
    QLabel *DBText1, *LMass, *Label3, *Label2, *DBText3, *Label1, *PVal1;
    QLabel *DBText11, *DBText2, *DBText4, *DBText7, *DBText8, *DBText5, *DBText6, *DBText9, *DBText10, *DBText12;
    QLabel *Label4, *Label5, *Label6, *Label9, *Label7, *Label8, *Label10, *Label11, *Label12;
    QFrame *Bevel1, *Bevel2;
    QToolButton *SpeedButton7, *BitBtn2, *BitBtn1;
    QPushButton* Button1;

    // The element button of atomic number n (nullptr when it has no cell).
    QToolButton* elementButton(int n) const;
    // The grid's item model over elements.dbf.
    TableModel* model() const { return model_; }

    void Button1Click(int number);
    void SB1Click();
    void SB2Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton7Click();
    // Shows the current element's mass in kilograms and its shell column.
    void OnDBChange();

private:
    void buildTable();
    void addElementButton(QWidget* cell, const reference::ElementRecord& r, QSize size);
    void showBoundValues();

    std::map<int, QToolButton*> buttons_;
    TableModel* model_ = nullptr;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h)
// and shown modally again and again; closing it only hides it.
extern TTableForm* TableForm;
