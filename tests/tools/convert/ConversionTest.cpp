// The conversion without windows: the temperature constants and their rounding,
// factor conversion, the unit catalogue and the look-up on the shared table.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <limits>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "data/dbase/Table.h"
#include "tools/convert/Conversion.h"
#include "tools/convert/UnitCatalogue.h"

namespace {

using convert::convertByFactor;
using convert::convertTemperature;

enum Scale { C, F, K, R, Re };

std::string shown(double v) { return kv::formatGeneral(v, QChar('.')); }

std::string binDir() {
    const char* bin = std::getenv("KV_BIN_DIR");
    return bin ? std::string(bin) + "/" : std::string();
}

TEST(Temperature, ZeroStaysZeroOnlyOnTheSameScale) {
    for (int s = C; s <= Re; ++s) {
        EXPECT_EQ(convertTemperature(0.0, s, s), 0.0) << s;
        EXPECT_EQ(convertTemperature(-0.0, s, s), 0.0) << s;
    }
    // Kelvin to Kelvin goes through -273.15 and back; only the exact 0 is spared.
    EXPECT_NE(convertTemperature(1e-300, K, K), 1e-300);
    EXPECT_NE(convertTemperature(0.0, F, R), 0.0);
    EXPECT_EQ(shown(convertTemperature(0.0, K, C)), "-273.15");
}

// The windows' tests go through the documented figures; these are the ones that
// show a rounding between the steps (one rounding at the end gives other digits).
TEST(Temperature, EachStepIsRoundedOnItsOwn) {
    EXPECT_EQ(shown(convertTemperature(32, F, C)), "1.40000000214968E-6");
    EXPECT_EQ(shown(convertTemperature(1, R, R)), "1.00000008000001");
    EXPECT_EQ(shown(convertTemperature(100, F, F)), "100.00000796");
    // Fahrenheit and back does not round-trip; the error is that of the constants.
    double back = convertTemperature(convertTemperature(50, F, C), C, F);
    EXPECT_NE(back, 50.0);
    EXPECT_NEAR(back, 50.0, 1e-5);
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

TEST_F(Catalogue, NamesIgnoreCaseAndSymbolsCountWhenUnique) {
    EXPECT_EQ(nameOf("metre"), "metre");
    EXPECT_EQ(nameOf("METRE"), "metre");
    EXPECT_EQ(nameOf("m"), "metre");
    EXPECT_EQ(nameOf("mm"), "millimetre");
    EXPECT_EQ(nameOf("°C"), "Celsius");
    // Symbols keep their case first: "MV" is not "mV".
    EXPECT_EQ(nameOf("mV"), "millivolt");
    EXPECT_EQ(nameOf("MV"), "megavolt");
    // Only when no symbol matches exactly does the case give way...
    EXPECT_EQ(nameOf("GON"), "gradian (gon)");
    // ...and then it may match several: "KG" is the kilogram and the kilogauss.
    EXPECT_EQ(cat.resolve("KG").size(), 2u);
    // "mph" is both the mile per hour and the milliphot.
    auto shared = cat.resolve("mph");
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_NE(shared[0]->category, shared[1]->category);
    EXPECT_TRUE(cat.resolve("no such unit").empty());
    EXPECT_TRUE(cat.resolve("").empty());
}

TEST_F(Catalogue, NameWithoutItsExplanationIsEnough) {
    EXPECT_EQ(nameOf("litre"), "litre (cubic decimetre)");
    EXPECT_EQ(nameOf("Gradian"), "gradian (gon)");
    // A name that is listed whole wins over another unit's shortened name.
    for (const convert::Category& c : cat.categories())
        for (const convert::Unit& u : c.units) EXPECT_EQ(nameOf(u.name), u.name);
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
              "100.0000094");
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
