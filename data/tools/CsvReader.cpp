#include "data/tools/CsvReader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace dbfgen {

void failAt(const std::string& file, int line, int column, const std::string& fault) {
    throw SourceError(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + fault);
}

std::string readSourceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path + ": cannot open: " + std::strerror(errno));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw SourceError(path + ": cannot read: " + std::strerror(errno));
    return bytes.str();
}

namespace {

// Length of the UTF-8 sequence at `at`, 0 when it is malformed (overlong forms,
// surrogates and values past U+10FFFF included).
std::size_t sequenceLength(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else return 0;
    if (at + length > s.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

class Parser {
public:
    Parser(std::string_view text, const std::string& name) : text_(text), name_(name) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    }

    std::vector<CsvRecord> records() {
        std::vector<CsvRecord> out;
        while (pos_ < text_.size()) {
            if (blankLine() || peek() == '#') {
                skipLine();
                continue;
            }
            out.push_back(record());
        }
        return out;
    }

private:
    char peek() const { return text_[pos_]; }
    bool atLineEnd() const {
        return peek() == '\n' || (peek() == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
    }
    [[noreturn]] void fail(const std::string& fault) const { failAt(name_, line_, column_, fault); }
    bool blankLine() const {
        std::size_t at = pos_;
        while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t' || text_[at] == '\r')) ++at;
        return at == text_.size() || text_[at] == '\n';
    }

    // Moves over one character, checking that it is valid UTF-8.
    void advance() {
        if (peek() == '\n') {
            ++pos_;
            ++line_;
            column_ = 1;
            return;
        }
        const std::size_t length = sequenceLength(text_, pos_);
        if (length == 0) fail("invalid UTF-8");
        pos_ += length;
        ++column_;
    }
    void skipLine() {
        while (pos_ < text_.size() && peek() != '\n') advance();
        if (pos_ < text_.size()) advance();
    }
    void endLine() {
        if (peek() == '\r') advance();
        advance();
    }

    CsvRecord record() {
        CsvRecord record;
        record.line = line_;
        for (;;) {
            record.cells.push_back(cell());
            if (pos_ >= text_.size()) break;
            if (atLineEnd()) {
                endLine();
                break;
            }
            advance();  // the comma
        }
        return record;
    }

    CsvCell cell() {
        CsvCell cell;
        cell.line = line_;
        cell.column = column_;
        if (pos_ < text_.size() && peek() == '"') return quoted(cell);
        while (pos_ < text_.size() && peek() != ',' && !atLineEnd()) {
            if (peek() == '"') fail("a quote inside an unquoted field (quote the whole field and double the quote)");
            const std::size_t start = pos_;
            advance();
            cell.text.append(text_.substr(start, pos_ - start));
        }
        return cell;
    }

    CsvCell quoted(CsvCell cell) {
        advance();
        for (;;) {
            if (pos_ >= text_.size()) failAt(name_, cell.line, cell.column, "quoted field not closed");
            if (peek() == '"') {
                advance();
                if (pos_ < text_.size() && peek() == '"') {
                    cell.text += '"';
                    advance();
                    continue;
                }
                if (pos_ < text_.size() && peek() != ',' && !atLineEnd())
                    fail("unexpected character after the closing quote");
                return cell;
            }
            if (atLineEnd() && peek() == '\r') advance();  // CRLF inside a field reads as LF
            const std::size_t start = pos_;
            advance();
            cell.text.append(text_.substr(start, pos_ - start));
        }
    }

    std::string_view text_;
    const std::string& name_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
};

}  // namespace

std::vector<CsvRecord> parseCsv(std::string_view text, const std::string& name) {
    return Parser(text, name).records();
}

std::vector<CsvRecord> readCsvFile(const std::string& path) {
    return parseCsv(readSourceFile(path), path);
}

}  // namespace dbfgen
