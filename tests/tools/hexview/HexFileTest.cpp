// The file behind the view: reading a file that changes under it, the text
// lines' index, what is typed to find or go to, the text as saved.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Error.h"
#include "tools/hexview/DumpWriter.h"
#include "tools/hexview/Find.h"
#include "tools/hexview/LineIndex.h"
#include "tools/hexview/MappedFile.h"
#include "tools/hexview/Utf8Text.h"

namespace {

using namespace hexview;

class Files {
public:
    std::string make(const std::string& bytes, std::uint64_t sparseSize = 0) {
        const std::string path = dir_.filePath(QString::number(++count_)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        if (sparseSize) {
            EXPECT_EQ(::truncate(path.c_str(), static_cast<off_t>(sparseSize)), 0);
        }
        return path;
    }
    std::string read(const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    QStringList names() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    std::string folder() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    int count_ = 0;
};

std::vector<std::string> indexedLines(const std::string& path, std::uint64_t first = 0) {
    auto file = std::make_shared<MappedFile>(path);
    LineIndex index(file);
    index.runToEnd();
    EXPECT_TRUE(index.complete());
    std::vector<std::string> lines;
    for (const LineRange& r : index.lines(first, index.lineCount())) {
        std::string bytes(r.end - r.start, '\0');
        file->read(r.start, bytes.data(), bytes.size());
        lines.push_back(bytes);
        const std::uint64_t number = first + lines.size() - 1;
        if (number % 61 > 2 && number > 70) continue;  // a sample is enough
        EXPECT_EQ(index.lineAt(r.start), number);
        EXPECT_EQ(index.lineAt(r.end - 1), number);
    }
    return lines;
}

TEST(LineIndex, LinesOfTexts) {
    const std::string e = "\xC3\xA9";  // é, two bytes
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty", "", {}},
        {"one line", "a\n", {"a\n"}},
        {"no last feed", "a\n\nb", {"a\n", "\n", "b"}},
        {"CR LF", "a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"too long", std::string(5000, 'x') + "\n", {std::string(4096, 'x'), std::string(904, 'x') + "\n"}},
        {"a character across the split", std::string(4095, 'x') + e + "y",
         {std::string(4095, 'x'), e + "y"}},
    };
    Files files;
    for (const auto& c : cases) EXPECT_EQ(indexedLines(files.make(c.text)), c.lines) << c.what;

    // Thousands of lines, looked up from the middle (between two kept starts).
    std::string many;
    for (int k = 0; k < 3000; ++k) many += std::to_string(k) + (k % 7 ? "\n" : "\r\n");
    const std::vector<std::string> tail = indexedLines(files.make(many), 1000);
    ASSERT_EQ(tail.size(), 2000u);
    EXPECT_EQ(tail.front(), "1000\n");
    EXPECT_EQ(tail.back(), "2999\n");
}

// A file cut short or grown after it was opened: reads stop at its end now,
// and what it grew by is read too.
TEST(MappedFile, FileChangesSizeWhileOpen) {
    Files files;
    const std::string path = files.make(std::string(3 * 4096, 'a'));
    const MappedFile file(path);
    EXPECT_TRUE(file.mapped());
    char buffer[8192];
    ASSERT_EQ(::truncate(path.c_str(), 100), 0);
    EXPECT_EQ(file.size(), 100u);
    EXPECT_EQ(file.read(0, buffer, sizeof buffer), 100u);
    EXPECT_EQ(file.read(8192, buffer, sizeof buffer), 0u);
    EXPECT_FALSE(findForward(file, "a", 200).offset);
    std::ofstream(path, std::ios::app) << std::string(20000, 'b');
    EXPECT_EQ(file.read(20000, buffer, sizeof buffer), 100u);
    EXPECT_EQ(buffer[99], 'b');
    EXPECT_THROW(MappedFile(files.folder()), OpenError);
    EXPECT_THROW(MappedFile(files.folder() + "/missing"), OpenError);
}

// Sources that tell no size are taken into memory, as far as a limit.
TEST(MappedFile, StreamsAreTakenIn) {
    Files files;
    std::vector<int> pipes;
    // An unnamed pipe holding `bytes`, its writer gone.
    const auto pipeOf = [&](const std::string& bytes) {
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        EXPECT_EQ(::write(ends[1], bytes.data(), bytes.size()), ssize_t(bytes.size()));
        ::close(ends[1]);
        pipes.push_back(ends[0]);
        return "/proc/self/fd/" + std::to_string(ends[0]);
    };
    const struct {
        std::string path;
        std::uint64_t limit;
        bool stream;
        MappedFile::Taken taken;
        std::string bytes;
    } cases[] = {
        {pipeOf("hello"), 5, true, MappedFile::Taken::Whole, "hello"},
        {pipeOf("hello"), 4, true, MappedFile::Taken::Cut, "hell"},
        {pipeOf(""), 4, true, MappedFile::Taken::Whole, ""},
        {"/proc/self/cmdline", 1 << 20, true, MappedFile::Taken::Whole, files.read("/proc/self/cmdline")},
        {files.make(""), 5, false, MappedFile::Taken::Whole, ""},  // empty, and may grow: a file
    };
    for (const auto& c : cases) {
        MappedFile file(c.path);
        EXPECT_EQ(file.stream(), c.stream) << c.path;
        if (!c.stream) continue;
        EXPECT_EQ(file.take(c.limit, [](std::uint64_t) { return true; }), c.taken) << c.path;
        std::string bytes(c.bytes.size() + 1, 'x');
        bytes.resize(file.read(0, bytes.data(), bytes.size()));
        EXPECT_EQ(bytes, c.bytes) << c.path;
    }
    for (const int fd : pipes) ::close(fd);
    // Asked to stop, the reading keeps what it had.
    MappedFile zero("/dev/zero");
    EXPECT_EQ(zero.take(1 << 30, [](std::uint64_t count) { return count == 0; }), MappedFile::Taken::Stopped);
    EXPECT_GT(zero.size(), 0u);
    EXPECT_LE(zero.size(), 1u << 20);
}

TEST(Find, TypedBytesAndOffsets) {
    const struct {
        const char* typed;
        std::string bytes;
    } hex[] = {{"DE AD BE EF", "\xDE\xAD\xBE\xEF"}, {"deadbeef", "\xDE\xAD\xBE\xEF"}, {" 00,0a ", std::string("\0\n", 2)},
               {"D", ""}, {"DEA D", ""}, {"XY", ""}, {"", ""}, {"0x12", ""}};
    for (const auto& c : hex) {
        if (c.bytes.empty()) EXPECT_THROW(parseHexBytes(c.typed), kv::Error) << c.typed;
        else EXPECT_EQ(parseHexBytes(c.typed), c.bytes) << c.typed;
    }
    const struct {
        const char* typed;
        std::uint64_t offset;
        bool valid;
    } offsets[] = {{"1F", 31, true},  {"0x1f", 31, true},  {" $1F ", 31, true},
                   {"#31", 31, true}, {"FFFFFFFFFFFFFFFF", ~0ull, true},
                   {"#1F", 0, false}, {"", 0, false},      {"10000000000000000", 0, false}, {"0x", 0, false}};
    for (const auto& c : offsets) {
        if (c.valid) EXPECT_EQ(parseOffset(c.typed), c.offset) << c.typed;
        else EXPECT_THROW(parseOffset(c.typed), kv::Error) << c.typed;
    }
}

TEST(Find, AcrossBlocksInLargeFiles) {
    Files files;
    // A sparse file of 40 MiB with the bytes across the border of two blocks of the search.
    const std::string path = files.make("", 40 << 20);
    {
        const int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_EQ(::pwrite(fd, "\xDE\xAD\xBE\xEF", 4, (16 << 20) - 2), 4);
        ASSERT_EQ(::pwrite(fd, "needle", 6, (40 << 20) - 6), 6);
        ::close(fd);
    }
    const MappedFile file(path);
    const struct {
        std::string pattern;
        std::uint64_t from;
        std::optional<std::uint64_t> found;
    } cases[] = {{"\xDE\xAD\xBE\xEF", 0, (16 << 20) - 2}, {"\xDE\xAD\xBE\xEF", (16 << 20) - 1, std::nullopt},
                 {"needle", 5, (40 << 20) - 6},            {"needles", 0, std::nullopt},
                 {std::string(3, '\0'), 7, 7}};
    for (const auto& c : cases) EXPECT_EQ(findForward(file, c.pattern, c.from).offset, c.found) << c.pattern;
    std::atomic<bool> stop{true};
    EXPECT_TRUE(findForward(file, "needle", 0, &stop).stopped);
}

TEST(Utf8Text, InvalidBytesStayVisible) {
    const struct {
        std::string bytes;
        QString shown;
        std::vector<int> columns;
        std::vector<int> controls;
    } cases[] = {
        {"a\xC3\xA9z", QStringLiteral("a\u00E9z"), {0, 1, 1, 2}, {}},
        {"\xFF" "a", QStringLiteral("\uFFFDa"), {0, 1}, {}},
        {"\xC3", QStringLiteral("\uFFFD"), {0}, {}},
        {"\xC0\xAF", QStringLiteral("\uFFFD\uFFFD"), {0, 1}, {}},
        {"\xED\xA0\x80", QStringLiteral("\uFFFD\uFFFD\uFFFD"), {0, 1, 2}, {}},
        {"\xF0\x9F\x98\x80!", QStringLiteral("\U0001F600!"), {0, 0, 0, 0, 2}, {}},
        {std::string("\0\x1b\x7f", 3), QStringLiteral("^@^[^?"), {0, 2, 4}, {0, 2, 4}},
        {"a\x1f^b\x01", QStringLiteral("a^_^b^A"), {0, 1, 3, 4, 5}, {1, 5}},
        {"ab\tc", QStringLiteral("ab      c"), {0, 1, 2, 8}, {}},
        {"\x01\tc", QStringLiteral("^A      c"), {0, 2, 8}, {0}},
        // A byte-order mark is a character like any other, not dropped.
        {"\xEF\xBB\xBF" "a", QStringLiteral("\uFEFFa"), {0, 0, 0, 1}, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> columns, controls{99};
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        EXPECT_EQ(decodeText(bytes, c.bytes.size(), &columns, &controls), c.shown) << c.bytes;
        EXPECT_EQ(columns, c.columns) << c.bytes;
        EXPECT_EQ(controls, c.controls) << c.bytes;
    }
}

TEST(DumpWriter, TextLinesEndInCrLf) {
    const struct {
        std::string text;
        std::string saved;
    } cases[] = {{"", ""}, {"a\nb", "a\r\nb\r\n"}, {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\r", "a\r\n"}, {"\n\n", "\r\n\r\n"},
                 {std::string(3 << 20, 'q') + "\n", std::string(3 << 20, 'q') + "\r\n"}};
    Files files;
    for (const auto& c : cases) {
        const MappedFile file(files.make(c.text));
        const std::string target = files.folder() + "/saved.txt";
        saveReplacing(target, [&](OutputBuffer& out) { writeText(file, out); });
        EXPECT_EQ(files.read(target), c.saved) << c.text.substr(0, 20);
    }
}

// A write that fails leaves the file that was there, and nothing else.
TEST(DumpWriter, FailedSaveLeavesNoPartialFile) {
    Files files;
    const std::string target = files.make("old");
    const QStringList before = files.names();
    EXPECT_THROW(saveReplacing(target,
                               [](OutputBuffer& out) {
                                   out.put("new", 3);
                                   out.flush();
                                   throw kv::Error("disk full");
                               }),
                 kv::Error);
    EXPECT_EQ(files.read(target), "old");
    EXPECT_EQ(files.names(), before);
    EXPECT_THROW(saveReplacing(files.folder() + "/no/such/folder.txt", [](OutputBuffer&) {}), kv::Error);
    OutputBuffer full(::open("/dev/full", O_WRONLY), "/dev/full");
    full.put("x", 1);
    EXPECT_THROW(full.flush(), kv::Error);
}

}  // namespace
