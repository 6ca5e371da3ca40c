// The conversion without windows: the temperature constants and their rounding,
// factor conversion, the unit catalogue and the look-up on the shared table.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <limits>
#include <map>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "data/dbase/Table.h"
#include "data/units/Conversion.h"
#include "data/units/UnitCatalogue.h"

namespace {

using convert::convertByFactor;
using convert::convertTemperature;

enum Scale { C, F, K, R, Re };

std::string shown(double v) { return kv::formatGeneral(v, QChar('.')); }

std::string binDir() {
    const char* bin = std::getenv("KV_BIN_DIR");
    return bin ? std::string(bin) + "/" : std::string();
}

// Figures from the scales' definitions (NIST SP 811, 4.2.1.1 and B.9):
// t/°C = (t/°F - 32)/1.8 = T/K - 273.15, T/°R = 1.8 T/K, t/°Ré = 0.8 t/°C.
TEST(Temperature, ExactScalesGiveTheDefinedFigures) {
    struct Case {
        double x;
        int from, to;
        const char* shown;
    } const cases[] = {
        {212, F, C, "100"},    {32, F, C, "0"},           {-40, F, C, "-40"},  {98.6, F, C, "37"},
        {0, F, C, "-17.7777777777778"}, {100, C, F, "212"}, {-40, C, F, "-40"}, {37, C, F, "98.6"},
        {80, Re, C, "100"},    {100, C, Re, "80"},        {300, K, R, "540"},  {0, K, C, "-273.15"},
        {0, R, F, "-459.67"},  {671.67, R, C, "100"},     {0, C, K, "273.15"}, {0, K, F, "-459.67"},
        // Each step is rounded on its own, so the offsets leave what any
        // step-wise converter leaves (GNU units prints the same residue).
        {491.67, R, C, "5.6843418860808E-14"},
    };
    for (const Case& c : cases) EXPECT_EQ(shown(convertTemperature(c.x, c.from, c.to)), c.shown) << c.x << " " << c.from << "->" << c.to;
}

TEST(Temperature, EveryScaleToItselfGivesTheInput) {
    // Values whose trip through Celsius and back would change a late digit.
    for (double x : {0.0, 1.0, -7.83732, 0.629375, 7.93519, -76.6523, 87.3059, 0.1, 1e-300, -1e300})
        for (int s = C; s <= Re; ++s) EXPECT_EQ(convertTemperature(x, s, s), x) << x << " on scale " << s;
    for (int s = C; s <= Re; ++s) EXPECT_FALSE(std::signbit(convertTemperature(-0.0, s, s))) << s;
    EXPECT_NE(convertTemperature(0.0, F, R), 0.0);
}

TEST(Temperature, PositionsOutsideTheTableAreErrors) {
    EXPECT_THROW(convertTemperature(1, -1, C), kv::Error);
    EXPECT_THROW(convertTemperature(1, C, 5), kv::Error);
}

TEST(Temperature, OverflowIsTheFloatingPointError) {
    try {
        convertTemperature(std::numeric_limits<double>::max(), C, F);
        FAIL() << "no error";
    } catch (const kv::Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

TEST(Factor, MultipliesFirstThenDivides) {
    EXPECT_EQ(shown(*convertByFactor(5, 1000, 1)), "5000");
    EXPECT_EQ(shown(*convertByFactor(1, 1, 0.3048)), "3.28083989501312");
    // Here the order shows in the last bit.
    const double x = 7, from = 0.1, to = 0.9144;
    ASSERT_NE((x * from) / to, x * (from / to));
    EXPECT_EQ(*convertByFactor(x, from, to), (x * from) / to);
}

TEST(Factor, ZeroTargetGivesNoResultAndFaultsAreErrors) {
    EXPECT_FALSE(convertByFactor(1, 1, 0).has_value());
    EXPECT_FALSE(convertByFactor(0, 0, 0).has_value());
    EXPECT_EQ(*convertByFactor(0, 5, 7), 0.0);
    try {
        convertByFactor(1e300, 1e24, 1);
        FAIL() << "no error";
    } catch (const kv::Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_THROW(convertByFactor(std::numeric_limits<double>::infinity(), 0, 1), kv::Error);
    // A result too small for a double is silent.
    EXPECT_EQ(*convertByFactor(1e-300, 1e-24, 1e10), 0.0);
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(binDir().empty()) << "KV_BIN_DIR not set";
        cat = convert::UnitCatalogue::load(binDir());
    }
    std::string nameOf(const std::string& text) {
        auto found = cat.resolve(text);
        return found.size() == 1 ? found[0]->name : "<" + std::to_string(found.size()) + " units>";
    }
    convert::UnitCatalogue cat;
};

TEST_F(Catalogue, ListsEveryCategoryWithItsUnitsInNumberOrder) {
    ASSERT_EQ(cat.categories().size(), 34u);
    size_t units = 0;
    for (size_t k = 0; k < cat.categories().size(); ++k) {
        const convert::Category& c = cat.categories()[k];
        EXPECT_EQ(c.number, static_cast<int>(k) + 1);
        ASSERT_FALSE(c.units.empty()) << c.name;
        for (size_t j = 0; j < c.units.size(); ++j) {
            EXPECT_EQ(c.units[j].number, static_cast<int>(j)) << c.name;
            EXPECT_EQ(c.units[j].category, c.number);
        }
        units += c.units.size();
    }
    EXPECT_EQ(units, 568u);
    const convert::Category* t = cat.category(convert::kTemperatureClass);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->name, "Temperature");
    ASSERT_EQ(t->units.size(), convert::kTemperatureScales.size());
    EXPECT_EQ(t->units[1].name, "Fahrenheit");
}

// The catalogue reads the plain stored forms itself: every unit must come out
// as the table's own field reads give it (the symbols include non-ASCII ones).
TEST_F(Catalogue, ReadsEveryUnitAsTheTableDoes) {
    dbase::Table members;
    members.setFileName(binDir() + "members.DBF");
    members.open();
    std::map<std::pair<int, int>, const convert::Unit*> listed;
    for (const convert::Category& c : cat.categories())
        for (const convert::Unit& u : c.units) listed[{u.category, u.number}] = &u;
    size_t compared = 0;
    for (members.first(); !members.eof(); members.next(), ++compared) {
        const auto key = std::pair(int(members.asInteger("CLASS")), int(members.asInteger("NUMBER")));
        ASSERT_TRUE(listed.count(key)) << key.first << "/" << key.second;
        const convert::Unit& u = *listed[key];
        EXPECT_EQ(u.name, members.asString("NAME"));
        EXPECT_EQ(u.symbol, members.asString("OBOZN"));
        EXPECT_EQ(u.factor, members.asFloat("INDEX")) << u.name;
    }
    EXPECT_EQ(compared, listed.size());
}

// A conversion reads only the units its two texts name as listed; each text
// must then resolve to what the whole catalogue gives, and anything else (a
// spelling, a typing error) must fall back to the whole catalogue.
TEST_F(Catalogue, OnlyTheNamedUnitsReadResolveAsTheWholeCatalogue) {
    const auto shown = [](const std::vector<const convert::Unit*>& units) {
        std::string text;
        for (const convert::Unit* u : units) text += u->name + "/" + std::to_string(u->category) + " ";
        return text;
    };
    const std::vector<std::vector<std::string>> named = {
        {"mi", "km"}, {"metre", "FOOT"}, {"litre", "m³"}, {"°C", "K"}, {"µm", "mm"}, {"mph", "km/h"}, {"Fahrenheit", "kelvin"},
    };
    for (const auto& texts : named) {
        const std::optional<convert::UnitCatalogue> part = convert::UnitCatalogue::loadNaming(binDir(), texts);
        ASSERT_TRUE(part) << texts[0] << " " << texts[1];
        size_t read = 0;
        for (const convert::Category& c : part->categories()) read += c.units.size();
        EXPECT_LT(read, 10u) << texts[0];
        EXPECT_EQ(part->categories().size(), cat.categories().size());
        for (const std::string& text : texts) EXPECT_EQ(shown(part->resolve(text)), shown(cat.resolve(text))) << text;
    }
    for (const auto& texts : std::vector<std::vector<std::string>>{{"meters", "km"}, {"m", "degF"}, {"xyzzy", "m"}, {"", "m"}})
        EXPECT_FALSE(convert::UnitCatalogue::loadNaming(binDir(), texts)) << texts[0] << " " << texts[1];
}

TEST_F(Catalogue, NamesIgnoreCaseSymbolsKeepIt) {
    struct Case {
        const char* typed;
        const char* unit;  // "" for none
    } const cases[] = {
        {"metre", "metre"}, {"METRE", "metre"}, {"m", "metre"}, {"mm", "millimetre"}, {"°C", "Celsius"},
        // The SI tells prefixes apart by their letter case: no folding of symbols.
        {"mV", "millivolt"}, {"MV", "megavolt"}, {"kG", "kilogauss"}, {"kg", "kilogram"},
        {"Mm", ""}, {"Ms", ""}, {"Mbar", ""}, {"Gb", ""}, {"KG", ""}, {"GON", ""}, {"cal", ""},
        {"Cal", "food calorie (Cal, kcal)"},
        // What users type for the table's spellings and signs.
        {"liter", "litre (cubic decimetre)"}, {"Liters", "litre (cubic decimetre)"}, {"meter", "metre"},
        {"kilometers", "kilometre"}, {"miles", "mile"}, {"feet", "foot"}, {"square feet", "square foot"},
        {"US gallons", "US gallon"}, {"cubic meters", "cubic metre (kilolitre)"}, {"inches", "inch"},
        {"um", "micrometre (micron)"}, {"us", "microsecond"}, {"degF", "Fahrenheit"}, {"degC", "Celsius"},
        {"deg", "degree (angle)"}, {"\u03BCm", "micrometre (micron)"},
        // A spelling counts only where it gives the table's words.
        {"metres per fortnight", ""}, {"no such unit", ""}, {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(nameOf(c.typed), *c.unit ? c.unit : "<0 units>") << c.typed;
    // "mph" is both the mile per hour and the milliphot.
    auto shared = cat.resolve("mph");
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_NE(shared[0]->category, shared[1]->category);
}

TEST_F(Catalogue, NameWithoutItsExplanationIsEnough) {
    EXPECT_EQ(nameOf("litre"), "litre (cubic decimetre)");
    EXPECT_EQ(nameOf("Gradian"), "gradian (gon)");
    // A name that is listed whole wins over another unit's shortened name.
    for (const convert::Category& c : cat.categories())
        for (const convert::Unit& u : c.units) {
            EXPECT_EQ(nameOf(u.name), u.name);
            // Letter case is ignored in every name, ASCII or not.
            EXPECT_EQ(nameOf(QString::fromStdString(u.name).toUpper().toStdString()), u.name);
        }
    EXPECT_EQ(nameOf("OCTANT"), "octant (45\u00B0)");
    EXPECT_EQ(nameOf("\u00C5NGSTR\u00D6M"), "\u00E5ngstr\u00F6m");
}

TEST_F(Catalogue, SuggestionsAndSearches) {
    auto near = cat.nearest("metr", 5);
    ASSERT_FALSE(near.empty());
    EXPECT_LE(near.size(), 5u);
    bool hasMetre = false;
    for (auto* u : near) hasMetre |= u->name == "metre";
    EXPECT_TRUE(hasMetre);
    // A misspelling with no name containing it still finds the unit.
    near = cat.nearest("kilogarm", 5);
    ASSERT_FALSE(near.empty());
    EXPECT_EQ(near.front()->name, "kilogram");
    EXPECT_TRUE(cat.nearest("qqqqqqqqqqqq", 5).empty());

    auto found = cat.containing("METRE");
    ASSERT_GT(found.size(), 10u);
    for (size_t i = 0; i < found.size(); ++i) {
        QString name = QString::fromStdString(found[i]->name);
        EXPECT_TRUE(name.contains("metre", Qt::CaseInsensitive)) << found[i]->name;
        if (i > 0) {
            EXPECT_LE(QString::compare(QString::fromStdString(found[i - 1]->name), name, Qt::CaseInsensitive), 0);
        }
    }
    EXPECT_EQ(cat.findCategory("temperature")->number, convert::kTemperatureClass);
    EXPECT_EQ(cat.findCategory("15")->name, "Length");
    EXPECT_EQ(cat.findCategory("0"), nullptr);
    EXPECT_EQ(cat.nearestCategories("Lenght", 3).front()->name, "Length");
}

TEST_F(Catalogue, ConvertsBetweenUnitsOfOneCategoryOnly) {
    const convert::Unit& foot = *cat.resolve("foot").front();
    const convert::Unit& metre = *cat.resolve("metre").front();
    const convert::Unit& kilogram = *cat.resolve("kilogram").front();
    EXPECT_EQ(shown(*convert::convertUnits(1, foot, metre)), "0.3048");
    EXPECT_THROW(convert::convertUnits(1, foot, kilogram), kv::Error);
    // Temperatures ignore their INDEX and go through the constants.
    EXPECT_EQ(shown(*convert::convertUnits(212, *cat.resolve("Fahrenheit").front(), *cat.resolve("Celsius").front())),
              "100");
}

TEST(SharedTable, LookUpStaysInItsCategoryAndLeavesTheTableAsItWas) {
    ASSERT_FALSE(binDir().empty());
    dbase::Table units;
    units.setFileName(binDir() + "members.DBF");
    units.open();
    // As the finder leaves it (name order, unfiltered), then as the tank
    // window leaves it (filtered on mass), then a mere order by field.
    struct State {
        std::string tag, fields, filter;
        bool filtered;
    };
    const State states[] = {
        {"NAME", "", "", false},
        {"NUMBER", "", "CLASS=19", true},
        {"", "CLASS", "CLASS=19", false},
    };
    for (const State& s : states) {
        if (!s.tag.empty()) units.setIndexName(s.tag);
        else units.setIndexFieldNames(s.fields);
        units.setFilter(s.filter);
        units.setFiltered(s.filtered);
        units.moveTo(3);
        const std::string current = units.asString("NAME");

        auto metre = convert::categoryUnitFactor(units, 15, 32);  // Length: metre, 100 cm
        ASSERT_TRUE(metre.has_value());
        EXPECT_EQ(*metre, 100.0);
        auto kilogram = convert::categoryUnitFactor(units, 19, 17);
        ASSERT_TRUE(kilogram.has_value());
        EXPECT_EQ(*kilogram, 1.0);
        EXPECT_FALSE(convert::categoryUnitFactor(units, 28, 5).has_value());  // five scales only
        EXPECT_FALSE(convert::categoryUnitFactor(units, 15, -1).has_value());
        EXPECT_FALSE(convert::categoryUnitFactor(units, 0, 0).has_value());
        const auto lengths = convert::categoryUnits(units, 15);
        ASSERT_EQ(lengths.size(), 43u);
        EXPECT_EQ(lengths[32].name, "metre");
        EXPECT_EQ(lengths[32].number, 32);

        EXPECT_EQ(units.indexName(), s.tag);
        EXPECT_EQ(units.indexFieldNames(), s.fields);
        EXPECT_EQ(units.filter(), s.filter);
        EXPECT_EQ(units.filtered(), s.filtered);
        EXPECT_EQ(units.asString("NAME"), current) << s.tag << s.fields << " " << s.filter;
    }
    // In the converter's own state the found unit becomes the current row.
    units.setIndexName("NUMBER");
    units.setFilter("CLASS='15'");
    units.setFiltered(true);
    ASSERT_TRUE(convert::categoryUnitFactor(units, 15, 32).has_value());
    EXPECT_EQ(units.asString("NAME"), "metre");
}

TEST(SharedTable, ClosedTableIsTheEnginesError) {
    dbase::Table closed;
    EXPECT_THROW(convert::categoryUnitFactor(closed, 15, 32), kv::Error);
}

}  // namespace
