#pragma once
// The decibel window: the ratio of two values of one unit in decibels, for
// power-like or for field quantities (tools/engineering/Decibel.h).
//
// One window for the whole run, made when first shown: the values and the
// kind of quantity stay as they were between openings.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TDecForm : public QDialog {
    Q_OBJECT
public:
    explicit TDecForm(QWidget* parent = nullptr);

    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MaskEdit2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void BitBtn1Click();
    void BitBtn2Click();
};

// The window that lives for the whole run (core/LastingWindow.h).
extern TDecForm* DecForm;
