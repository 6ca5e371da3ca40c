#pragma once
// The radio window: a radio frequency to its wavelength and back, with the
// period of the oscillation (tools/engineering/RadioWave.h does the arithmetic).
//
// Made for each opening, shown modally and destroyed when it closes.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QLabel* Label3 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MaskEdit2 = nullptr;
    QLabel* Label4 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* MaskEdit3 = nullptr;
    QLabel* Label6 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
};
