#include "tools/reference/UnicodeNames.h"

#include <charconv>
#include <fstream>

namespace reference {

namespace {

// Field `k` (from 0) of a line of semicolon-separated fields.
std::string_view field(std::string_view line, int k) {
    for (; k > 0; --k) {
        const auto semicolon = line.find(';');
        if (semicolon == std::string_view::npos) return {};
        line.remove_prefix(semicolon + 1);
    }
    return line.substr(0, line.find(';'));
}

}  // namespace

UnicodeNames::UnicodeNames(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        const std::string_view code = field(line, 0);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), value, 16);
        if (error != std::errc() || end != code.data() + code.size() || value > 0x10FFFF) continue;
        std::string_view name = field(line, 1);
        if (name == "<control>") name = field(line, 10);
        // "<CJK Ideograph, First>" and the like bound ranges, not characters.
        if (name.empty() || name.front() == '<') continue;
        names_.emplace(static_cast<char32_t>(value), std::string(name));
    }
}

QString UnicodeNames::name(char32_t codePoint) const {
    const auto found = names_.find(codePoint);
    return found == names_.end() ? QString() : QString::fromStdString(found->second);
}

const UnicodeNames& installedUnicodeNames() {
    static const UnicodeNames names(kUnicodeDataPath);
    return names;
}

QString describeCodePoint(char32_t codePoint, const UnicodeNames& names) {
    QString text = QStringLiteral("U+%1").arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const QString name = names.name(codePoint);
    if (!name.isEmpty()) text += QLatin1Char(' ') + name;
    return text;
}

}  // namespace reference
