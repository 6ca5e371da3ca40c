// The date span command from any two texts: it takes exactly the real
// calendar dates written YYYY-MM-DD from 0100-01-01 to 9999-12-31, and its
// days between them are those of a day count of its own.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

#include <QString>
#include <QStringList>

#include "core/Error.h"
#include "tools/numbers/DateDiffCommand.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Days from 1 March of year 0, for a proleptic Gregorian date.
long long dayNumber(int y, int m, int d) {
    if (m < 3) {
        --y;
        m += 12;
    }
    return 365LL * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d;
}

std::optional<long long> readDate(const std::string& s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    for (int k : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[k] < '0' || s[k] > '9') return std::nullopt;
    const int y = std::stoi(s.substr(0, 4)), m = std::stoi(s.substr(5, 2)), d = std::stoi(s.substr(8, 2));
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || m < 1 || m > 12 || d < 1 || d > lengths[m - 1]) return std::nullopt;
    return dayNumber(y, m, d);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    if (cut == std::string::npos) return 0;
    const std::string start = input.substr(0, cut), end = input.substr(cut + 1);
    const auto from = readDate(start), to = readDate(end);
    std::ostringstream out, notes;
    try {
        numbers::runDateDiffCommand({QString::fromStdString(start), QString::fromStdString(end)}, out, notes);
    } catch (const kv::Error&) {
        require(!from || !to);
        return 0;
    }
    require(from && to);
    const std::string text = out.str();
    const std::size_t days = text.find("Days: ");
    require(days != std::string::npos);
    require(std::stoll(text.substr(days + 6)) == *to - *from);
    return 0;
}
