#pragma once
// The find window: look a unit up by name across all categories, then open a
// converter set to it.
//
// While it is open the shared units table is in name order and unfiltered (so
// its grid lists every unit); every way of closing it puts the converter's
// order and filtering back.
#include <QDialog>

#include "widgets/forms/DBGrid.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TableModel;

class TFindForm : public QDialog {
    Q_OBJECT
public:
    explicit TFindForm(QWidget* parent = nullptr);
    ~TFindForm() override;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TDBGrid* DBGrid1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void FormCreate();
    void Edit1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void FormClose();

    // Closing by the button, the close box, Escape or from code all end here.
    void done(int result) override;

private:
    void attachGrid();
    void detachGrid();

    TableModel* model_ = nullptr;
    bool tableTaken_ = false;  // the shared table is in this window's order
};
