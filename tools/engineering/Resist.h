#pragma once
// The resistors, capacitors and Ohm's law window: two colour-code readers
// with drawings that take the picked band colours, Ohm's law for direct
// current, and resistors summed in series and in parallel.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QWidget;
class TBandShape;
class TCircuitSketch;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;

    // "Resistor values": body, leads, bands 1 to 4; the four band lists.
    TBandShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6, *Shape7;
    QListWidget *ListBox1, *ListBox2, *ListBox3, *ListBox4;
    QLabel *Label8, *Label21, *Label5;
    QToolButton *SpeedButton1, *SpeedButton2;

    // "Capacitor values": body, leads, bands from left to right
    // (Shape14, Shape9, Shape11, Shape12, Shape15); the five band lists.
    TBandShape *Shape10, *Shape8, *Shape13, *Shape14, *Shape9, *Shape11, *Shape12, *Shape15;
    QListWidget *ListBox9, *ListBox5, *ListBox6, *ListBox7, *ListBox8;
    QLabel *Label16, *Label14, *Label13;
    QToolButton *SpeedButton3, *SpeedButton6;

    // "Ohm's Law": I, U, R; the parallel and the series lists.
    QLineEdit *MaskEdit1, *MaskEdit2, *MaskEdit3;
    QToolButton* SpeedButton7;
    TCircuitSketch *ParallelSketch, *SeriesSketch;
    QLineEdit *Edit3, *Edit4, *Edit1, *Edit2;
    QListWidget *ListBox11, *ListBox10;
    QToolButton *SpeedButton12, *SpeedButton11, *SpeedButton13;
    QToolButton *SpeedButton8, *SpeedButton9, *SpeedButton10;
    QToolButton *SpeedButton4, *SpeedButton5;

    void FormActivate();
    void ListBox1Click();
    void ListBox2Click();
    void ListBox3Click();
    void ListBox4Click();
    void ListBox5Click();
    void ListBox6Click();
    void ListBox7Click();
    void ListBox8Click();
    void ListBox9Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton12Click();
    void SpeedButton11Click();
    void SpeedButton13Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton2Click();  // also SpeedButton5 and SpeedButton6

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeResistorPage();
    void makeCapacitorPage();
    void makeOhmPage();
    void connectHandlers();
    void showResistorValue();
    void showCapacitorValue();
};

// The window that lives for the whole run, made when first shown
// (core/LastingWindow.h) and shown modally again and again.
extern TForm6* Form6;
