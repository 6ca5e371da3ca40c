#pragma once
// The prime numbers window: every prime from a maximum down to 2, with the
// start and end time of the run. The sieve runs on a thread of its own, so
// the window paints, shows its progress and the primes found so far, and can
// be closed during a run.
#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>

#include "tools/numbers/PrimeRows.h"

class PrimeListModel;
class PrimeListView;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class TPrimeForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrimeForm(QWidget* parent = nullptr);
    ~TPrimeForm() override;

    PrimeListView* Memo1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLabel *Label2, *Label4;
    QLabel *Label3, *Label5;
    QProgressBar* ProgressBar1;

    PrimeListModel* model() const { return model_; }
    bool running() const { return worker_.joinable(); }

    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void Edit1Change();
    // Ctrl+C in the list: the selected lines to the clipboard.
    void Memo1Copy();

    // Copying more lines than this at once is left to the command line.
    static constexpr int kMaxCopiedLines = 1000000;

signals:
    // A run has ended, complete or stopped.
    void runEnded();

protected:
    void done(int result) override;

private:
    struct Run;
    // Shows how far the run has come, with the primes found so far.
    void showProgress(std::int64_t done, const numbers::PrimeRows& found);
    void finishRun();
    void stopRun();

    PrimeListModel* model_;
    std::shared_ptr<Run> run_;
    std::thread worker_;
};

// The window that lives for the whole run, made when first shown (core/LastingWindow.h).
extern TPrimeForm* PrimeForm;
