#pragma once
// The date window: the span between a start date and an end date in whole
// years, months, days and hours (tools/numbers/Dtcalc.h does the arithmetic).
//
// Made for each opening, shown modally and destroyed when it closes.
#include <QDialog>

class QLabel;
class QPushButton;
class TDTCalc;
class TypedDateEdit;

class TFormDate : public QDialog {
    Q_OBJECT
public:
    explicit TFormDate(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    TypedDateEdit* DateTimePicker1 = nullptr;
    QLabel* WeekDay1 = nullptr;  // the weekday of the date above, beside it
    QLabel* Label2 = nullptr;
    TypedDateEdit* DateTimePicker2 = nullptr;
    QLabel* WeekDay2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    TDTCalc* DTCalc1 = nullptr;

    void FormCreate();
    void DateTimePicker1Change();
    void BitBtn1Click();
};
