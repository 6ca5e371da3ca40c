#include "data/dbase/KeyExpression.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "data/dbase/FieldValue.h"

namespace dbase {

struct KeyExpression::Node {
    enum Kind { Field, Text, Number, Function, Concat, Sum } kind = Text;
    std::string name;        // function name, upper case
    int field = -1;
    std::string text;        // literal text
    double number = 0;       // literal number
    bool numeric = false;    // type of the result
    std::vector<int> args;   // node indices
};

namespace {

constexpr int kMaxDepth = 32;

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

std::string strOf(double value, int length, int decimals) {
    if (length < 1) length = 1;
    if (length > 255) length = 255;
    if (decimals < 0) decimals = 0;
    if (decimals > length) decimals = length;
    // dBASE rounds halves away from zero; printf would round them to even.
    const double scale = std::pow(10.0, decimals);
    if (std::fabs(value * scale) < 1e15) value = std::round(value * scale) / scale;
    char buffer[600];
    std::snprintf(buffer, sizeof buffer, "%*.*f", length, decimals, value);
    std::string s = buffer;
    if (int(s.size()) > length) return std::string(std::size_t(length), '*');
    return s;
}

// Pads a UTF-8 text with blanks to `length` characters, as the field stores it.
std::string padded(std::string text, int length) {
    const int have = int(QString::fromUtf8(text).size());
    if (have < length) text.append(std::size_t(length - have), ' ');
    return text;
}

std::string fromQ(const QString& s) { return s.toUtf8().toStdString(); }

class Parser {
public:
    Parser(const std::string& text, const std::vector<FieldDef>& fields, std::vector<KeyExpression::Node>& nodes)
        : s_(text), fields_(fields), nodes_(nodes) {}

    int parse() {
        const int root = sum(0);
        skipBlanks();
        if (i_ != s_.size()) fail("unexpected '" + s_.substr(i_, 1) + "'");
        return root;
    }

private:
    using Node = KeyExpression::Node;

    [[noreturn]] void fail(const std::string& why) const {
        throw DbfError("index expression \"" + s_ + "\": " + why);
    }

    void skipBlanks() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }

    bool take(char c) {
        skipBlanks();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }

    int add(Node n) {
        nodes_.push_back(std::move(n));
        return int(nodes_.size()) - 1;
    }

    // A number field joined to text reads as STR() of it.
    int asText(int index) {
        if (!nodes_[std::size_t(index)].numeric) return index;
        Node n;
        n.kind = Node::Function;
        n.name = "STR";
        n.args = {index};
        const Node& operand = nodes_[std::size_t(index)];
        if (operand.kind == Node::Field) {
            const FieldDef& f = fields_[std::size_t(operand.field)];
            n.args.push_back(add(Node{Node::Number, "", -1, "", double(f.length), true, {}}));
            n.args.push_back(add(Node{Node::Number, "", -1, "", double(f.decimals), true, {}}));
        }
        return add(std::move(n));
    }

    int sum(int depth) {
        if (depth > kMaxDepth) fail("nested too deeply");
        int left = term(depth);
        while (take('+')) {
            int right = term(depth);
            Node n;
            if (nodes_[std::size_t(left)].numeric && nodes_[std::size_t(right)].numeric) {
                n.kind = Node::Sum;
                n.numeric = true;
            } else {
                n.kind = Node::Concat;
                left = asText(left);
                right = asText(right);
            }
            n.args = {left, right};
            left = add(std::move(n));
        }
        return left;
    }

    int term(int depth) {
        skipBlanks();
        if (i_ >= s_.size()) fail("an operand is missing");
        const char c = s_[i_];
        if (c == '(') {
            ++i_;
            const int inner = sum(depth + 1);
            if (!take(')')) fail("')' is missing");
            return inner;
        }
        if (c == '\'' || c == '"') return literalText(c);
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-') return literalNumber();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return nameOrCall(depth);
        fail("unexpected '" + std::string(1, c) + "'");
    }

    int literalText(char quote) {
        const std::size_t end = s_.find(quote, i_ + 1);
        if (end == std::string::npos) fail("a quote is not closed");
        Node n;
        n.kind = Node::Text;
        n.text = s_.substr(i_ + 1, end - i_ - 1);
        i_ = end + 1;
        return add(std::move(n));
    }

    int literalNumber() {
        const std::size_t start = i_;
        if (s_[i_] == '-') ++i_;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) ++i_;
        Node n;
        n.kind = Node::Number;
        n.numeric = true;
        if (!parseNumber(s_.substr(start, i_ - start), n.number)) fail("bad number");
        return add(std::move(n));
    }

    int nameOrCall(int depth) {
        const std::size_t start = i_;
        while (i_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_')) ++i_;
        const std::string name = upper(s_.substr(start, i_ - start));
        if (!take('(')) return fieldNode(name);
        Node n;
        n.kind = Node::Function;
        n.name = name;
        if (!take(')')) {
            do n.args.push_back(sum(depth + 1));
            while (take(','));
            if (!take(')')) fail("')' is missing after the arguments of " + name);
        }
        checkCall(n);
        return add(std::move(n));
    }

    int fieldNode(const std::string& name) {
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            if (upper(fields_[f].name) == name) {
                Node n;
                n.kind = Node::Field;
                n.field = int(f);
                n.numeric = fields_[f].type == 'N' || fields_[f].type == 'F';
                return add(std::move(n));
            }
        }
        fail("no field " + name);
    }

    bool numericArg(const Node& n, std::size_t k) const { return nodes_[std::size_t(n.args[k])].numeric; }

    void checkCall(Node& n) {
        const std::size_t count = n.args.size();
        auto need = [&](std::size_t lo, std::size_t hi) {
            if (count < lo || count > hi) fail(n.name + " takes " + std::to_string(lo) +
                                               (hi > lo ? " to " + std::to_string(hi) : std::string()) + " arguments");
        };
        auto textArg = [&](std::size_t k) { if (numericArg(n, k)) fail(n.name + " needs text"); };
        auto numberArgs = [&](std::size_t from) {
            for (std::size_t k = from; k < count; ++k)
                if (!numericArg(n, k)) fail(n.name + " needs a number as argument " + std::to_string(k + 1));
        };
        if (n.name == "UPPER" || n.name == "LOWER" || n.name == "TRIM" || n.name == "RTRIM" ||
            n.name == "LTRIM" || n.name == "ALLTRIM" || n.name == "DTOS") {
            need(1, 1);
            textArg(0);
        } else if (n.name == "STR") {
            need(1, 3);
            numberArgs(0);
        } else if (n.name == "LEFT" || n.name == "RIGHT") {
            need(2, 2);
            textArg(0);
            numberArgs(1);
        } else if (n.name == "SUBSTR") {
            need(2, 3);
            textArg(0);
            numberArgs(1);
        } else if (n.name == "VAL") {
            need(1, 1);
            textArg(0);
            n.numeric = true;
        } else {
            fail("unknown function " + n.name);
        }
    }

    std::string s_;
    const std::vector<FieldDef>& fields_;
    std::vector<Node>& nodes_;
    std::size_t i_ = 0;
};

}  // namespace

int compareKeys(const Key& a, const Key& b) {
    if (a.numeric != b.numeric) return a.numeric ? -1 : 1;
    if (a.numeric) return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
    auto trimmed = [](const std::string& s) {
        std::size_t end = s.size();
        while (end > 0 && s[end - 1] == ' ') --end;
        return std::string_view(s.data(), end);
    };
    const std::string_view x = trimmed(a.text), y = trimmed(b.text);
    // Sorting a table compares keys many times over: two ASCII keys, the
    // usual case, are compared here as QString would compare them (letters
    // folded to lower case, then by code), without the conversion.
    const auto ascii = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    if (ascii(x) && ascii(y)) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        const std::size_t n = std::min(x.size(), y.size());
        for (std::size_t i = 0; i < n; ++i) {
            const char p = lower(x[i]), q = lower(y[i]);
            if (p != q) return p < q ? -1 : 1;
        }
        return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
    }
    const int c = QString::fromUtf8(x.data(), qsizetype(x.size()))
                      .compare(QString::fromUtf8(y.data(), qsizetype(y.size())), Qt::CaseInsensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::u32string foldedKeyText(const Key& key) {
    std::size_t end = key.text.size();
    while (end > 0 && key.text[end - 1] == ' ') --end;
    std::u32string folded;
    folded.reserve(end);
    const std::string_view text(key.text.data(), end);
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        for (const char c : text) folded.push_back(c >= 'A' && c <= 'Z' ? char32_t(c - 'A' + 'a') : char32_t(c));
        return folded;
    }
    // Unit by unit, as QString's case-insensitive comparison folds: a low
    // surrogate after a high one stands for the folded whole character.
    const QString utf16 = QString::fromUtf8(text.data(), qsizetype(text.size()));
    char32_t last = 0;
    for (const QChar unit : utf16) {
        char32_t c = unit.unicode();
        if (QChar::isLowSurrogate(c) && QChar::isHighSurrogate(last)) c = QChar::surrogateToUcs4(char16_t(last), char16_t(c));
        last = unit.unicode();
        folded.push_back(QChar::toCaseFolded(c));
    }
    return folded;
}

KeyExpression::KeyExpression(const std::string& text, const std::vector<FieldDef>& fields) {
    if (text.size() > 255) throw DbfError("index expression is too long");
    Parser parser(text, fields, nodes_);
    const int root = parser.parse();
    // The root is evaluated last: keep it at the end.
    if (root != int(nodes_.size()) - 1) nodes_.push_back(nodes_[std::size_t(root)]);
    numeric_ = nodes_.back().numeric;
    fields_ = fields;
}

KeyExpression::~KeyExpression() = default;
KeyExpression::KeyExpression(const KeyExpression&) = default;
KeyExpression& KeyExpression::operator=(const KeyExpression&) = default;
KeyExpression::KeyExpression(KeyExpression&&) noexcept = default;
KeyExpression& KeyExpression::operator=(KeyExpression&&) noexcept = default;

bool KeyExpression::numeric() const { return numeric_; }

namespace {

// Evaluates node `index` of `nodes` (children always precede their parent).
Key evaluateNode(const std::vector<KeyExpression::Node>& nodes, int index, const std::vector<FieldDef>& fields,
                 const std::function<std::string(int)>& fieldText) {
    using Node = KeyExpression::Node;
    const Node& n = nodes[std::size_t(index)];
    auto arg = [&](std::size_t k) { return evaluateNode(nodes, n.args[k], fields, fieldText); };
    Key v;
    v.numeric = n.numeric;
    switch (n.kind) {
    case Node::Field: {
        const FieldDef& f = fields[std::size_t(n.field)];
        const std::string text = fieldText(n.field);
        if (v.numeric) {
            if (!parseNumber(text, v.number)) v.number = 0;
        } else {
            v.text = padded(text, f.length);
        }
        return v;
    }
    case Node::Text: v.text = n.text; return v;
    case Node::Number: v.number = n.number; return v;
    case Node::Sum: v.number = arg(0).number + arg(1).number; return v;
    case Node::Concat: v.text = arg(0).text + arg(1).text; return v;
    case Node::Function: break;
    }
    const std::string& f = n.name;
    if (f == "STR") {
        const int length = n.args.size() > 1 ? int(std::lround(std::fmin(std::fmax(arg(1).number, 1), 255))) : 10;
        const int decimals = n.args.size() > 2 ? int(std::lround(std::fmin(std::fmax(arg(2).number, 0), 255))) : 0;
        v.text = strOf(arg(0).number, length, decimals);
        return v;
    }
    if (f == "VAL") {
        const std::string t = arg(0).text;
        if (!parseNumber(t, v.number)) v.number = 0;
        return v;
    }
    if (f == "DTOS") {
        v.text = arg(0).text;
        return v;
    }
    QString s = QString::fromUtf8(arg(0).text);
    auto count = [&](std::size_t k) {
        const double x = arg(k).number;
        return qsizetype(std::fmax(0, std::fmin(x, 65535)));
    };
    if (f == "UPPER") s = s.toUpper();
    else if (f == "LOWER") s = s.toLower();
    else if (f == "TRIM" || f == "RTRIM") { while (s.endsWith(' ')) s.chop(1); }
    else if (f == "LTRIM") { while (s.startsWith(' ')) s.remove(0, 1); }
    else if (f == "ALLTRIM") s = s.trimmed();
    else if (f == "LEFT") s = s.left(count(1));
    else if (f == "RIGHT") s = s.right(count(1));
    else if (f == "SUBSTR") {
        const qsizetype start = std::max<qsizetype>(count(1), 1) - 1;
        s = n.args.size() > 2 ? s.mid(start, count(2)) : s.mid(start);
    }
    v.text = fromQ(s);
    return v;
}

}  // namespace

Key KeyExpression::evaluate(const std::function<std::string(int)>& fieldText) const {
    return evaluateNode(nodes_, int(nodes_.size()) - 1, fields_, fieldText);
}

}  // namespace dbase
