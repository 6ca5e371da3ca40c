#pragma once
// The tank window: volume, mass and surface of the liquid in a tank of one of
// six shapes, each dimension, the density and the results in units of the
// unit catalogue, read once when the window is made from the data module's
// folder (tools/engineering/TankCalculation.h computes).
//
// Made for each opening, shown modally and destroyed when it closes.
#include <QDialog>

#include "tools/engineering/TankUnits.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QToolButton;
class TGIFImage;

class TVolForm : public QDialog {
    Q_OBJECT
public:
    explicit TVolForm(QWidget* parent = nullptr);

    // Where the shape pictures are read: the program's directory unless set.
    static inline QString pictureFolder;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr, *ComboBox4 = nullptr;
    QFrame *Panel6 = nullptr, *Panel7 = nullptr;
    QFrame* Panel8 = nullptr;
    QLabel *Label7 = nullptr, *Label8 = nullptr, *Panel8Caption = nullptr;
    QLineEdit* Edit6 = nullptr;
    QComboBox *ComboBox6 = nullptr, *ComboBox7 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;
    QFrame *Panel11 = nullptr, *Panel12 = nullptr, *Panel13 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label9 = nullptr;
    QLineEdit *Edit5 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr;
    QComboBox *ComboBox5 = nullptr, *ComboBox8 = nullptr, *ComboBox9 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr;
    QFrame* Panel1 = nullptr;
    TGIFImage* GIFImage1 = nullptr;
    QTabBar* TabSet1 = nullptr;

    void FormCreate();
    void TabSet1Change(int index);
    void ComboBox1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

private:
    void fill(QComboBox* list, engineering::TankUnitKind kind);
    double factor(QComboBox* list, engineering::TankUnitKind kind) const;

    convert::UnitCatalogue units_;
};
