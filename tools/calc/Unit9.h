#pragma once
// The graph-and-calculator window: a calculator of a formula in X, A, B and C,
// and a plotter that tabulates a formula in X over a range and draws it. Both
// share one parser, so A, B and C set by the calculator are used by the plot.
//
// Made for each opening, shown modally and destroyed when it closes.
#include <QDialog>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TPars;
class Tsp_XYLine;
class Tsp_XYPlot;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

    Tsp_XYPlot* sp_XYPlot1 = nullptr;
    Tsp_XYLine* sp_XYLine1 = nullptr;
    std::unique_ptr<TPars> Pars1;

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QFrame* Bevel4 = nullptr;
    QFrame* Bevel5 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QPushButton* SpeedButton6 = nullptr;
    QPushButton* SpeedButton7 = nullptr;

    QLabel* Label3 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label11 = nullptr;
    QComboBox* ComboBox2 = nullptr;

    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit6 = nullptr;

    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void ComboBox1Click();
    void ComboBox2Change();

private:
    void buildGraph();
    void buildGraphFormulas();
    void buildCalculator();
};
