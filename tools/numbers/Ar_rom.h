#pragma once
// The numerals window: one whole number as Roman numerals, as digits in a
// base from 2 to 16 and in English words, each with a button to copy it.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLabel* Label3;
    QLineEdit* Edit2;
    QToolButton* SpeedButton1;
    QLabel* Label1;
    QLineEdit* Edit3;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QToolButton* SpeedButton2;
    QLineEdit* Edit4;
    QToolButton* SpeedButton3;

    // What an empty number sounds (tests count it).
    std::function<void()> beep;

    void BitBtn1Click();  // also a change of ComboBox1
    void BitBtn2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
};

// The window that lives for the whole run, made when first shown
// (core/LastingWindow.h) and shown modally again and again.
extern TForm3* Form3;
