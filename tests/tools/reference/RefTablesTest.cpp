// The reference topics without widgets: every shipped topic as its source
// file writes it (order, code page, columns by position), and the refusals.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "data/tools/CsvReader.h"
#include "tests/tools/reference/RefTopicTables.h"
#include "tools/reference/RefTables.h"

namespace {

struct Tables {
    dbase::Table names, body, heads;
    explicit Tables(const QString& dir) {
        for (auto [table, file, order] : {std::tuple{&names, "all_name.DBF", "NAME"},
                                          std::tuple{&body, "all_db.dbf", "NAME"}, std::tuple{&heads, "all_z.dbf", ""}}) {
            table->setFileName((dir + "/" + file).toStdString());
            table->open();
            table->setIndexFieldNames(order);
        }
    }
    reference::RefGrid load(const QString& title) { return reference::loadTopic(names, body, heads, title); }
};

QStringList texts(const dbfgen::CsvRecord& record) {
    QStringList out;
    for (const dbfgen::CsvCell& c : record.cells) out << QString::fromStdString(c.text);
    return out;
}

TEST(RefTopics, EveryShippedTopicShowsItsSourceRowsInTheirOrder) {
    Tables built(qEnvironmentVariable("KV_BIN_DIR"));
    const std::string topics = qEnvironmentVariable("KV_SOURCE_DIR").toStdString() + "/data/sources/topics/";
    const auto index = dbfgen::readCsvFile(topics + "topics.csv");
    ASSERT_GE(index.size(), 25u);  // heading line and at least 24 topics
    EXPECT_EQ(reference::topicTitles(built.names).size(), static_cast<qsizetype>(index.size() - 1));
    for (size_t t = 1; t < index.size(); ++t) {
        const QStringList topic = texts(index[t]);
        SCOPED_TRACE(topic[0].toStdString());
        const reference::RefGrid grid = built.load(topic[0]);
        const auto source = dbfgen::readCsvFile(topics + topic[3].toStdString());
        EXPECT_EQ(grid.columns, topic[1].toInt());
        EXPECT_EQ(grid.font, topic[2]);
        // Texts come back from the Greek code page as written, rows in the
        // source's order, which the topic checks hold to its readers' order.
        EXPECT_EQ(grid.headings, texts(source[0]));
        ASSERT_EQ(grid.rows.size(), static_cast<qsizetype>(source.size() - 1));
        for (size_t r = 1; r < source.size(); ++r) EXPECT_EQ(grid.rows[r - 1], texts(source[r])) << "row " << r;
    }
}

TEST(RefTopics, EdgeTopicsAndRefusalsNameTheTopic) {
    QTemporaryDir dir;
    reftest::writeTopicTables(dir.path());
    Tables t(dir.path());
    EXPECT_EQ(reference::topicTitles(t.names), QStringList({"Cones", "Empty", "Too wide", "Wide", "Zero"}));
    const reference::RefGrid cones = t.load("cones");  // the key search ignores letter case
    EXPECT_EQ(cones.headings, QStringList({"d", "D"}));
    EXPECT_EQ(cones.rows, QList<QStringList>({{"5", "10"}, {"10", "20"}}));  // by key, not by column 1
    EXPECT_TRUE(t.load("Empty").rows.isEmpty());
    const reference::RefGrid wide = t.load("Wide");
    EXPECT_EQ(wide.font, "Times New Roman");
    EXPECT_EQ(wide.headings, QStringList({"Ω (ohm)", "β", "γ", "δ: a heading far too long to fit"}));
    EXPECT_EQ(wide.rows, QList<QStringList>({{"w1", "x1", "y1", "z1"},
                                             {"w2", "µ", "a cell text far too long for its column", ""}}));
    const struct {
        const char* title;
        const char* why;
    } refused[] = {
        {"Zero", "its number of columns (KOL) is 0"},
        {"Too wide", "it has 11 columns but all_db.dbf holds only 5 after INDEX"},
        {"Nowhere", "no topic has this title"},
    };
    for (const auto& r : refused) {
        try {
            t.load(r.title);
            ADD_FAILURE() << r.title << " was shown";
        } catch (const kv::Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("The reference table \"") + r.title + "\" cannot be shown: " + r.why);
        }
    }
}

}  // namespace
