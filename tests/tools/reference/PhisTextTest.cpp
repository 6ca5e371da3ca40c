// The constants' text lines: the window's copy line and the listing of the command.
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "data/dbase/DbfWriter.h"
#include "tools/reference/PhisText.h"

namespace {

class ConstantsTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("phcont.dbf").toStdString();
        dbase::NewTable t;
        t.codePage = 1253;
        t.fields = {{"NAME", 'C', 60, 0}, {"VALUE", 'C', 60, 0}, {"CHAR_VIEW", 'C', 20, 0}};
        t.rows = {{"speed of light in vacuum", "299792458 m s^-1 (exact)", "c"},
                  {"reduced Planck constant", "1.054571817...e-34 J s (exact)", "h-bar"},
                  {"Avogadro constant", "6.02214076e23 mol^-1 (exact)", "N_A"},
                  {"electric constant", "8.8541878128(13)e-12 F m^-1", "ε0"},
                  {"Planck constant", "6.62607015e-34 J Hz^-1 (exact)", "h"},
                  {"atomic unit of nothing", "1 (exact)", ""}};
        dbase::writeTable(path, t);
    }

    QTemporaryDir dir;
    std::string path;
};

TEST_F(ConstantsTable, ListsEveryConstantInNameOrderLetterCaseIgnored) {
    const QStringList lines = reference::constantLines(path, "");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "atomic unit of nothing 1 (exact) ");  // an empty symbol keeps the space
    EXPECT_EQ(lines[1], "Avogadro constant 6.02214076e23 mol^-1 (exact) N_A");
    EXPECT_EQ(lines[2], QString::fromUtf8("electric constant 8.8541878128(13)e-12 F m^-1 ε0"));
    EXPECT_EQ(lines[3], "Planck constant 6.62607015e-34 J Hz^-1 (exact) h");
    EXPECT_EQ(lines[5], "speed of light in vacuum 299792458 m s^-1 (exact) c");
}

TEST_F(ConstantsTable, SelectsByPartOfTheNameOnly) {
    EXPECT_EQ(reference::constantLines(path, "PLANCK").size(), 2);
    EXPECT_EQ(reference::constantLines(path, "Reduced planck").size(), 1);
    // The text is matched against names, not values or symbols.
    EXPECT_TRUE(reference::constantLines(path, "mol").isEmpty());
    EXPECT_TRUE(reference::constantLines(path, "ε0").isEmpty());
    EXPECT_TRUE(reference::constantLines(path, "speed of  light").isEmpty());
}

TEST_F(ConstantsTable, LineOfTheCurrentRow) {
    dbase::Table table;
    table.setFileName(path);
    EXPECT_THROW(reference::constantLine(table), dbase::DbfError);  // closed
    table.open();
    table.moveTo(2);
    EXPECT_EQ(reference::constantLine(table), "Avogadro constant 6.02214076e23 mol^-1 (exact) N_A");
}

TEST(ConstantsFile, MissingFileIsAnError) {
    QTemporaryDir dir;
    EXPECT_THROW(reference::constantLines(dir.filePath("phcont.dbf").toStdString(), ""), dbase::DbfError);
}

TEST(ShippedConstants, ListingIsInNameOrderAndEveryLineHasThreeParts) {
    const std::string path = std::string(std::getenv("KV_BIN_DIR")) + "/phcont.dbf";
    const QStringList all = reference::constantLines(path, "");
    ASSERT_GE(all.size(), 80);
    for (qsizetype i = 1; i < all.size(); ++i)
        EXPECT_LE(all[i - 1].compare(all[i], Qt::CaseInsensitive), 0) << all[i - 1].toStdString();
    const QStringList some = reference::constantLines(path, "MASS");
    ASSERT_FALSE(some.isEmpty());
    EXPECT_LT(some.size(), all.size());
    for (const QString& line : some) {
        EXPECT_TRUE(all.contains(line));
        EXPECT_TRUE(line.contains("mass", Qt::CaseInsensitive));
    }
}

}  // namespace
