#pragma once
// The physical constants window: the constants table in a grid, one constant
// as a line of text to copy.
#include <QDialog>

#include "widgets/forms/DBGrid.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class TDM;
class TableModel;

class TPhisForm : public QDialog {
    Q_OBJECT
public:
    // Shows `dm`'s constants table (Table3 through DataSource3).
    explicit TPhisForm(QWidget* parent = nullptr, TDM* dm = nullptr);

    QLabel* Label1;
    TDBGrid* DBGrid1;
    QLineEdit* Edit1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;

    // The grid's item model over the table (editable: edits go to the file).
    TableModel* model() const { return model_; }

    void DBGrid1CellClick(const QModelIndex& index);
    void BitBtn2Click();
    void BitBtn1Click();

private:
    TDM* dm_;
    TableModel* model_;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h)
// and shown modally again and again.
extern TPhisForm* PhisForm;
