#include "data/units/UnitCatalogue.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string_view>

#include <QString>

#include "core/Error.h"
#include "data/dbase/FieldValue.h"
#include "data/dbase/Table.h"
#include "data/units/Conversion.h"
#include "data/units/UnitSpellings.h"

namespace convert {
namespace {

// What a window left on the shared table, put back when the look-up ends.
class SavedTableState {
public:
    explicit SavedTableState(dbase::Table& t)
        : t_(t), index_(t.indexName()), fields_(t.indexFieldNames()), filter_(t.filter()),
          filtered_(t.filtered()), row_(t.recNo()) {}
    SavedTableState(const SavedTableState&) = delete;
    SavedTableState& operator=(const SavedTableState&) = delete;
    ~SavedTableState() {
        if (!changed_) return;
        try {
            if (!index_.empty()) t_.setIndexName(index_);
            else t_.setIndexFieldNames(fields_);
            t_.setFilter(filter_);
            t_.setFiltered(filtered_);
            if (row_ >= 0 && row_ < t_.recordCount()) t_.moveTo(row_);
        } catch (...) {
            // Only what was in place a moment ago is put back; it cannot fail
            // unless the table went away, and then there is nothing to restore.
        }
    }
    void markChanged() { changed_ = true; }

private:
    dbase::Table& t_;
    std::string index_, fields_, filter_;
    bool filtered_;
    int row_;
    bool changed_ = false;
};

QString folded(const std::string& s) { return QString::fromStdString(s).toCaseFolded(); }

int editDistance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<size_t>(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            int above = row[static_cast<size_t>(j)];
            int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[static_cast<size_t>(j)] = std::min({above + 1, row[static_cast<size_t>(j - 1)] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row.back();
}

// Ranks candidates for a suggestion: containing the text beats any distance.
template <class T>
std::vector<const T*> rankNearest(const std::string& text, size_t count, const std::vector<const T*>& items,
                                  const auto& keysOf) {
    const QString want = folded(text);
    const qsizetype farthest = std::max<qsizetype>(2, want.size() / 2);
    std::vector<std::pair<int, const T*>> scored;
    for (const T* item : items) {
        int best = 1 << 20;
        for (const std::string& key : keysOf(*item)) {
            QString k = folded(key);
            if (k.isEmpty()) continue;
            // Two texts lie at least their difference in length apart: a name
            // far shorter or longer than the text is no suggestion, and is not
            // worth the distance's quadratic work (a text of any length is answered at once).
            const qsizetype apart = std::abs(want.size() - k.size());
            int score = apart > farthest ? 1 << 20 : editDistance(want, k);
            if (const qsizetype at = want.isEmpty() ? -1 : k.indexOf(want); at >= 0) {
                // A word that begins with the text ("cal" in "calorie") comes before one that
                // merely holds it ("pascal").
                const bool wordStart = at == 0 || !k[at - 1].isLetter();
                score = (wordStart ? -1000 : -500) + static_cast<int>(k.size() - want.size());
            }
            best = std::min(best, score);
        }
        // Far-off names are no suggestion at all.
        if (best < 0 || best <= farthest) scored.emplace_back(best, item);
    }
    std::stable_sort(scored.begin(), scored.end(), [](auto& a, auto& b) { return a.first < b.first; });
    std::vector<const T*> out;
    for (auto& [score, item] : scored) {
        if (out.size() >= count) break;
        out.push_back(item);
    }
    return out;
}

}  // namespace

namespace {

// The units table's fields, looked up once for a whole reading.
struct UnitFields {
    explicit UnitFields(const dbase::Table& members)
        : category(field(members, "CLASS")),
          number(field(members, "NUMBER")),
          name(field(members, "NAME")),
          symbol(field(members, "OBOZN")),
          factor(field(members, "INDEX")) {}
    static int field(const dbase::Table& members, std::string_view name) {
        const int index = members.fieldIndex(name);
        if (index < 0) members.asString(name);  // throws the table's message for a missing field
        return index;
    }
    int category, number, name, symbol, factor;
};

// A command reads all 568 units to convert one number, so the plain cases of
// the stored bytes are read here directly: small whole numbers, ASCII texts.
// Anything else goes through the table's own reads, with their messages.
std::optional<int> plainWhole(std::string_view bytes) {
    while (!bytes.empty() && bytes.front() == ' ') bytes.remove_prefix(1);
    if (bytes.empty() || bytes.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : bytes) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int wholeField(const dbase::Table& members, int field) {
    if (const std::optional<int> value = plainWhole(members.storedBytes(field))) return *value;
    return static_cast<int>(members.asInteger(field));
}

std::string textField(const dbase::Table& members, int field) {
    const std::string_view bytes = dbase::withoutTrailingPadding(members.storedBytes(field));
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return c >= ' ' && static_cast<unsigned char>(c) < 0x80; });
    return ascii ? std::string(bytes) : members.asString(field);
}

Unit currentUnit(dbase::Table& members, const UnitFields& f) {
    Unit u;
    u.category = wholeField(members, f.category);
    u.number = wholeField(members, f.number);
    u.name = textField(members, f.name);
    u.symbol = textField(members, f.symbol);
    u.factor = members.asFloat(f.factor);
    return u;
}

// Puts the table in NUMBER order, showing `category` only; `saved` learns whether that moved anything.
void showCategory(dbase::Table& members, int category, SavedTableState& saved) {
    const std::string filter = "CLASS='" + std::to_string(category) + "'";
    if (members.indexName() != "NUMBER" || members.filter() != filter || !members.filtered()) {
        saved.markChanged();
        members.setIndexName("NUMBER");
        members.setFilter(filter);
        members.setFiltered(true);
    }
}

}  // namespace

std::optional<double> categoryUnitFactor(dbase::Table& members, int category, int number) {
    SavedTableState saved(members);
    showCategory(members, category, saved);
    if (!members.findKey(static_cast<double>(number))) return std::nullopt;
    return members.asFloat("INDEX");
}

std::vector<Unit> categoryUnits(dbase::Table& members, int category) {
    SavedTableState saved(members);
    showCategory(members, category, saved);
    saved.markChanged();  // walking moves the current row
    std::vector<Unit> units;
    const UnitFields fields(members);
    for (members.first(); !members.eof(); members.next()) units.push_back(currentUnit(members, fields));
    return units;
}

std::optional<double> convertUnits(double x, const Unit& from, const Unit& to) {
    if (from.category != to.category)
        throw kv::Error("'" + from.name + "' and '" + to.name + "' are units of different categories");
    if (from.category == kTemperatureClass) return convertTemperature(x, from.number, to.number);
    return convertByFactor(x, from.factor, to.factor);
}

namespace {

// The two tables from `dir`, read once in their stored order: their indexes are not needed.
void openForReading(const std::string& dir, dbase::Table& classes, dbase::Table& members) {
    classes.setFileName(dir + "class.dbf");
    classes.openWithoutIndex();
    members.setFileName(dir + "members.DBF");
    members.openWithoutIndex();
}

}  // namespace

UnitCatalogue UnitCatalogue::load(const std::string& dir) {
    dbase::Table classes, members;
    openForReading(dir, classes, members);
    return read(classes, members);
}

UnitCatalogue UnitCatalogue::read(dbase::Table& classes, dbase::Table& members) {
    return readWhere(classes, members, [](const dbase::Table&) { return true; });
}

UnitCatalogue UnitCatalogue::readWhere(dbase::Table& classes, dbase::Table& members,
                                       const std::function<bool(const dbase::Table&)>& wanted) {
    UnitCatalogue c;
    std::map<int, Category> byNumber;
    for (classes.first(); !classes.eof(); classes.next()) {
        Category cat;
        cat.number = static_cast<int>(classes.asInteger("CLASS"));
        cat.name = classes.asString("NAME");
        byNumber[cat.number] = std::move(cat);
    }
    const UnitFields fields(members);
    for (members.first(); !members.eof(); members.next()) {
        if (!wanted(members)) continue;
        Unit u = currentUnit(members, fields);
        auto it = byNumber.find(u.category);
        // A unit of a category the categories table lacks cannot be listed by the window either.
        if (it != byNumber.end()) it->second.units.push_back(std::move(u));
    }
    for (auto& [number, cat] : byNumber) {
        // The table keeps its units in order already; sorting would only move them about.
        const auto byUnitNumber = [](const Unit& a, const Unit& b) { return a.number < b.number; };
        if (!std::is_sorted(cat.units.begin(), cat.units.end(), byUnitNumber))
            std::stable_sort(cat.units.begin(), cat.units.end(), byUnitNumber);
        c.categories_.push_back(std::move(cat));
    }
    return c;
}

const Category* UnitCatalogue::category(int number) const {
    for (const Category& c : categories_)
        if (c.number == number) return &c;
    return nullptr;
}

const Category* UnitCatalogue::findCategory(const std::string& text) const {
    const QString want = folded(text).trimmed();
    for (const Category& c : categories_)
        if (folded(c.name) == want) return &c;
    bool ok = false;
    int number = want.toInt(&ok);
    return ok ? category(number) : nullptr;
}

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether an ASCII name folded is `folded`: folding leaves an ASCII text ASCII
// and only lowers its capitals.
bool sameFoldedAscii(std::string_view name, std::string_view folded) {
    if (name.size() != folded.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != folded[i]) return false;
    }
    return true;
}


}  // namespace

namespace {

enum class NameMatch { None, WithoutExplanation, Whole };

// How `name` (folded already unless `ascii`) answers the folded text `wanted`.
NameMatch matchName(std::string_view name, std::string_view wanted, bool ascii) {
    const auto same = [&](std::string_view part) { return ascii ? sameFoldedAscii(part, wanted) : part == wanted; };
    if (same(name)) return NameMatch::Whole;
    // "litre (dm³)" is typed as "litre": the name's first " (" ends it.
    const std::size_t typed = wanted.size();
    if (typed > 0 && name.size() > typed + 1 && name[typed] == ' ' && name[typed + 1] == '(' &&
        wanted.find(" (") == std::string_view::npos && same(name.substr(0, typed)))
        return NameMatch::WithoutExplanation;
    return NameMatch::None;
}

}  // namespace

std::vector<const Unit*> UnitCatalogue::withName(const QString& folded) const {
    // Names are valid Unicode; a text that is not (a lone surrogate) names none.
    const std::string want = folded.toStdString();
    if (QString::fromStdString(want) != folded) return {};
    if (!foldedNames_) {
        FoldedNames& names = foldedNames_.emplace();
        std::size_t place = 0;
        for (const Category& c : categories_)
            for (const Unit& u : c.units) {
                if (!isAscii(u.name))
                    names.nonAscii.push_back({place, QString::fromStdString(u.name).toCaseFolded().toStdString()});
                ++place;
            }
    }
    const std::vector<FoldedNames::Folded>& nonAscii = foldedNames_->nonAscii;
    std::size_t place = 0, next = 0;
    std::vector<const Unit*> whole, base;
    for (const Category& c : categories_)
        for (const Unit& unit : c.units) {
            const bool ascii = next == nonAscii.size() || nonAscii[next].place != place;
            const std::string_view name = ascii ? std::string_view(unit.name) : std::string_view(nonAscii[next++].name);
            ++place;
            switch (matchName(name, want, ascii)) {
            case NameMatch::Whole: whole.push_back(&unit); break;
            case NameMatch::WithoutExplanation: base.push_back(&unit); break;
            case NameMatch::None: break;
            }
        }
    // A name listed whole wins over another unit's name without its explanation.
    return whole.empty() ? base : whole;
}

std::optional<UnitCatalogue> UnitCatalogue::loadNaming(const std::string& dir, const std::vector<std::string>& texts) {
    // Each text as resolve() compares it: folded against the names, as typed
    // against the symbols (both through QString, as there).
    struct Text {
        std::string typed, folded;
        bool validName;
    };
    std::vector<Text> wanted;
    for (const std::string& text : texts) {
        const QString typed = QString::fromStdString(text);
        if (typed.isEmpty()) return std::nullopt;
        const QString folded = typed.toCaseFolded();
        const std::string foldedText = folded.toStdString();
        wanted.push_back({typed.toStdString(), foldedText, QString::fromStdString(foldedText) == folded});
    }
    dbase::Table classes, members;
    openForReading(dir, classes, members);
    const UnitFields fields(members);
    UnitCatalogue named = readWhere(classes, members, [&](const dbase::Table& row) {
        // Most names and symbols are ASCII and compared as stored; the others are decoded first.
        const std::string_view nameBytes = dbase::withoutTrailingPadding(row.storedBytes(fields.name));
        const std::string_view symbolBytes = dbase::withoutTrailingPadding(row.storedBytes(fields.symbol));
        const bool asciiName = isAscii(nameBytes), asciiSymbol = isAscii(symbolBytes);
        std::string foldedName, symbol;
        if (!asciiName) foldedName = QString::fromStdString(row.asString(fields.name)).toCaseFolded().toStdString();
        if (!asciiSymbol) symbol = row.asString(fields.symbol);
        const std::string_view name = asciiName ? nameBytes : std::string_view(foldedName);
        const std::string_view sign = asciiSymbol ? symbolBytes : std::string_view(symbol);
        bool keep = false;
        for (const Text& t : wanted) {
            const bool byName = t.validName && matchName(name, t.folded, asciiName) != NameMatch::None;
            const bool bySymbol = !sign.empty() && sign == t.typed;
            keep = keep || byName || bySymbol;
        }
        return keep;
    });
    // Each text must find its unit directly among those read (a unit of a
    // category the categories table lacks is not read at all).
    for (const std::string& text : texts) {
        const QString typed = QString::fromStdString(text);
        if (named.withName(typed.toCaseFolded()).empty() && named.withSymbol(typed).empty()) return std::nullopt;
    }
    return named;
}

std::vector<const Unit*> UnitCatalogue::withSymbol(const QString& symbol) const {
    std::vector<const Unit*> found;
    const std::string wanted = symbol.toStdString();
    for (const Category& c : categories_)
        for (const Unit& u : c.units)
            if (!u.symbol.empty() && u.symbol == wanted) found.push_back(&u);
    return found;
}

std::vector<const Unit*> UnitCatalogue::resolve(const std::string& text) const {
    const QString typed = QString::fromStdString(text);
    const QString want = typed.toCaseFolded();
    if (typed.isEmpty()) return {};
    if (auto found = withName(want); !found.empty()) return found;
    // Symbols keep their letter case: the SI tells the mega from the milli by it.
    if (auto found = withSymbol(typed); !found.empty()) return found;
    for (const QString& symbol : symbolSpellings(typed))
        if (auto found = withSymbol(symbol); !found.empty()) return found;
    for (const QString& name : nameSpellings(want, nameWords()))
        if (auto found = withName(name); !found.empty()) return found;
    return {};
}

const QSet<QString>& UnitCatalogue::nameWords() const {
    if (!nameWords_) {
        nameWords_.emplace();
        for (const Category& c : categories_)
            for (const Unit& u : c.units)
                for (const QString& w : convert::nameWords(QString::fromStdString(u.name))) nameWords_->insert(w);
    }
    return *nameWords_;
}

std::vector<const Unit*> UnitCatalogue::nearest(const std::string& text, size_t count) const {
    std::vector<const Unit*> all;
    for (const Category& c : categories_)
        for (const Unit& u : c.units) all.push_back(&u);
    return rankNearest<Unit>(text, count, all, [](const Unit& u) { return std::vector{u.name, u.symbol}; });
}

std::vector<const Category*> UnitCatalogue::nearestCategories(const std::string& text, size_t count) const {
    std::vector<const Category*> all;
    for (const Category& c : categories_) all.push_back(&c);
    return rankNearest<Category>(text, count, all, [](const Category& c) { return std::vector{c.name}; });
}

std::vector<const Unit*> UnitCatalogue::containing(const std::string& text) const {
    const QString want = folded(text);
    std::vector<const Unit*> out;
    for (const Category& c : categories_)
        for (const Unit& u : c.units)
            if (folded(u.name).contains(want)) out.push_back(&u);
    std::stable_sort(out.begin(), out.end(), [](const Unit* a, const Unit* b) {
        return QString::compare(QString::fromStdString(a->name), QString::fromStdString(b->name),
                                Qt::CaseInsensitive) < 0;
    });
    return out;
}

}  // namespace convert
