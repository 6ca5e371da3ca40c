// The prime numbers window offscreen for a maximum: how long a run takes to
// the complete list, how far its peak resident memory rises above the idle
// window's, and how long the jumps to the list's end (Ctrl+End) and to its
// middle (the scroll bar dragged) take to paint.
//
//   QT_QPA_PLATFORM=offscreen build/bench/primes_window_bench [N] [ROUNDS]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/ProcessMemory.h"
#include "tools/numbers/Prim.h"
#include "tools/numbers/PrimeListModel.h"
#include "tools/numbers/PrimeListView.h"

using bench::median;
using bench::resetPeak;
using bench::statusKb;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString maximum = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("2147483647");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    TPrimeForm form;
    form.show();
    QTest::qWait(200);
    std::vector<double> runs, ends, middles;
    long peak = 0;
    for (int r = 0; r < rounds; ++r) {
        const long idle = statusKb("VmRSS");
        resetPeak();
        QSignalSpy ended(&form, &TPrimeForm::runEnded);
        form.Edit1->setText(maximum);
        QElapsedTimer clock;
        clock.start();
        form.BitBtn1Click();
        if (!ended.wait(600000)) return 1;
        runs.push_back(clock.elapsed() / 1000.0);
        clock.restart();
        QTest::keyClick(form.Memo1, Qt::Key_End, Qt::ControlModifier);
        form.Memo1->viewport()->repaint();
        ends.push_back(clock.nsecsElapsed() / 1e6);
        // Dragging the scroll bar to the middle of the list.
        clock.restart();
        QScrollBar* bar = form.Memo1->verticalScrollBar();
        bar->setSliderPosition(bar->maximum() / 2);
        form.Memo1->viewport()->repaint();
        middles.push_back(clock.nsecsElapsed() / 1e6);
        peak = std::max(peak, statusKb("VmHWM") - idle);
        std::printf("round %d: %lld primes, first %s, %.2f s, Ctrl+End %.1f ms, to the middle %.1f ms, peak %.1f MB above idle\n", r + 1,
                    static_cast<long long>(form.model()->rows().size()),
                    qPrintable(form.model()->index(0).data().toString()), runs.back(), ends.back(), middles.back(),
                    (statusKb("VmHWM") - idle) / 1024.0);
    }
    std::printf("N = %s: median %.2f s to the complete list, Ctrl+End %.1f ms, to the middle %.1f ms, peak %.1f MB above idle (%d rounds)\n",
                qPrintable(maximum), median(runs), median(ends), median(middles), peak / 1024.0, rounds);
    return 0;
}
