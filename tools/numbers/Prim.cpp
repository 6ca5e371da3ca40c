#include "tools/numbers/Prim.h"

#include <climits>

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "tools/numbers/PrimeListModel.h"
#include "tools/numbers/PrimeListView.h"
#include "tools/numbers/PrimesCommand.h"
#include "platform/HelpKey.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TPrimeForm* PrimeForm = nullptr;

// What the sieve's thread shares with the window.
struct TPrimeForm::Run {
    std::atomic<bool> stop{false};
    numbers::PrimeRows rows;  // written by the thread before it reports the end
};

namespace {

QString now() {
    const QLocale locale = QLocale::system();
    return QDateTime::currentDateTime().toString(locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                                 locale.timeFormat(QLocale::LongFormat));
}

}  // namespace

TPrimeForm::TPrimeForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "PrimeForm", QStringLiteral("Generate prime numbers"), {317, 253});
    platform::helpOnF1(this, QStringLiteral("primes.html"));

    model_ = new PrimeListModel(this);
    Memo1 = forms::placed(new PrimeListView(this), "Memo1", {8, 8, 129, 237});
    Memo1->setModel(model_);
    Memo1->setToolTip(QStringLiteral("The primes, largest first; Ctrl+C copies the selected lines"));

    Label1 = forms::label(this, "Label1", QStringLiteral("Input maximal number"), {148, 8});
    Edit1 = forms::placed(new QLineEdit(this), "Edit1", {148, 26, 161, 22});
    Edit1->setToolTip(QStringLiteral("The largest number to test, up to 2147483647"));

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Generate "), this), "BitBtn1", {148, 56, 161, 25});
    BitBtn1->setIcon(forms::buttonGlyph("ok"));
    BitBtn1->setToolTip(QStringLiteral("List the primes from the maximum down to 2"));
    BitBtn1->setDefault(true);

    // Two lines for each time: a long time format may name the time zone in full.
    Label2 = forms::label(this, "Label2", QStringLiteral("Start Time"), {148, 90});
    Label4 = forms::placed(new QLabel(this), "Label4", {148, 106, 165, 28});
    Label3 = forms::label(this, "Label3", QStringLiteral("End Time"), {148, 138});
    Label5 = forms::placed(new QLabel(this), "Label5", {148, 154, 165, 28});
    for (QLabel* time : {Label4, Label5}) {
        time->setWordWrap(true);
        time->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    ProgressBar1 = forms::placed(new QProgressBar(this), "ProgressBar1", {148, 188, 161, 17});
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    BitBtn2 = forms::placed(new QPushButton(QStringLiteral("&Close"), this), "BitBtn2", {148, 220, 161, 25});
    BitBtn2->setIcon(forms::buttonGlyph("close"));
    BitBtn2->setToolTip(QStringLiteral("Close window; a run in progress stops"));
    BitBtn2->setAutoDefault(false);

    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TPrimeForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TPrimeForm::BitBtn2Click));
    connect(Edit1, &QLineEdit::textChanged, this, kv::guard([this](const QString&) { Edit1Change(); }));
    connect(Memo1, &PrimeListView::copyRequested, this, kv::guard(this, &TPrimeForm::Memo1Copy));
    FormCreate();
}

TPrimeForm::~TPrimeForm() { stopRun(); }

void TPrimeForm::FormCreate() {
    model_->setRows({});
    Edit1->setText(QStringLiteral("777"));
}

void TPrimeForm::Edit1Change() {}

void TPrimeForm::BitBtn1Click() {
    if (running()) return;
    model_->setRows({});
    Label4->setText(now());
    // The end time of the run before would read as earlier than this start.
    Label5->clear();
    const std::int64_t maximum = numbers::readPrimeMaximum(Edit1->text().toStdString());
    // A range of 0..0 would turn the bar into a busy indicator that never stops.
    ProgressBar1->setRange(0, static_cast<int>(std::max<std::int64_t>(maximum, 1)));
    ProgressBar1->setValue(0);
    BitBtn1->setEnabled(false);

    auto run = std::make_shared<Run>();
    run_ = run;
    // The bar and the list move in steps of a half per cent at most: the
    // thread never floods the window with reports.
    const std::int64_t step = std::max<std::int64_t>(1, maximum / 200);
    worker_ = std::thread([this, run, maximum, step] {
        std::int64_t shown = 0;
        const auto report = [&](std::int64_t done, const numbers::PrimeRows& found) {
            if (done - shown < step && done < maximum) return;
            shown = done;
            QMetaObject::invokeMethod(this, [this, run, done, found] {
                if (run == run_) kv::guarded([&] { showProgress(done, found); });
            }, Qt::QueuedConnection);
        };
        run->rows = numbers::PrimeRows::count(maximum, run->stop, report);
        QMetaObject::invokeMethod(this, [this, run] {
            if (run == run_) kv::guarded([this] { finishRun(); });
        }, Qt::QueuedConnection);
    });
}

void TPrimeForm::showProgress(std::int64_t done, const numbers::PrimeRows& found) {
    ProgressBar1->setValue(static_cast<int>(std::min(done, std::int64_t{INT_MAX})));
    model_->growTo(found);
    Label5->setText(now());
}

void TPrimeForm::finishRun() {
    if (!worker_.joinable()) return;
    worker_.join();
    model_->growTo(std::move(run_->rows));
    run_.reset();
    if (model_->rows().complete()) ProgressBar1->setValue(ProgressBar1->maximum());
    Label5->setText(now());
    BitBtn1->setEnabled(true);
    emit runEnded();
}

void TPrimeForm::stopRun() {
    if (!run_) return;
    run_->stop = true;
    finishRun();
}

void TPrimeForm::BitBtn2Click() { close(); }

void TPrimeForm::done(int result) {
    // Closing the window stops a run; the primes found so far stay listed.
    stopRun();
    QDialog::done(result);
}

void TPrimeForm::Memo1Copy() {
    const int first = Memo1->selectionFirst();
    if (first < 0) return;
    const int last = Memo1->selectionLast();
    if (last - first + 1 > kMaxCopiedLines)
        throw kv::Error(QStringLiteral("%1 lines are too many to copy at once (at most %2). "
                                       "To save the whole list, run: Kvantor2 primes %3 > primes.txt")
                            .arg(QLocale().toString(last - first + 1), QLocale().toString(kMaxCopiedLines),
                                 QString::number(model_->rows().maximum()))
                            .toStdString());
    forms::copyText(model_->lines(first, last));
}
