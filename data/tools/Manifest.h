#pragma once
// The list of tables the build generates, one line per table:
//   <output file> <csv file> cp<code page> dbase<3|4> [<mdx file> <TAG>=<expression>[/D][/U] ...]
// /D makes a tag descending, /U unique. Blank lines and lines starting with '#'
// are comments. The build script reads words 0 and 1 of each line too.
#include <string>
#include <string_view>
#include <vector>

namespace dbfgen {

struct ManifestTag {
    std::string name;
    std::string expression;
    bool descending = false;
    bool unique = false;
    int column = 0;  // where the tag stands on its line
};

struct ManifestEntry {
    int line = 0;
    std::string table;  // output file name, e.g. "members.DBF"
    std::string csv;
    int codePage = 1252;
    int version = 4;
    std::string mdx;    // empty without a production index
    int mdxColumn = 0;
    std::vector<ManifestTag> tags;
};

// Throws SourceError naming `name`, line and column.
std::vector<ManifestEntry> parseManifest(std::string_view text, const std::string& name);

}  // namespace dbfgen
