// Opening a table by name from the table folder: beside the program unless a
// test puts another folder in its place; a table missing, damaged or cut short
// is refused with its file's path.
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "data/TableFolder.h"
#include "platform/ProgramDir.h"

namespace {

struct Spoil {
    const char* what;
    std::function<void(const QString& path)> spoil;  // null: the table is left whole
};

TEST(TableFolder, opensATableFromTheFolderSetAndRefusesASpoiledOneByItsPath) {
    const QString bin = qEnvironmentVariable("KV_BIN_DIR");
    ASSERT_FALSE(bin.isEmpty()) << "KV_BIN_DIR not set";
    const Spoil cases[] = {
        {"whole", nullptr},
        {"missing", [](const QString& path) { QFile::remove(path); }},
        {"damaged",
         [](const QString& path) {
             QFile f(path);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.write(QByteArray(40, '\0'));
         }},
        {"cut short", [](const QString& path) { QFile::resize(path, 10); }},
    };
    for (const Spoil& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(QFile::copy(bin + "/pan.dbf", dir.filePath("pan.dbf")));
        if (c.spoil) c.spoil(dir.filePath("pan.dbf"));
        data::setTableFolder(dir.path() + "/");
        EXPECT_EQ(data::tableFolder(), dir.path() + "/");
        dbase::Table table;
        if (!c.spoil) {
            data::openTable(table, "pan.dbf");
            EXPECT_TRUE(table.active());
            EXPECT_GT(table.recordCount(), 0);
        } else {
            try {
                data::openTable(table, "pan.dbf");
                ADD_FAILURE() << "opened";
            } catch (const dbase::DbfError& e) {
                EXPECT_EQ(std::string(e.what()).rfind(dir.filePath("pan.dbf").toStdString() + ": ", 0), 0u) << e.what();
            }
            EXPECT_FALSE(table.active());
        }
    }
    data::setTableFolder("");
    EXPECT_EQ(data::tableFolder(), platform::programDir());
}

}  // namespace
