// How the view's lines place the cursor where the dump is clicked, and how
// long what a selection copies is said to be before it is made.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QThread>
#include <fstream>
#include <memory>
#include <string>

#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/ViewLines.h"

namespace {

using namespace hexview;

class Lines : public ::testing::Test {
protected:
    std::shared_ptr<MappedFile> open(const std::string& bytes) {
        const std::string path = dir_.filePath(QString::number(++count_)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return std::make_shared<MappedFile>(path);
    }
    QTemporaryDir dir_;
    int count_ = 0;
};

// Every byte of the dump is reached by a click on its own column, both of them.
TEST_F(Lines, DumpClicksReachTheirByte) {
    std::string bytes(16 * 3 + 5, 'x');
    const DumpLines lines(open(bytes));
    for (const ShownLine& line : lines.lines(0, 4))
        for (std::uint64_t offset = line.offset; offset < line.offset + line.byteCount; ++offset)
            for (const bool printable : {false, true}) {
                const Place place = lines.placeAt(line, lines.columnOf(line, offset, printable));
                EXPECT_EQ(place.offset, offset);
                EXPECT_EQ(place.printable, printable);
            }
}

// What a selection copies is as long as said beforehand (the refusal of large copies rests on it).
TEST_F(Lines, CopiesAsLongAsTold) {
    std::string bytes;
    for (int k = 0; k < 300; ++k) bytes += static_cast<char>(k * 37);
    bytes += "caf\xC3\xA9\r\n\xE2\x82\xAC\n";
    const DumpLines dump(open(bytes));
    const TextLines text(open(bytes));
    while (!text.index().complete()) QThread::msleep(1);
    const std::uint64_t size = bytes.size();
    const struct { std::uint64_t from, to; } ranges[] = {{0, 1}, {0, 16}, {15, 17}, {3, 290}, {0, size}, {7, 7}};
    for (const auto& r : ranges) {
        for (const bool printable : {false, true}) {
            const QString copied = dump.copyText(r.from, r.to, printable);
            EXPECT_EQ(dump.copySize(r.from, r.to, printable), std::uint64_t(copied.toUtf8().size()));
            EXPECT_EQ(std::uint64_t(copied.size()), printable ? r.to - r.from : r.to > r.from ? 3 * (r.to - r.from) - 1 : 0);
        }
        EXPECT_EQ(text.copySize(r.from, r.to, false), r.to - r.from);
    }
}

// A text line's characters and its end are marked where they stand, so the
// cursor and the selection show on a line's end too.
TEST_F(Lines, TextSpansReachTheLineEnd) {
    const TextLines text(open("a\xC3\xA9z\r\nlast"));
    while (!text.index().complete()) QThread::msleep(1);
    const ShownLine first = text.lines(0, 1).front(), last = text.lines(1, 1).front();
    using Spans = std::vector<std::pair<int, int>>;
    const struct { const ShownLine* line; std::uint64_t from, to; Spans spans; } cases[] = {
        {&first, 1, 3, {{1, 1}}},          {&first, 0, 4, {{0, 3}}},
        {&first, 4, 5, {{3, 1}}},          {&first, 2, 7, {{1, 2}, {3, 1}}},
        {&last, 6, 7, {{0, 1}}},           {&last, 9, 10, {{3, 1}}},
        {&last, 10, 11, {}},               {&first, 6, 7, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(text.spans(*c.line, c.from, c.to), c.spans) << c.from << ".." << c.to;
}

}  // namespace
