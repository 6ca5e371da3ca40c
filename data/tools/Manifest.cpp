#include "data/tools/Manifest.h"

#include <charconv>
#include <set>

#include "data/dbase/CodePages.h"
#include "data/tools/CsvReader.h"

namespace dbfgen {

namespace {

struct Word {
    std::string text;
    int column;
};

std::vector<Word> splitWords(std::string_view line) {
    std::vector<Word> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t' && line[at] != '\r') ++at;
        words.push_back({std::string(line.substr(start, at - start)), static_cast<int>(start) + 1});
    }
    return words;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// File names are written beside each other in one directory: no paths.
bool plainFileName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::string stem(const std::string& file) { return lower(file.substr(0, file.rfind('.'))); }

class LineParser {
public:
    LineParser(const std::string& name, int line, std::vector<Word> words)
        : name_(name), line_(line), words_(std::move(words)) {}

    ManifestEntry parse() {
        if (words_.size() < 4) fail(words_.back(), "a table needs: <output file> <csv file> cp<code page> dbase<3|4>");
        ManifestEntry entry;
        entry.line = line_;
        entry.table = fileName(words_[0]);
        entry.csv = fileName(words_[1]);
        entry.codePage = codePage(words_[2]);
        entry.version = version(words_[3]);
        if (words_.size() == 4) return entry;

        entry.mdx = fileName(words_[4]);
        entry.mdxColumn = words_[4].column;
        if (lower(entry.mdx.substr(entry.mdx.rfind('.') + 1)) != "mdx" || entry.mdx.find('.') == std::string::npos)
            fail(words_[4], "a production index file ends in .MDX");
        if (stem(entry.mdx) != stem(entry.table))
            fail(words_[4], "a production index has the stem of its table (" + entry.table + ")");
        if (entry.version != 4) fail(words_[3], "only dBASE IV tables have a production index");
        if (words_.size() == 5) fail(words_[4], "a production index needs at least one tag");
        std::set<std::string> names;
        for (std::size_t i = 5; i < words_.size(); ++i) {
            entry.tags.push_back(tag(words_[i]));
            if (!names.insert(entry.tags.back().name).second) fail(words_[i], "tag " + entry.tags.back().name + " appears twice");
        }
        return entry;
    }

private:
    [[noreturn]] void fail(const Word& word, const std::string& fault) const { failAt(name_, line_, word.column, fault); }

    std::string fileName(const Word& word) const {
        if (!plainFileName(word.text)) fail(word, "\"" + word.text + "\" is not a file name");
        return word.text;
    }
    int codePage(const Word& word) const {
        int page = 0;
        const std::string& t = word.text;
        const bool number = t.size() > 2 && t.compare(0, 2, "cp") == 0 &&
                            std::from_chars(t.data() + 2, t.data() + t.size(), page).ptr == t.data() + t.size();
        if (!number || !dbase::codePageSupported(page)) fail(word, "\"" + t + "\" is no supported code page (as cp1252)");
        return page;
    }
    int version(const Word& word) const {
        if (word.text == "dbase3") return 3;
        if (word.text == "dbase4") return 4;
        fail(word, "\"" + word.text + "\" is neither dbase3 nor dbase4");
    }
    ManifestTag tag(const Word& word) const {
        ManifestTag tag;
        tag.column = word.column;
        const std::size_t equals = word.text.find('=');
        if (equals == std::string::npos || equals == 0) fail(word, "a tag is written TAG=expression, not \"" + word.text + "\"");
        tag.name = word.text.substr(0, equals);
        tag.expression = word.text.substr(equals + 1);
        for (;;) {
            const std::size_t n = tag.expression.size();
            if (n >= 2 && tag.expression.compare(n - 2, 2, "/D") == 0) tag.descending = true;
            else if (n >= 2 && tag.expression.compare(n - 2, 2, "/U") == 0) tag.unique = true;
            else break;
            tag.expression.resize(n - 2);
        }
        if (tag.expression.empty()) fail(word, "tag " + tag.name + " has no key expression");
        return tag;
    }

    const std::string& name_;
    int line_;
    std::vector<Word> words_;
};

}  // namespace

std::vector<ManifestEntry> parseManifest(std::string_view text, const std::string& name) {
    std::vector<ManifestEntry> entries;
    std::set<std::string> tables;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        std::vector<Word> words = splitWords(line);
        if (words.empty() && line.find_first_not_of('\r') == std::string_view::npos) continue;
        if (line[0] == '#') continue;
        // The build script reads the lines too, and takes any line not starting
        // with '#' for a table: a line must start with its first word.
        if (line[0] == ' ' || line[0] == '\t' || words.empty())
            failAt(name, number, 1, "a table line starts with its output file in column 1");
        const Word first = words[0];
        entries.push_back(LineParser(name, number, std::move(words)).parse());
        if (!tables.insert(lower(entries.back().table)).second)
            failAt(name, number, first.column, "table " + entries.back().table + " is listed twice");
    }
    return entries;
}

}  // namespace dbfgen
