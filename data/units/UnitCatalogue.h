#pragma once
// The units and their categories as plain data, and the converter's look-up of
// one unit on the shared units table; no windows.
//
// The command line reads the whole catalogue from its own copies of the tables;
// the windows look a unit up on DM's units table, which other windows order and
// filter as they need.
#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dbase {
class Table;
}

namespace convert {

struct Unit {
    int category = 0;  // CLASS
    int number = 0;    // NUMBER, the position in the category's list
    std::string name;
    std::string symbol;
    double factor = 0;  // INDEX
};

struct Category {
    int number = 0;  // CLASS
    std::string name;
    std::vector<Unit> units;  // in NUMBER order
};

// The factor (INDEX) of unit `number` of category `category`, found by key on
// the NUMBER order within that category alone, whatever order and filter the
// table was left in. Those are put back afterwards (with the row that was
// current), so a window that shares the table sees nothing move. No result when
// the category has no such unit. Table errors are thrown.
std::optional<double> categoryUnitFactor(dbase::Table& members, int category, int number);

// The units of `category` in NUMBER order, read on the shared table the same
// way and with the same care for what the table was left in.
std::vector<Unit> categoryUnits(dbase::Table& members, int category);

// x in unit `from` expressed in unit `to` of the same category: through the
// temperature constants for the temperature category, by the factors
// otherwise. No result for a target factor of 0. Throws kv::Error for units of
// different categories and for floating-point faults.
std::optional<double> convertUnits(double x, const Unit& from, const Unit& to);

class UnitCatalogue {
public:
    // Opens "class.dbf" and "members.DBF" in `dir` (with its trailing
    // separator) and reads every category and unit. Throws the table's error.
    static UnitCatalogue load(const std::string& dir);
    // From open tables of the same layout, read in their physical order.
    static UnitCatalogue read(dbase::Table& classes, dbase::Table& members);
    // Every category but only the units that `texts` name as typed (a name,
    // a name without its explanation, a symbol), the other rows skipped
    // undecoded: what a conversion between two given units needs of the 568.
    // resolve() answers each of the texts on it as on the whole catalogue.
    // None when a text names no unit so (a spelling, a typing error): the
    // whole catalogue is needed for those.
    static std::optional<UnitCatalogue> loadNaming(const std::string& dir, const std::vector<std::string>& texts);

    const std::vector<Category>& categories() const { return categories_; }
    const Category* category(int number) const;
    // A category by its name (letter case ignored) or its CLASS number.
    const Category* findCategory(const std::string& text) const;

    // The units `text` names: the unit of that name (letter case ignored; the
    // name without its explanation in brackets will do), else those with that
    // symbol in exactly that letter case ("Mm" is no "mm"), else the same
    // through the spellings users type ("meters", "degF"). More than one means
    // the symbol is shared.
    std::vector<const Unit*> resolve(const std::string& text) const;
    // Up to `count` units whose names or symbols come nearest to `text`: names
    // containing it first, then by edit distance.
    std::vector<const Unit*> nearest(const std::string& text, size_t count) const;
    // Up to `count` category names nearest to `text`.
    std::vector<const Category*> nearestCategories(const std::string& text, size_t count) const;
    // Units whose names contain `text` (letter case ignored), in name order.
    std::vector<const Unit*> containing(const std::string& text) const;

private:
    static UnitCatalogue readWhere(dbase::Table& classes, dbase::Table& members,
                                   const std::function<bool(const dbase::Table&)>& wanted);
    std::vector<const Unit*> withName(const QString& folded) const;
    std::vector<const Unit*> withSymbol(const QString& symbol) const;

    std::vector<Category> categories_;
    // The words of all names (folded), for the spellings step of resolve():
    // gathered on its first use, since most look-ups end before it.
    const QSet<QString>& nameWords() const;
    mutable std::optional<QSet<QString>> nameWords_;
    // The names that are not ASCII, folded (UTF-8), by their place in the
    // catalogue; made on the first look-up by name. An ASCII name, nearly
    // every one, is folded as it is compared.
    // (Places rather than pointers, so a copy of the catalogue stays sound.)
    struct FoldedNames {
        struct Folded {
            std::size_t place;
            std::string name;
        };
        std::vector<Folded> nonAscii;
    };
    mutable std::optional<FoldedNames> foldedNames_;
};

}  // namespace convert
