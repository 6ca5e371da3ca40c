// The hex view window offscreen on a 4 GiB sparse binary file and a 1 GiB
// text file: the time from opening to the first screen painted, the jump to
// the end (Ctrl+End), how far the resident memory rises above the idle
// window's (peak, with the text file's index complete), and how fast find
// runs through a file in the page cache.
//
//   QT_QPA_PLATFORM=offscreen build/bench/hexview_window_bench [FOLDER] [ROUNDS]
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/ProcessMemory.h"
#include "tools/hexview/Find.h"
#include "tools/hexview/HexForm.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/ViewLines.h"

using bench::median;
using bench::resetPeak;
using bench::statusKb;

namespace {

// Lines of 20 to 100 characters, like a log.
void makeTextFile(const std::string& path, long long size) {
    std::string block;
    unsigned seed = 1;
    while (block.size() < (1u << 20)) {
        seed = seed * 1103515245 + 12345;
        const int length = 20 + static_cast<int>(seed >> 16) % 80;
        for (int k = 0; k < length; ++k) block += static_cast<char>('a' + (seed >> (k % 16)) % 26);
        block += '\n';
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (long long done = 0; done < size; done += static_cast<long long>(block.size()))
        if (::write(fd, block.data(), block.size()) < 0) break;
    ::close(fd);
}

void makeSparseFile(const std::string& path, long long size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::ftruncate(fd, size) != 0) std::perror("ftruncate");
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const std::string binary = folder + "/hexview-bench-4g.bin";
    const std::string text = folder + "/hexview-bench-1g.txt";
    makeSparseFile(binary, 4LL << 30);
    makeTextFile(text, 1LL << 30);

    THexForm form;
    form.show();
    QTest::qWait(200);
    const long idle = statusKb("VmRSS");
    for (const std::string& path : {binary, text}) {
        std::vector<double> opens, ends;
        long peak = 0;
        for (int r = 0; r < rounds; ++r) {
            resetPeak();
            QElapsedTimer clock;
            clock.start();
            form.openFile(QString::fromStdString(path));
            form.Rich->viewport()->repaint();
            opens.push_back(clock.nsecsElapsed() / 1e6);
            clock.restart();
            QTest::keyClick(form.Rich, Qt::Key_End, Qt::ControlModifier);
            form.Rich->viewport()->repaint();
            ends.push_back(clock.nsecsElapsed() / 1e6);
            if (const auto* lines = dynamic_cast<const hexview::TextLines*>(form.Rich->lines())) {
                while (!lines->index().complete()) QTest::qWait(50);
                QTest::keyClick(form.Rich, Qt::Key_End, Qt::ControlModifier);
                form.Rich->viewport()->repaint();
            }
            peak = std::max(peak, statusKb("VmHWM"));
        }
        std::printf("%s: open to first screen %.1f ms, Ctrl+End %.1f ms (medians of %d), "
                    "peak resident %+.1f MB above the idle window's\n",
                    path.c_str(), median(opens), median(ends), rounds, (peak - idle) / 1024.0);
    }

    // Find through the text file, read once before so that it lies in the page cache.
    const hexview::MappedFile file(text);
    hexview::findForward(file, "absent pattern", 0);
    std::vector<double> speeds;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        const hexview::FindResult result = hexview::findForward(file, "absent pattern", 0);
        speeds.push_back(static_cast<double>(file.size()) / clock.nsecsElapsed());
        if (result.offset) std::printf("found?\n");
    }
    std::printf("find through %s in the page cache: %.2f GB/s (median of %d)\n", text.c_str(), median(speeds), rounds);
    std::remove(binary.c_str());
    std::remove(text.c_str());
    return 0;
}
