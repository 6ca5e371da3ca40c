#pragma once
// What the view shows of a file, line by line, made only for the lines asked
// for: the dump (line k holds the bytes from k × 16) or the text (lines from
// the background index); where a click or a key puts the cursor; what a
// selection copies.
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hexview {

class LineIndex;
class MappedFile;

struct ShownLine {
    QString text;
    std::uint64_t offset = 0;  // of the line's first byte
    int byteCount = 0;
    std::vector<int> columnOfByte;  // text lines: where each byte's character starts
    std::vector<int> controlColumns;  // text lines: where each control character's caret pair starts
};

// Whether a file opens as the dump: its extension is registered for the
// conversion, or else its first block is no text (it holds a NUL byte).
bool opensAsDump(const std::string& fileName, const MappedFile& file);

// Where the cursor is: a byte (the dump) or a character's first byte (text),
// and in the dump whether it stands in the printable column.
struct Place {
    std::uint64_t offset = 0;
    bool printable = false;
};

// The cursor and the selection move by units: a byte of the dump; a
// character of text, where a line's end (its CR LF or LF) counts as one.
// Units are named by their first byte's offset.
class ViewLines {
public:
    virtual ~ViewLines() = default;
    virtual bool isDump() const = 0;
    virtual std::uint64_t lineCount() const = 0;
    // Lines first.. (at most `count`).
    virtual std::vector<ShownLine> lines(std::uint64_t first, std::uint64_t count) const = 0;
    // The line that holds the byte at `offset`.
    virtual std::uint64_t lineAt(std::uint64_t offset) const = 0;
    // The character spans (start, length) that show the bytes from..to-1 of `line`.
    virtual std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                                   std::uint64_t to) const = 0;

    // The unit a click at character `column` of `line` reaches.
    virtual Place placeAt(const ShownLine& line, int column) const = 0;
    // The character column of the unit at `offset` on `line`.
    virtual int columnOf(const ShownLine& line, std::uint64_t offset, bool printable) const = 0;
    // The unit that holds the byte at `offset`, and where it ends.
    virtual std::uint64_t unitAt(std::uint64_t offset) const = 0;
    virtual std::uint64_t unitEnd(std::uint64_t offset) const = 0;
    // The units before and after the one at `offset`; the first and the last stay where they are.
    virtual std::uint64_t previousUnit(std::uint64_t offset) const = 0;
    virtual std::uint64_t nextUnit(std::uint64_t offset) const = 0;
    // The first and the last unit of `line`.
    virtual std::uint64_t lineFirst(std::uint64_t line) const = 0;
    virtual std::uint64_t lineLast(std::uint64_t line) const = 0;

    // The length in bytes (UTF-8) of the text the bytes from..to-1 copy to,
    // found without making it: the hex pairs or the printable characters of
    // the dump, the characters of text.
    virtual std::uint64_t copySize(std::uint64_t from, std::uint64_t to, bool printable) const = 0;
    // That text as it goes to the clipboard.
    virtual QString copyText(std::uint64_t from, std::uint64_t to, bool printable) const = 0;
    const MappedFile& file() const { return *file_; }

protected:
    explicit ViewLines(std::shared_ptr<const MappedFile> file) : file_(std::move(file)) {}
    std::shared_ptr<const MappedFile> file_;
};

class DumpLines : public ViewLines {
public:
    explicit DumpLines(std::shared_ptr<const MappedFile> file) : ViewLines(std::move(file)) {}
    bool isDump() const override { return true; }
    std::uint64_t lineCount() const override;
    std::vector<ShownLine> lines(std::uint64_t first, std::uint64_t count) const override;
    std::uint64_t lineAt(std::uint64_t offset) const override;
    std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                           std::uint64_t to) const override;
    Place placeAt(const ShownLine& line, int column) const override;
    int columnOf(const ShownLine& line, std::uint64_t offset, bool printable) const override;
    std::uint64_t unitAt(std::uint64_t offset) const override;
    std::uint64_t unitEnd(std::uint64_t offset) const override { return offset + 1; }
    std::uint64_t previousUnit(std::uint64_t offset) const override;
    std::uint64_t nextUnit(std::uint64_t offset) const override;
    std::uint64_t lineFirst(std::uint64_t line) const override;
    std::uint64_t lineLast(std::uint64_t line) const override;
    std::uint64_t copySize(std::uint64_t from, std::uint64_t to, bool printable) const override;
    QString copyText(std::uint64_t from, std::uint64_t to, bool printable) const override;
};

class TextLines : public ViewLines {
public:
    // Starts indexing the file's lines in the background.
    explicit TextLines(std::shared_ptr<const MappedFile> file);
    ~TextLines() override;
    bool isDump() const override { return false; }
    std::uint64_t lineCount() const override;
    std::vector<ShownLine> lines(std::uint64_t first, std::uint64_t count) const override;
    std::uint64_t lineAt(std::uint64_t offset) const override;
    std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                           std::uint64_t to) const override;
    Place placeAt(const ShownLine& line, int column) const override;
    int columnOf(const ShownLine& line, std::uint64_t offset, bool printable) const override;
    std::uint64_t unitAt(std::uint64_t offset) const override;
    std::uint64_t unitEnd(std::uint64_t offset) const override;
    std::uint64_t previousUnit(std::uint64_t offset) const override;
    std::uint64_t nextUnit(std::uint64_t offset) const override;
    std::uint64_t lineFirst(std::uint64_t line) const override;
    std::uint64_t lineLast(std::uint64_t line) const override;
    std::uint64_t copySize(std::uint64_t from, std::uint64_t to, bool printable) const override;
    QString copyText(std::uint64_t from, std::uint64_t to, bool printable) const override;
    const LineIndex& index() const { return *index_; }

private:
    // The line holding `offset` and the offsets where its units start.
    std::vector<std::uint64_t> unitsOfLineAt(std::uint64_t offset, ShownLine* line = nullptr) const;
    std::vector<std::uint64_t> unitsOf(std::uint64_t line, ShownLine* shown = nullptr) const;

    std::unique_ptr<LineIndex> index_;
};

}  // namespace hexview
