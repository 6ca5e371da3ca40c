// The tank calculation without windows: each shape against its closed form,
// the checks and their messages, and the unit lists on the shared units table
// (the chosen units' effect is checked end to end against GNU units).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/Error.h"
#include "tools/engineering/TankCalculation.h"
#include "tools/engineering/TankUnits.h"

namespace {

using namespace engineering;
using S = TankShape;
const double pi = std::acos(-1.0);

std::string binDir() {
    const char* bin = std::getenv("KV_BIN_DIR");
    return bin ? std::string(bin) + "/" : std::string();
}

// The area of a plane polygon in space: half the length of the summed cross products.
double polygonArea(const std::vector<std::array<double, 3>>& p) {
    double n[3] = {0, 0, 0};
    for (size_t i = 0; i < p.size(); ++i) {
        const auto& u = p[i];
        const auto& v = p[(i + 1) % p.size()];
        n[0] += u[1] * v[2] - u[2] * v[1];
        n[1] += u[2] * v[0] - u[0] * v[2];
        n[2] += u[0] * v[1] - u[1] * v[0];
    }
    return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) / 2;
}

// The liquid in a pyramid (base centred on the origin, apex at height H) as its
// six faces built from corner points.
double pyramidLiquidArea(double a, double b, double H, double h) {
    const double k = (H - h) / H;
    auto ring = [](double x, double y, double z) {
        return std::vector<std::array<double, 3>>{{-x, -y, z}, {x, -y, z}, {x, y, z}, {-x, y, z}};
    };
    const auto low = ring(a / 2, b / 2, 0), high = ring(a * k / 2, b * k / 2, h);
    double sum = polygonArea(low) + polygonArea(high);
    for (size_t i = 0; i < 4; ++i) sum += polygonArea({low[i], low[(i + 1) % 4], high[(i + 1) % 4], high[i]});
    return sum;
}

TEST(TankShapes, LiquidAgainstClosedForms) {
    const double L = 3, R = 2;
    struct Case {
        const char* what;
        S shape;
        double a, b, c, d, volume, area;
    } const cases[] = {
        {"cylinder", S::Cylinder, 1, 2, 0, 0, 2 * pi, 4 * pi + 2 * pi},
        {"whole cone", S::Cone, 1, 3, 3, 0, pi * 3 / 3, pi * std::sqrt(10.0) + pi},
        // Full cone less the dry cone above the level (R 2, H 4, h 2: r = 1).
        {"half cone", S::Cone, 2, 4, 2, 0, pi * 4 * 4 / 3 - pi * 1 * 2 / 3,
         pi * 2 * std::sqrt(20.0) - pi * 1 * std::sqrt(5.0) + pi * 4 + pi * 1},
        {"whole sphere", S::Sphere, R, 2 * R, 0, 0, 4 * pi * R * R * R / 3, 4 * pi * R * R},
        {"half sphere", S::Sphere, R, R, 0, 0, 2 * pi * R * R * R / 3, 3 * pi * R * R},
        {"whole torus", S::Torus, L, R, 2 * R, 0, 2 * pi * pi * L * R * R, 4 * pi * pi * L * R},
        {"half torus", S::Torus, L, R, R, 0, pi * pi * L * R * R, 2 * pi * L * (pi * R + 2 * R)},
        {"prism", S::Prism, 2, 3, 4, 0, 24, 2 * (6 + 8 + 12)},
        {"whole pyramid", S::Pyramid, 2, 3, 4, 4, 2 * 3 * 4 / 3.0, pyramidLiquidArea(2, 3, 4, 4)},
        {"pyramid to a third", S::Pyramid, 2, 3, 6, 2, 2 * 3 * 6 / 3.0 * (1 - std::pow(4 / 6.0, 3)),
         pyramidLiquidArea(2, 3, 6, 2)},
        // Seen from a level far below the apex the walls stand upright.
        {"pyramid like a prism", S::Pyramid, 2, 3, 1e9, 4, 24, 52},
    };
    for (const Case& c : cases) {
        const TankBody body = tankBody(c.shape, c.a, c.b, c.c, c.d);
        EXPECT_TRUE(body.fits) << c.what;
        EXPECT_NEAR(body.volume, c.volume, 1e-6 * c.volume) << c.what;
        EXPECT_NEAR(body.area, c.area, 1e-6 * c.area) << c.what;
    }
    // The whole pyramid's walls are its four triangles: S = ab + a·√(H² + b²/4) + b·√(H² + a²/4).
    EXPECT_NEAR(pyramidLiquidArea(2, 3, 4, 4), 6 + 2 * std::sqrt(16 + 2.25) + 3 * std::sqrt(17.0), 1e-12);
}

TEST(TankShapes, LevelOutsideTheVesselIsWrongInput) {
    struct Case {
        S shape;
        double a, b, c, d;
    } const cases[] = {
        {S::Cone, 1, 2, 2.5, 0}, {S::Sphere, 1, 2.01, 0, 0}, {S::Pyramid, 1, 1, 2, 3},
        {S::Torus, 5, 1, 2.5, 0}, {S::Torus, 5, 1, -0.1, 0},
    };
    for (const Case& c : cases) {
        const TankBody body = tankBody(c.shape, c.a, c.b, c.c, c.d);
        EXPECT_FALSE(body.fits) << tankShapeName(c.shape);
        EXPECT_EQ(body.volume, 0);
        EXPECT_EQ(body.area, 0);
    }
}

TEST(TankCalculation, BadEntriesAreIncorrectInput) {
    struct Case {
        S shape;
        std::array<std::string, 4> dims;
        std::string density;
        bool incorrect;
    } const cases[] = {
        {S::Cylinder, {"", "2"}, "1", true},       {S::Cylinder, {"1", "x"}, "1", true},
        {S::Cylinder, {"0", "2"}, "1", true},      {S::Cone, {"1", "2", "0"}, "1", true},
        {S::Pyramid, {"1", "1", "2", ""}, "1", true}, {S::Prism, {"1", "-2", "3"}, "1", true},
        {S::Cylinder, {"1", "2"}, "-1", true},     {S::Cylinder, {"1", "2"}, "dense", true},
        // Rows the shape hides are not read; zero or no density is no mass.
        {S::Cylinder, {"1", "2", "x", "x"}, "0", false}, {S::Cone, {"1", "2", "1", ""}, "", false},
    };
    for (const Case& c : cases) {
        const TankEntry entry{c.shape, c.dims, c.density};
        if (c.incorrect) {
            try {
                calculateTank(entry, TankFactors{});
                ADD_FAILURE() << c.dims[0] << " " << c.dims[1] << " accepted";
            } catch (const kv::Error& e) {
                EXPECT_STREQ(e.what(), "Incorrect input");
            }
        } else {
            const TankResults r = calculateTank(entry, TankFactors{});
            EXPECT_GT(r.volume, 0);
            EXPECT_EQ(r.mass, 0);
        }
    }
}

TEST(TankUnits, ListsAndUnitsComeFromTheCatalogue) {
    ASSERT_FALSE(binDir().empty());
    const convert::UnitCatalogue catalogue = convert::UnitCatalogue::load(binDir());

    struct Case {
        TankUnitKind kind;
        const char* start;
        const char* noneChosen;
    } const cases[] = {{TankUnitKind::Length, "metre", "No length unit is chosen"},
                       {TankUnitKind::Volume, "litre (cubic decimetre)", "No volume unit is chosen"},
                       {TankUnitKind::Mass, "kilogram", "No mass unit is chosen"},
                       {TankUnitKind::Area, "square metre", "No area unit is chosen"}};
    for (const Case& c : cases) {
        const auto& units = tankUnits(catalogue, c.kind);
        const int start = tankUnitList(c.kind).startPosition;
        ASSERT_GT(units.size(), static_cast<size_t>(start));
        EXPECT_EQ(units[static_cast<size_t>(start)].name, c.start);
        // Position k of the list is the unit numbered k.
        for (size_t k = 0; k < units.size(); ++k) EXPECT_EQ(units[k].number, static_cast<int>(k)) << c.start;
        // The reference units: a metre is 100 cm; the rest are the reference itself.
        EXPECT_EQ(tankUnitAt(catalogue, c.kind, start, c.start).factor, c.kind == TankUnitKind::Length ? 100 : 1);
        const std::pair<int, std::string> faults[] = {{static_cast<int>(units.size()), "'lost unit'"},
                                                      {-1, c.noneChosen}};
        for (const auto& [position, message] : faults) {
            try {
                tankUnitAt(catalogue, c.kind, position, "lost unit");
                ADD_FAILURE() << "position " << position << " gave a unit";
            } catch (const kv::Error& e) {
                EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            }
        }
    }
    EXPECT_TRUE(tankUnits(convert::UnitCatalogue{}, TankUnitKind::Mass).empty());
}

}  // namespace
