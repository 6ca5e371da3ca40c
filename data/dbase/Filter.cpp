#include "data/dbase/Filter.h"

#include <cctype>
#include <charconv>

#include "data/dbase/FieldValue.h"

namespace dbase {

namespace {

std::string trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool parseInteger(const std::string& s, long long& value) {
    if (s.empty()) return false;
    const char* begin = s.data();
    const char* end = s.data() + s.size();
    if (*begin == '+') ++begin;
    const auto r = std::from_chars(begin, end, value);
    return r.ec == std::errc() && r.ptr == end && begin != end;
}

}  // namespace

std::optional<FilterCondition> parseFilter(const std::string& text, const std::vector<FieldDef>& fields) {
    if (trim(text).empty()) return std::nullopt;
    auto bad = [&](const std::string& why) {
        return DbfError("filter \"" + text + "\": " + why + " (expected FIELD=number)");
    };
    const auto eq = text.find('=');
    if (eq == std::string::npos) throw bad("no '='");
    const std::string name = trim(text.substr(0, eq));
    std::string value = trim(text.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
        value = trim(value.substr(1, value.size() - 2));
    FilterCondition c;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (sameNoCase(fields[i].name, name)) c.field = int(i);
    if (c.field < 0) throw bad(name.empty() ? std::string("no field name") : "no field " + name);
    if (!parseInteger(value, c.value)) throw bad("'" + value + "' is not a decimal integer");
    return c;
}

bool filterMatches(const FilterCondition& condition, const std::string& fieldText) {
    double number = 0;
    if (parseNumber(fieldText, number)) return number == double(condition.value);
    // A blank number reads as 0, as the field's integer value does.
    return isBlank(fieldText) && condition.value == 0;
}

}  // namespace dbase
