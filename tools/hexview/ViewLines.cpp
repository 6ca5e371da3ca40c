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

std::uint64_t DumpLines::copySize(std::uint64_t first, std::uint64_t last) const {
    const std::uint64_t size = file_->size();
    last = std::min(last, lineCount() - 1);
    if (lineCount() == 0 || first > last) return 0;
    // Full lines have one length for each width of the offset; only the
    // file's last line may be shorter.
    std::uint64_t total = 0;
    for (std::uint64_t line = first; line <= last;) {
        const std::uint64_t offset = line * kBytesPerLine;
        // The first line whose offset needs one digit more.
        int digits = 5;
        while (digits < 16 && (std::uint64_t{1} << (4 * digits)) <= offset) ++digits;
        const std::uint64_t nextWidth = digits >= 16 ? last + 1 : (std::uint64_t{1} << (4 * digits)) / kBytesPerLine;
        const std::uint64_t end = std::min(last + 1, nextWidth);
        total += (end - line) * static_cast<std::uint64_t>(dumpLineLength(offset, kBytesPerLine));
        line = end;
    }
    const std::uint64_t tail = size % kBytesPerLine;
    if (tail != 0 && last == lineCount() - 1)
        total -= dumpLineLength(last * kBytesPerLine, kBytesPerLine) - dumpLineLength(last * kBytesPerLine, int(tail));
    return total;
}

QString DumpLines::copyText(std::uint64_t first, std::uint64_t last) const {
    QString text;
    for (std::uint64_t line = first; line <= last; line += 4096) {
        for (const ShownLine& shown : lines(line, std::min<std::uint64_t>(4096, last - line + 1)))
            text += shown.text + QLatin1String("\r\n");
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

std::uint64_t TextLines::copySize(std::uint64_t first, std::uint64_t last) const {
    const std::vector<LineRange> a = index_->lines(first, 1);
    const std::vector<LineRange> b = index_->lines(last, 1);
    if (a.empty() || b.empty()) return 0;
    return b.front().end - a.front().start;
}

QString TextLines::copyText(std::uint64_t first, std::uint64_t last) const {
    const std::vector<LineRange> a = index_->lines(first, 1);
    const std::vector<LineRange> b = index_->lines(last, 1);
    if (a.empty() || b.empty()) return {};
    QByteArray bytes(static_cast<qsizetype>(b.front().end - a.front().start), Qt::Uninitialized);
    bytes.resize(static_cast<qsizetype>(file_->read(a.front().start, bytes.data(), bytes.size())));
    return QString::fromUtf8(bytes);
}

std::vector<std::pair<int, int>> TextLines::spans(const ShownLine& line, std::uint64_t from,
                                                  std::uint64_t to) const {
    std::vector<std::pair<int, int>> found;
    const std::uint64_t begin = std::max(from, line.offset);
    const std::uint64_t end = std::min(to, line.offset + line.columnOfByte.size());
    if (begin >= end) return found;
    const int first = line.columnOfByte[begin - line.offset];
    const auto lastByte = static_cast<std::size_t>(end - 1 - line.offset);
    int after = static_cast<int>(line.text.size());
    for (std::size_t k = lastByte + 1; k < line.columnOfByte.size(); ++k)
        if (line.columnOfByte[k] > line.columnOfByte[lastByte]) {
            after = line.columnOfByte[k];
            break;
        }
    found.push_back({first, std::max(1, after - first)});
    return found;
}

}  // namespace hexview
