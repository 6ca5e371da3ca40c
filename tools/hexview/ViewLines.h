#pragma once
// What the view shows of a file, line by line, made only for the lines asked
// for: the dump (line k holds the bytes from k × 16) or the text (lines from
// the background index).
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

class ViewLines {
public:
    virtual ~ViewLines() = default;
    virtual bool isDump() const = 0;
    virtual std::uint64_t lineCount() const = 0;
    // Lines first.. (at most `count`).
    virtual std::vector<ShownLine> lines(std::uint64_t first, std::uint64_t count) const = 0;
    // The line that holds the byte at `offset`.
    virtual std::uint64_t lineAt(std::uint64_t offset) const = 0;
    // The length in bytes (UTF-8) of the text of lines first..last, as copied.
    virtual std::uint64_t copySize(std::uint64_t first, std::uint64_t last) const = 0;
    // The text of lines first..last as it goes to the clipboard.
    virtual QString copyText(std::uint64_t first, std::uint64_t last) const = 0;
    // The character spans (start, length) that show the bytes from..to-1 of `line`.
    virtual std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                                   std::uint64_t to) const = 0;
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
    std::uint64_t copySize(std::uint64_t first, std::uint64_t last) const override;
    QString copyText(std::uint64_t first, std::uint64_t last) const override;
    std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                           std::uint64_t to) const override;
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
    std::uint64_t copySize(std::uint64_t first, std::uint64_t last) const override;
    QString copyText(std::uint64_t first, std::uint64_t last) const override;
    std::vector<std::pair<int, int>> spans(const ShownLine& line, std::uint64_t from,
                                           std::uint64_t to) const override;
    const LineIndex& index() const { return *index_; }

private:
    std::unique_ptr<LineIndex> index_;
};

}  // namespace hexview
