#include "tools/hexview/ViewLines.h"

#include <algorithm>

#include "tools/hexview/Conversion.h"
#include "tools/hexview/DumpLine.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/Utf8Text.h"

namespace hexview {

bool opensAsDump(const std::string& fileName, const MappedFile& file) {
    if (conversions().converts(fileName)) return true;
    // Text of any encoding the view shows holds no NUL in its first block;
    // programs, libraries, pictures and archives nearly always do.
    std::uint8_t block[4096];
    const std::size_t got = file.read(0, block, sizeof block);
    return std::find(block, block + got, std::uint8_t{0}) != block + got;
}

std::uint64_t DumpLines::lineCount() const { return dumpLineCount(file_->size()); }

std::vector<ShownLine> DumpLines::lines(std::uint64_t first, std::uint64_t count) const {
    std::vector<ShownLine> shown;
    count = std::min(count, lineCount() - std::min(first, lineCount()));
    if (count == 0) return shown;
    std::vector<std::uint8_t> bytes(count * kBytesPerLine);
    const std::size_t got = file_->read(first * kBytesPerLine, bytes.data(), bytes.size());
    for (std::size_t at = 0; at < got; at += kBytesPerLine) {
        const int n = static_cast<int>(std::min<std::size_t>(kBytesPerLine, got - at));
        char line[kMaxDumpLine];
        const std::uint64_t offset = first * kBytesPerLine + at;
        const int length = dumpLine(line, offset, bytes.data() + at, n);
        shown.push_back({QString::fromLatin1(line, length - 2), offset, n, {}, {}});
    }
    return shown;
}

std::uint64_t DumpLines::lineAt(std::uint64_t offset) const { return offset / kBytesPerLine; }

Place DumpLines::placeAt(const ShownLine& line, int column) const {
    if (line.byteCount <= 0) return {line.offset, false};
    const int textStart = byteColumns(line.offset, line.byteCount, 0).text;
    if (column >= textStart)
        return {line.offset + static_cast<std::uint64_t>(std::min(column - textStart, line.byteCount - 1)), true};
    // The byte whose two digits (and the blank after them) the column falls on.
    int k = 0;
    while (k + 1 < line.byteCount && byteColumns(line.offset, line.byteCount, k + 1).hex <= column) ++k;
    return {line.offset + static_cast<std::uint64_t>(k), false};
}

int DumpLines::columnOf(const ShownLine& line, std::uint64_t offset, bool printable) const {
    const int k = static_cast<int>(std::min<std::uint64_t>(offset - std::min(offset, line.offset),
                                                           std::max(0, line.byteCount - 1)));
    const ByteColumns columns = byteColumns(line.offset, std::max(1, line.byteCount), k);
    return printable ? columns.text : columns.hex;
}

std::uint64_t DumpLines::unitAt(std::uint64_t offset) const {
    const std::uint64_t size = file_->size();
    return std::min(offset, size > 0 ? size - 1 : 0);
}

std::uint64_t DumpLines::previousUnit(std::uint64_t offset) const { return offset > 0 ? offset - 1 : 0; }

std::uint64_t DumpLines::nextUnit(std::uint64_t offset) const {
    const std::uint64_t size = file_->size();
    return offset + 1 < size ? offset + 1 : offset;
}

std::uint64_t DumpLines::lineFirst(std::uint64_t line) const { return line * kBytesPerLine; }

std::uint64_t DumpLines::lineLast(std::uint64_t line) const {
    const std::uint64_t size = file_->size();
    return std::min(line * kBytesPerLine + kBytesPerLine - 1, size > 0 ? size - 1 : 0);
}

std::uint64_t DumpLines::copySize(std::uint64_t from, std::uint64_t to, bool printable) const {
    to = std::min(to, file_->size());
    if (from >= to) return 0;
    const std::uint64_t count = to - from;
    return printable ? count : 3 * count - 1;
}

QString DumpLines::copyText(std::uint64_t from, std::uint64_t to, bool printable) const {
    // The pairs as the dump writes them, one blank between any two; the
    // characters as the printable column shows them.
    char line[kMaxDumpLine];
    QString text;
    std::uint8_t block[4096];
    for (std::uint64_t at = from; at < to;) {
        const std::size_t got = file_->read(at, block, static_cast<std::size_t>(std::min<std::uint64_t>(sizeof block, to - at)));
        if (got == 0) break;
        for (std::size_t k = 0; k < got; k += kBytesPerLine) {
            const int n = static_cast<int>(std::min<std::size_t>(kBytesPerLine, got - k));
            dumpLine(line, 0, block + k, n);
            for (int j = 0; j < n; ++j) {
                const ByteColumns columns = byteColumns(0, n, j);
                if (printable) {
                    text += QLatin1Char(line[columns.text]);
                } else {
                    if (!text.isEmpty()) text += QLatin1Char(' ');
                    text += QLatin1String(line + columns.hex, 2);
                }
            }
        }
        at += got;
    }
    return text;
}

std::vector<std::pair<int, int>> DumpLines::spans(const ShownLine& line, std::uint64_t from,
                                                  std::uint64_t to) const {
    std::vector<std::pair<int, int>> found;
    const std::uint64_t begin = std::max(from, line.offset);
    const std::uint64_t end = std::min(to, line.offset + line.byteCount);
    for (std::uint64_t at = begin; at < end; ++at) {
        const ByteColumns columns = byteColumns(line.offset, line.byteCount, static_cast<int>(at - line.offset));
        found.push_back({columns.hex, 2});
        found.push_back({columns.text, 1});
    }
    return found;
}

TextLines::TextLines(std::shared_ptr<const MappedFile> file)
    : ViewLines(std::move(file)), index_(std::make_unique<LineIndex>(file_)) {
    index_->start();
}

TextLines::~TextLines() = default;

std::uint64_t TextLines::lineCount() const { return index_->lineCount(); }

std::vector<ShownLine> TextLines::lines(std::uint64_t first, std::uint64_t count) const {
    std::vector<ShownLine> shown;
    std::vector<std::uint8_t> bytes;
    for (const LineRange& range : index_->lines(first, count)) {
        bytes.resize(range.end - range.start);
        const std::size_t got = file_->read(range.start, bytes.data(), bytes.size());
        ShownLine line;
        line.offset = range.start;
        line.byteCount = static_cast<int>(got);
        line.text = decodeText(bytes.data(), withoutLineEnd(bytes.data(), got), &line.columnOfByte, &line.controlColumns);
        shown.push_back(std::move(line));
    }
    return shown;
}

std::uint64_t TextLines::lineAt(std::uint64_t offset) const { return index_->lineAt(offset); }

std::vector<std::uint64_t> TextLines::unitsOf(std::uint64_t line, ShownLine* shown) const {
    std::vector<std::uint64_t> units;
    const std::vector<ShownLine> found = lines(line, 1);
    if (found.empty()) return units;
    const ShownLine& l = found.front();
    // A character's bytes share its column; the line's end is one unit more.
    for (std::size_t k = 0; k < l.columnOfByte.size(); ++k)
        if (k == 0 || l.columnOfByte[k] != l.columnOfByte[k - 1]) units.push_back(l.offset + k);
    if (units.empty() || static_cast<std::size_t>(l.byteCount) > l.columnOfByte.size())
        units.push_back(l.offset + l.columnOfByte.size());
    if (shown) *shown = l;
    return units;
}

std::vector<std::uint64_t> TextLines::unitsOfLineAt(std::uint64_t offset, ShownLine* line) const {
    return unitsOf(lineAt(offset), line);
}

Place TextLines::placeAt(const ShownLine& line, int column) const {
    std::uint64_t offset = line.offset;
    for (std::size_t k = 0; k < line.columnOfByte.size(); ++k)
        if (line.columnOfByte[k] <= column && (k == 0 || line.columnOfByte[k] != line.columnOfByte[k - 1]))
            offset = line.offset + k;
    // Past the last character: the line's end, where it has one.
    if (column >= line.text.size() && static_cast<std::size_t>(line.byteCount) > line.columnOfByte.size())
        offset = line.offset + line.columnOfByte.size();
    return {offset, false};
}

int TextLines::columnOf(const ShownLine& line, std::uint64_t offset, bool) const {
    const std::uint64_t k = offset - std::min(offset, line.offset);
    return k < line.columnOfByte.size() ? line.columnOfByte[k] : static_cast<int>(line.text.size());
}

std::uint64_t TextLines::unitAt(std::uint64_t offset) const {
    const std::vector<std::uint64_t> units = unitsOfLineAt(offset);
    const auto after = std::upper_bound(units.begin(), units.end(), offset);
    return after == units.begin() ? offset : *(after - 1);
}

std::uint64_t TextLines::unitEnd(std::uint64_t offset) const {
    ShownLine line;
    const std::vector<std::uint64_t> units = unitsOfLineAt(offset, &line);
    for (const std::uint64_t start : units)
        if (start > offset) return start;
    return std::max(offset + 1, line.offset + static_cast<std::uint64_t>(line.byteCount));
}

std::uint64_t TextLines::previousUnit(std::uint64_t offset) const {
    const std::vector<std::uint64_t> units = unitsOfLineAt(offset);
    if (!units.empty() && offset > units.front()) {
        const auto at = std::lower_bound(units.begin(), units.end(), offset);
        return *(at - 1);
    }
    const std::uint64_t line = lineAt(offset);
    return line > 0 ? lineLast(line - 1) : offset;
}

std::uint64_t TextLines::nextUnit(std::uint64_t offset) const {
    const std::vector<std::uint64_t> units = unitsOfLineAt(offset);
    const auto after = std::upper_bound(units.begin(), units.end(), offset);
    if (after != units.end()) return *after;
    const std::uint64_t line = lineAt(offset);
    return line + 1 < lineCount() ? lineFirst(line + 1) : offset;
}

std::uint64_t TextLines::lineFirst(std::uint64_t line) const {
    const std::vector<LineRange> range = index_->lines(line, 1);
    return range.empty() ? 0 : range.front().start;
}

std::uint64_t TextLines::lineLast(std::uint64_t line) const {
    const std::vector<std::uint64_t> units = unitsOf(line);
    return units.empty() ? 0 : units.back();
}

std::uint64_t TextLines::copySize(std::uint64_t from, std::uint64_t to, bool) const {
    to = std::min(to, file_->size());
    return from < to ? to - from : 0;
}

QString TextLines::copyText(std::uint64_t from, std::uint64_t to, bool) const {
    to = std::min(to, file_->size());
    if (from >= to) return {};
    QByteArray bytes(static_cast<qsizetype>(to - from), Qt::Uninitialized);
    bytes.resize(static_cast<qsizetype>(file_->read(from, bytes.data(), bytes.size())));
    return QString::fromUtf8(bytes);
}

std::vector<std::pair<int, int>> TextLines::spans(const ShownLine& line, std::uint64_t from,
                                                  std::uint64_t to) const {
    std::vector<std::pair<int, int>> found;
    const std::uint64_t lineEnd = line.offset + line.columnOfByte.size();
    const std::uint64_t begin = std::max(from, line.offset);
    const std::uint64_t end = std::min(to, lineEnd);
    if (begin < end) {
        const int first = line.columnOfByte[begin - line.offset];
        const auto lastByte = static_cast<std::size_t>(end - 1 - line.offset);
        int after = static_cast<int>(line.text.size());
        for (std::size_t k = lastByte + 1; k < line.columnOfByte.size(); ++k)
            if (line.columnOfByte[k] > line.columnOfByte[lastByte]) {
                after = line.columnOfByte[k];
                break;
            }
        found.push_back({first, std::max(1, after - first)});
    }
    // The line's end, a unit of its own, stands just after the text.
    const bool hasEnd = static_cast<std::size_t>(line.byteCount) > line.columnOfByte.size();
    if (hasEnd && from <= lineEnd && lineEnd < to) found.push_back({static_cast<int>(line.text.size()), 1});
    return found;
}

}  // namespace hexview
