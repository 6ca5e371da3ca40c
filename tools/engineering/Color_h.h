#pragma once
// The RGB window: a colour mixed from red, green and blue, shown as a filled
// ellipse with its hexadecimal value in blue-green-red order; set also by a
// grey scale, by inverting, from the colour dialog or from the list of named
// colour constants (tools/engineering/RgbColour.h).
//
// Made for each opening, shown modally and destroyed when it closes.
#include <QColor>
#include <QDialog>
#include <QHash>
#include <QImage>

class QColorDialog;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QPushButton* SpeedButton3 = nullptr;
    QColorDialog* ColorDialog1 = nullptr;
    QLabel* Label7 = nullptr;
    QSlider* TrackBar4 = nullptr;
    QGroupBox* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* MaskEdit2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* MaskEdit3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label11 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label12 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QLabel* Label13 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QLabel* Label10 = nullptr;   // a brightness slider that is never shown
    QSlider* TrackBar5 = nullptr;

    void FormCreate();
    void TrackBar1Change();
    void MaskEdit1Change();
    void MaskEdit2Change();
    void MaskEdit3Change();
    void TrackBar4Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void ComboBox1Change();

    // The picture as drawn last (the ellipse and its corners).
    const QImage& picture() const { return picture_; }

private:
    void drawEllipse(const QColor& fill);
    void componentChange(QLineEdit* box, QSlider* slider);

    QImage picture_;
    QColor lastChosen_ = Qt::black;
    // Each box's bad text whose message has been shown.
    QHash<const QLineEdit*, QString> reported_;
};
