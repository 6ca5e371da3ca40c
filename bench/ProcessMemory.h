#pragma once
// What the window benchmarks measure of their own process: resident memory
// from /proc, and the median of their rounds.
#include <QFile>
#include <algorithm>
#include <vector>

namespace bench {

// A line of /proc/self/status in kilobytes ("VmRSS", "VmHWM").
inline long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(line.indexOf(':') + 1).trimmed().split(' ')[0].toLong();
    return -1;
}

// From now on VmHWM counts from the present resident size.
inline void resetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly)) refs.write("5");
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace bench
