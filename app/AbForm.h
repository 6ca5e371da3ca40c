#pragma once
// The About window: the product, its maker and its version.
#include <QDialog>

class QLabel;
class QPushButton;

class TAbForm : public QDialog {
    Q_OBJECT
public:
    explicit TAbForm(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* Maker = nullptr;
    QLabel* Version = nullptr;
    QPushButton* BitBtn1 = nullptr;

    void BitBtn1Click();
};
