// The data module over the shipped tables: opening, failures, shared orders and filters.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "data/TableReport.h"

namespace {

// A private copy of the build's tables, so a test may remove some of them.
class ShippedTables : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString bin = QString::fromLocal8Bit(qgetenv("KV_BIN_DIR"));
        ASSERT_FALSE(bin.isEmpty()) << "KV_BIN_DIR not set";
        for (const char* name : TDM::kFileNames) copy(bin, name);
        for (const char* name : {"elements.dbf", "all.dbf"}) copy(bin, name);
        for (const QString& mdx : QDir(bin).entryList({"*.MDX", "*.mdx"})) copy(bin, mdx);
        old = kv::setErrorSink([this](const std::string& m) { errors.push_back(m); });
    }
    void TearDown() override { kv::setErrorSink(old); }

    void copy(const QString& from, const QString& name) {
        ASSERT_TRUE(QFile::copy(from + "/" + name, dir.filePath(name))) << name.toStdString();
    }
    QString path() const { return dir.path() + "/"; }

    QTemporaryDir dir;
    std::vector<std::string> errors;
    kv::ErrorSink old;
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::vector<std::string> names(dbase::Table& t) {
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next()) out.push_back(t.asString("NAME"));
    return out;
}

TEST_F(ShippedTables, AllNineOpenWithTheirStartingOrders) {
    TDM dm(path(), nullptr);
    EXPECT_TRUE(errors.empty()) << errors.front();
    for (int k = 0; k < 9; ++k) EXPECT_TRUE(dm.table(k).active()) << TDM::kFileNames[k];
    EXPECT_EQ(dm.Table1.indexName(), "NUMBER");
    EXPECT_TRUE(dm.Table1.filtered());
    EXPECT_EQ(dm.Table1.filter(), "");
    EXPECT_EQ(dm.Table1.recordCount(), dm.Table1.physicalRecordCount());
    EXPECT_EQ(dm.Table2.indexFieldNames(), "CLASS");
    EXPECT_EQ(dm.Table6.indexName(), "IND");
    // Categories come in CLASS order 1..N without gaps.
    int expected = 1;
    for (dm.Table2.first(); !dm.Table2.eof(); dm.Table2.next()) EXPECT_EQ(dm.Table2.asInteger("CLASS"), expected++);
}

TEST_F(ShippedTables, ATableThatFailsClosesOnlyItself) {
    // Table, and whether it is gone or overwritten with bytes that are no table.
    const std::pair<int, bool> cases[] = {{0, true}, {0, false}, {3, false}, {8, true}};
    for (const auto& [table, gone] : cases) {
        const std::string name = TDM::kFileNames[table];
        SCOPED_TRACE(name + (gone ? " gone" : " damaged"));
        const QString file = dir.filePath(QString::fromLatin1(name.c_str()));
        ASSERT_TRUE(QFile::rename(file, file + ".good"));
        if (!gone) {
            ASSERT_NO_FATAL_FAILURE(writeBytes(file, QByteArray(600, 'x')));
        }
        errors.clear();
        {
            TDM dm(path(), nullptr);
            ASSERT_EQ(errors.size(), 1u);  // one box
            EXPECT_NE(errors[0].find(name), std::string::npos) << errors[0];
            EXPECT_EQ(dm.openError(table), errors[0]);
            for (int k = 0; k < 9; ++k) {
                EXPECT_EQ(dm.table(k).active(), k != table) << TDM::kFileNames[k];
                EXPECT_EQ(dm.openError(k).empty(), k != table) << TDM::kFileNames[k];
            }
            // Reading the closed table reports an error instead of crashing.
            EXPECT_THROW(dm.table(table).asString("NAME"), kv::Error);
        }
        QFile::remove(file);
        ASSERT_TRUE(QFile::rename(file + ".good", file));
    }
}

TEST_F(ShippedTables, SeveralFailuresAreShownInOneMessage) {
    ASSERT_TRUE(QFile::remove(dir.filePath("members.DBF")));
    ASSERT_TRUE(QFile::remove(dir.filePath("rvb.dbf")));
    TDM dm(path(), nullptr);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], dm.openError(0) + "\n" + dm.openError(6));
    EXPECT_EQ(dm.openError(), errors[0]);
    EXPECT_NE(dm.openError(6).find("rvb.dbf"), std::string::npos) << errors[0];
    EXPECT_TRUE(dm.Table2.active() && dm.Table6.active() && dm.Table9.active());
}

TEST_F(ShippedTables, TemperatureCategoryHoldsTheFiveScalesInOrder) {
    TDM dm(path(), nullptr);
    dm.Table1.setFilter("CLASS='28'");
    dm.Table1.setFiltered(true);
    EXPECT_EQ(dm.Table1.recordCount(), 5);
    int number = 0;
    for (dm.Table1.first(); !dm.Table1.eof(); dm.Table1.next()) EXPECT_EQ(dm.Table1.asInteger("NUMBER"), number++);
    std::vector<std::string> expected = {"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Reaumur"};
    EXPECT_EQ(names(dm.Table1), expected);
    ASSERT_TRUE(dm.Table2.findKey(28.0));
    EXPECT_EQ(dm.Table2.asString("NAME"), "Temperature");
}

TEST_F(ShippedTables, OrderSwitchKeepsTheFilter) {
    TDM dm(path(), nullptr);
    dm.Table1.setFilter("CLASS='15'");
    std::vector<std::string> before = names(dm.Table1);
    ASSERT_GT(before.size(), 30u);
    EXPECT_EQ(before[32], "metre");
    dm.Table1.setIndexName("NAME");
    std::vector<std::string> byName = names(dm.Table1);
    EXPECT_EQ(dm.Table1.filter(), "CLASS='15'");
    EXPECT_TRUE(std::is_permutation(byName.begin(), byName.end(), before.begin(), before.end()));
    EXPECT_NE(byName, before);
    dm.Table1.setIndexName("NUMBER");
    EXPECT_EQ(names(dm.Table1), before);
    // Filtering off shows every unit, and the text survives.
    dm.Table1.setFiltered(false);
    EXPECT_EQ(dm.Table1.recordCount(), dm.Table1.physicalRecordCount());
    EXPECT_EQ(dm.Table1.filter(), "CLASS='15'");
}

TEST_F(ShippedTables, ReportNamesTheFailingTable) {
    TableReport ok = reportTables(path());
    EXPECT_TRUE(ok.allOpen);
    EXPECT_NE(ok.text.find("members.DBF: opened"), std::string::npos) << ok.text;
    EXPECT_NE(ok.text.find("NUMBER (NUMBER)"), std::string::npos) << ok.text;

    ASSERT_TRUE(QFile::rename(dir.filePath("all_db.dbf"), dir.filePath("all_db.old")));
    TableReport bad = reportTables(path());
    EXPECT_FALSE(bad.allOpen);
    EXPECT_NE(bad.text.find("all_name.DBF: opened"), std::string::npos) << bad.text;
    EXPECT_NE(bad.text.find("all_db.dbf: NOT OPENED"), std::string::npos) << bad.text;
    // The tables after the failing one open all the same.
    for (const char* later : {"all_z.dbf: opened", "rvb.dbf: opened", "nam_1.dbf: opened"})
        EXPECT_NE(bad.text.find(later), std::string::npos) << bad.text;
    EXPECT_TRUE(errors.empty());  // the report itself carries the error, no box
}

}  // namespace
