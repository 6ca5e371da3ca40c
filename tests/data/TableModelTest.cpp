// The item model of the bound grids: it follows the table and writes edits back.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/HandlerGuard.h"
#include "data/DataSource.h"
#include "data/TableModel.h"
#include "data/dbase/DbfWriter.h"

namespace {

class ModelOverTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("consts.dbf").toStdString();
        dbase::NewTable t;
        t.fields = {{"NAME", 'C', 20, 0}, {"VALUE", 'C', 30, 0}, {"NUM", 'N', 3, 0}};
        t.rows = {{"speed of light", "299792458 m/s", "2"},
                  {"Avogadro", "6.02214076e23 1/mol", "1"},
                  {"Boltzmann", "1.380649e-23 J/K", "2"}};
        dbase::writeTable(file, t);
        table.setFileName(file);
        table.open();
        table.setIndexFieldNames("NAME");
        old = kv::setErrorSink([this](const std::string& m) { errors.push_back(m); });
    }
    void TearDown() override { kv::setErrorSink(old); }

    QTemporaryDir dir;
    std::string file;
    dbase::Table table;
    std::vector<std::string> errors;
    kv::ErrorSink old;
};

QString cell(const TableModel& m, int row, int column) {
    return m.data(m.index(row, column), Qt::DisplayRole).toString();
}

TEST_F(ModelOverTable, ShowsNamedFieldsInTheTablesOrderAndFollowsTheFilter) {
    TDataSource source(&table);
    TableModel model(&source, {"NAME", "VALUE"});
    model.setColumnTitle(1, "Value");
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(cell(model, 0, 0), "Avogadro");
    EXPECT_EQ(cell(model, 2, 0), "speed of light");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "NAME");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Value");

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    table.setFilter("NUM=2");
    table.setFiltered(true);
    EXPECT_GE(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(cell(model, 0, 0), "Boltzmann");
    table.setFiltered(false);
    EXPECT_EQ(model.rowCount(), 3);
}

TEST_F(ModelOverTable, CurrentRowFollowsTheNavigator) {
    TDataSource source(&table);
    TableModel model(&source);
    QSignalSpy moved(&model, &TableModel::currentRowChanged);
    source.first();
    source.next();
    EXPECT_EQ(model.currentRow(), 1);
    source.last();
    EXPECT_EQ(model.currentRow(), 2);
    ASSERT_GE(moved.count(), 2);
    EXPECT_EQ(moved.last().at(0).toInt(), 2);
    model.setCurrentRow(0);
    EXPECT_EQ(table.recNo(), 0);
}

TEST_F(ModelOverTable, EditIsWrittenToTheFile) {
    TDataSource source(&table);
    TableModel model(&source, {"NAME", "VALUE"});
    model.setReadOnly(false);
    ASSERT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(model.setData(model.index(0, 1), "6.022e23 per mole", Qt::EditRole));
    EXPECT_EQ(cell(model, 0, 1), "6.022e23 per mole");
    EXPECT_GE(changed.count(), 1);

    dbase::Table reread;
    reread.setFileName(file);
    reread.open();
    reread.setIndexFieldNames("NAME");
    reread.first();
    EXPECT_EQ(reread.asString("VALUE"), "6.022e23 per mole");
    EXPECT_TRUE(errors.empty());
}

TEST_F(ModelOverTable, RefusedEditReportsAndKeepsTheValue) {
    TDataSource source(&table);
    TableModel model(&source, {"NAME", "NUM"});
    model.setReadOnly(false);
    EXPECT_FALSE(model.setData(model.index(0, 1), "not a number", Qt::EditRole));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(cell(model, 0, 1).trimmed(), "1");

    TableModel readOnly(&source, {"NAME"});
    EXPECT_FALSE(readOnly.flags(readOnly.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(readOnly.setData(readOnly.index(0, 0), "changed", Qt::EditRole));
    EXPECT_EQ(cell(readOnly, 0, 0), "Avogadro");
}

}  // namespace
