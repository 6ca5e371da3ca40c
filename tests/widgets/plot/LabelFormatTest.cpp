// Numeric and date-time label formats.
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "widgets/plot/Sgr_scale.h"

namespace {
QString fmt(const char* f, double v) { return Tsp_FormatFloat(QString::fromLatin1(f), v, QChar('.')); }
}  // namespace

TEST(LabelFormat, DefaultTickFormat) {
    EXPECT_EQ(fmt("###0.##", 2.5), "2.5");
    EXPECT_EQ(fmt("###0.##", 10), "10");
    EXPECT_EQ(fmt("###0.##", 0.333), "0.33");
    EXPECT_EQ(fmt("###0.##", 0.666), "0.67");
    EXPECT_EQ(fmt("###0.##", 0), "0");
    EXPECT_EQ(fmt("###0.##", 0.999), "1");
    EXPECT_EQ(fmt("###0.##", -1.5), "-1.5");
    EXPECT_EQ(fmt("###0.##", 123456.789), "123456.79");
    // A value that rounds to zero shows no sign.
    EXPECT_EQ(fmt("###0.##", -0.001), "0");
    EXPECT_EQ(Tsp_FormatFloat("###0.##", 2.5, QChar(',')), "2,5");
}

TEST(LabelFormat, DigitsGroupingAndLiterals) {
    EXPECT_EQ(fmt("0.00", 1), "1.00");
    EXPECT_EQ(fmt("000", 7), "007");
    EXPECT_EQ(fmt("#.##", 0.5), ".5");
    EXPECT_EQ(fmt("0", 3.7), "4");
    EXPECT_EQ(fmt("#,##0", 1234567), "1,234,567");
    EXPECT_EQ(fmt("0.0 'kg'", 3.14), "3.1 kg");
    EXPECT_EQ(fmt("$0", 5), "$5");
    EXPECT_EQ(fmt("0.0E+00", 12345), "1.2E+04");
    EXPECT_EQ(fmt("0.0E-00", 0.00012), "1.2E-04");
    EXPECT_EQ(fmt("0.0E+00", 99999), "1.0E+05");
}

TEST(LabelFormat, SectionsAndSpecialValues) {
    EXPECT_EQ(fmt("0;(0)", -3), "(3)");
    EXPECT_EQ(fmt("0;(0);'zero'", 0), "zero");
    EXPECT_EQ(fmt("0;(0);'zero'", 4), "4");
    EXPECT_EQ(fmt("###0.##", 1e20), "1E20");
    EXPECT_EQ(fmt("###0.##", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(fmt("###0.##", -std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(fmt("", 0.25), "0.25");
    // Absurdly many decimals stop where a double stops.
    EXPECT_EQ(fmt(("0." + std::string(200, '#')).c_str(), 0.5), "0.5");
}

TEST(LabelFormat, DateTimeFromDays) {
    EXPECT_EQ(Tsp_FormatDateTime("yyyy-mm-dd", 0), "1899-12-30");
    EXPECT_EQ(Tsp_FormatDateTime("dd.mm.yyyy hh:nn", 45000.25), "15.03.2023 06:00");
    EXPECT_EQ(Tsp_FormatDateTime("hh:mm", 0.75), "18:00");  // m after h counts minutes
    EXPECT_EQ(Tsp_FormatDateTime("yyyy", -1), "1899");
    EXPECT_FALSE(Tsp_FormatDateTime("###0.##", 45000).isEmpty());
    EXPECT_EQ(Tsp_FormatDateTime("yyyy", std::numeric_limits<double>::quiet_NaN()), "NAN");
}
