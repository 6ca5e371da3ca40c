#pragma once
// The measure converter window: a value from one unit to another unit of the
// same category, the categories and units read from the shared tables.
//
// One instance (MeasForm) is made when first shown and shown again and again; the find
// window makes its own, presets it through the handlers and shows it.
#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

class TMeasForm : public QDialog {
    Q_OBJECT
public:
    // Reads the category list from DM (FormCreate); a table error is shown
    // and leaves the list as far as it got.
    explicit TMeasForm(QWidget* parent = nullptr);

    QLineEdit* MaskEdit1 = nullptr;
    QLineEdit* MaskEdit2 = nullptr;
    QLineEdit* MaskEdit3 = nullptr;
    QToolButton* SolveBtn = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* CloseBtn = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;

    bool OnTopFlag = true;
    double FromFactor = 0;
    double ToFactor = 0;

    // The handlers; the find window calls the list handlers directly, in the
    // order category, source, target, on a window not yet shown.
    void FormCreate();
    void FormActivate();
    void ListBox1Click();
    void ListBox2Click();
    void ListBox3Click();
    void SolveBtnClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void CloseBtnClick();
    void CheckBox1Click();

    // Shows the physical constants window modally in place of PhisForm (tests).
    static std::function<void()> showPhysicalConstants;

protected:
    void showEvent(QShowEvent* event) override;
};

// The converter that lives for the whole run, made when first shown.
extern TMeasForm* MeasForm;
