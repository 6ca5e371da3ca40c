#pragma once
// The data module: owns the nine reference tables every window reads.
//
// All windows share each table's order, filter and current row through DM; a
// window that needs a particular order or filter sets it before it reads.
#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "data/DataSource.h"
#include "data/dbase/Table.h"

class TDM : public QObject {
    Q_OBJECT
public:
    // The tables' files, in the order they are opened.
    static constexpr std::array<const char*, 9> kFileNames = {
        "members.DBF", "class.dbf", "phcont.dbf", "all_name.DBF", "all_db.dbf",
        "all_z.dbf",   "rvb.dbf",   "pan.dbf",    "nam_1.dbf"};
    // The one table the user edits (the constants): read from the user's
    // copy when there is one, copied there before the first write.
    static constexpr int kEditableTable = 2;

    // Opens the tables from the program's directory (DMCreate).
    explicit TDM(QObject* parent = nullptr);
    // Opens the tables from `dir` (with a trailing separator); for tools and tests.
    TDM(const QString& dir, QObject* parent);
    ~TDM() override;

    dbase::Table Table1, Table2, Table3, Table4, Table5, Table6, Table7, Table8, Table9;
    TDataSource DataSource1{&Table1}, DataSource2{&Table2}, DataSource3{&Table3}, DataSource4{&Table4},
        DataSource5{&Table5}, DataSource6{&Table6}, DataSource7{&Table7}, DataSource8{&Table8},
        DataSource9{&Table9};

    // Table k (0..8) in opening order.
    dbase::Table& table(int k);
    // Why table k (0..8) did not open ("" when it did).
    const std::string& openError(int k) const { return openErrors_.at(static_cast<size_t>(k)); }
    // Every table's failure, one line each, in opening order ("" when all opened).
    std::string openError() const;
    // The folder the tables were opened from, with its trailing separator.
    const QString& folder() const { return folder_; }

private:
    void DMCreate();
    void openTables(const QString& dir);
    // Opens table k and gives it the order (and link) it starts with.
    void openTable(int k);

    std::array<std::string, 9> openErrors_;
    QString folder_;
};

// The program's one data module, created first at start-up.
extern TDM* DM;
