#pragma once
// The characters' Unicode names, from the Unicode Character Database's
// UnicodeData.txt (Debian's unicode-data installs it). The file is optional:
// without it a character is described by its code point alone.
#include <QString>
#include <string>
#include <unordered_map>

namespace reference {

class UnicodeNames {
public:
    // Reads the names in the file at `path`; a missing or unreadable file
    // leaves the list empty.
    explicit UnicodeNames(const std::string& path);

    bool isEmpty() const { return names_.empty(); }
    // The character's name ("" when the file does not name it). Controls,
    // named "<control>" there, go by their old names ("DELETE"). Code points
    // of the file's ranges (ideographs, syllables) have no name here.
    QString name(char32_t codePoint) const;

private:
    std::unordered_map<char32_t, std::string> names_;
};

// Where Debian puts the file.
inline constexpr const char* kUnicodeDataPath = "/usr/share/unicode/UnicodeData.txt";

// The names of the installed file, read on the first call and kept for the run.
const UnicodeNames& installedUnicodeNames();

// "U+00A9 COPYRIGHT SIGN", or "U+00A9" when `names` has no name for it.
QString describeCodePoint(char32_t codePoint, const UnicodeNames& names);

}  // namespace reference
