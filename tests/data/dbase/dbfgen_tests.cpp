#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/dbase/Mdx.h"
#include "data/tools/CsvReader.h"
#include "data/tools/Manifest.h"
#include "data/tools/TableGenerator.h"
#include "tests/data/dbase/MdxTreeWalk.h"

namespace dbfgen {
namespace {

TEST(DbfgenManifest, ReadsTablesAndTags) {
    const auto entries = parseManifest(
        "# comment\n"
        "\n"
        "members.DBF members.csv cp1252 dbase4 MEMBERS.MDX CLASS=CLASS C_N=str(CLASS)+NUMBER DOWN=NAME/D/U\n"
        "phcont.dbf phcont.csv cp1253 dbase3\r\n",
        "tables.txt");
    ASSERT_EQ(entries.size(), 2u);
    const ManifestEntry& members = entries[0];
    EXPECT_EQ(members.line, 3);
    EXPECT_EQ(members.table, "members.DBF");
    EXPECT_EQ(members.csv, "members.csv");
    EXPECT_EQ(members.mdx, "MEMBERS.MDX");
    ASSERT_EQ(members.tags.size(), 3u);
    EXPECT_EQ(members.tags[1].name, "C_N");
    EXPECT_EQ(members.tags[1].expression, "str(CLASS)+NUMBER");
    EXPECT_FALSE(members.tags[1].descending);
    EXPECT_EQ(members.tags[2].expression, "NAME");
    EXPECT_TRUE(members.tags[2].descending);
    EXPECT_TRUE(members.tags[2].unique);
    EXPECT_EQ(entries[1].codePage, 1253);
    EXPECT_EQ(entries[1].version, 3);
    EXPECT_TRUE(entries[1].mdx.empty());
}

TEST(DbfgenManifest, FaultsNameLineAndColumn) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a.dbf a.csv cp1252\n", "m:1:13: a table needs"},
        {"a.dbf a.csv cp9999 dbase4\n", "m:1:13: \"cp9999\" is no supported code page"},
        {"a.dbf a.csv 1252 dbase4\n", "m:1:13: \"1252\" is no supported"},
        {"a.dbf a.csv cp1252 dbase5\n", "m:1:20: \"dbase5\" is neither"},
        {"a.dbf a.csv cp1252 dbase4 A.MDX\n", "m:1:27: a production index needs at least one tag"},
        {"a.dbf a.csv cp1252 dbase4 B.MDX X=X\n", "m:1:27: a production index has the stem"},
        {"a.dbf a.csv cp1252 dbase4 A.NDX X=X\n", "m:1:27: a production index file ends in .MDX"},
        {"a.dbf a.csv cp1252 dbase3 A.MDX X=X\n", "m:1:20: only dBASE IV"},
        {"a.dbf a.csv cp1252 dbase4 A.MDX XX\n", "m:1:33: a tag is written TAG=expression"},
        {"a.dbf a.csv cp1252 dbase4 A.MDX X=/D\n", "m:1:33: tag X has no key expression"},
        {"a.dbf a.csv cp1252 dbase4 A.MDX X=A Y=B X=C\n", "m:1:41: tag X appears twice"},
        {"a.dbf a.csv cp1252 dbase4\nA.DBF b.csv cp1252 dbase4\n", "m:2:1: table A.DBF is listed twice"},
        {"  a.dbf a.csv cp1252 dbase4\n", "m:1:1: a table line starts"},
        {"sub/a.dbf a.csv cp1252 dbase4\n", "m:1:1: \"sub/a.dbf\" is not a file name"},
    };
    for (const auto& [text, message] : cases) {
        try {
            parseManifest(text, "m");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const SourceError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
    }
}

class DbfgenGenerate : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("kv-dbfgen-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void writeCsv(const std::string& name, const std::string& text) { std::ofstream(dir_ / name) << text; }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void generate(const std::string& manifest) {
        for (const ManifestEntry& entry : parseManifest(manifest, "tables.txt"))
            generateTable(entry, "tables.txt", dir_.string(), dir_.string());
    }
    std::vector<std::uint32_t> recordsOfTag(const std::string& mdx, int tag) {
        std::vector<std::uint32_t> records;
        for (const auto& entry : mdxtest::TreeWalker(read(mdx)).walk(tag).entries) records.push_back(entry.second);
        return records;
    }

    std::filesystem::path dir_;
};

TEST_F(DbfgenGenerate, WritesTheTableAndItsIndexInKeyOrder) {
    writeCsv("units.csv",
             "CLASS:N:3:0,NUMBER:N:3:0,NAME:C:20,#note\n"
             "2,1,Foot,x\n"
             "1,0,metre,\n"
             "2,0,inch,\n"
             "1,1,Mile,\n");
    generate("units.DBF units.csv cp1252 dbase4 UNITS.MDX NAME=NAME CLASS=CLASS DOWN=NUMBER/D C_N=str(CLASS)+NUMBER\n");

    const std::string dbf = read("units.DBF");
    ASSERT_GT(dbf.size(), 32u);
    EXPECT_EQ(dbf[28], 1) << "production index flag";

    const auto tags = dbase::readMdxTags(path("UNITS.MDX"));
    ASSERT_EQ(tags.size(), 4u);
    EXPECT_EQ(tags[2].name, "DOWN");
    EXPECT_TRUE(tags[2].descending);
    EXPECT_EQ(recordsOfTag("UNITS.MDX", 0), (std::vector<std::uint32_t>{1, 3, 2, 4}));  // letter case ignored
    EXPECT_EQ(recordsOfTag("UNITS.MDX", 1), (std::vector<std::uint32_t>{2, 4, 1, 3}));  // stable for equal keys
    EXPECT_EQ(recordsOfTag("UNITS.MDX", 2), (std::vector<std::uint32_t>{1, 4, 2, 3}));
    EXPECT_EQ(recordsOfTag("UNITS.MDX", 3), (std::vector<std::uint32_t>{2, 4, 3, 1}));
    // A text key of a field has the field's width.
    EXPECT_EQ(mdxtest::TreeWalker(read("UNITS.MDX")).walk(0).entries[0].first, "Foot" + std::string(16, ' '));
}

TEST_F(DbfgenGenerate, FaultsNameTheirSource) {
    writeCsv("bad.csv", "A:N:2:0\n1\n123\n");
    writeCsv("ok.csv", "A:N:2:0\n1\n");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"x.dbf bad.csv cp1252 dbase4\n", path("bad.csv") + ":3:1: field A: 123"},
        {"x.dbf missing.csv cp1252 dbase4\n", path("missing.csv") + ": cannot open"},
        {"ok.dbf ok.csv cp1252 dbase4 ok.MDX K=NOSUCH\n", "tables.txt:1:36: index expression \"NOSUCH\""},
        {"ok.dbf ok.csv cp1252 dbase4 ok.MDX TOOLONGNAME=A\n", "tables.txt:1:29: "},
    };
    for (const auto& [manifest, message] : cases) {
        try {
            generate(manifest);
            ADD_FAILURE() << "accepted: " << manifest;
        } catch (const SourceError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace dbfgen
