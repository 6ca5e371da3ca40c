// Finding the help page of a context; the contents of the help.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "TestEnvironment.h"
#include "core/Error.h"
#include "platform/HelpPages.h"
#include "platform/PageHelpViewer.h"

namespace {

TEST(FindHelpPage, FindsTheContextsOwnPageOnly) {
    QTemporaryDir help;
    writeText(help.path() + "/10.html", "<p>bar</p>");
    writeText(help.path() + "/30.htm", "<p>wrong suffix</p>");
    QDir().mkpath(help.path() + "/40.html");
    EXPECT_EQ(platform::findHelpPage(help.path(), 10), help.path() + "/10.html");
    EXPECT_EQ(platform::findHelpPage(help.path() + "/", 10), help.path() + "/10.html");
    for (int context : {1, 100, 30, 40}) EXPECT_EQ(platform::findHelpPage(help.path(), context), std::nullopt);
    EXPECT_EQ(platform::findHelpPage(help.path() + "/none", 10), std::nullopt);
}

TEST(PageHelpViewer, AMissingPageIsAnErrorNamingIt) {
    QTemporaryDir help;
    QDir().mkpath(help.path() + "/steel.html");  // a folder is no page
    const struct {
        std::function<void(platform::PageHelpViewer&)> show;
        QString page;
    } cases[] = {
        {[](platform::PageHelpViewer& v) { v.show(30); }, "/30.html"},
        {[](platform::PageHelpViewer& v) { v.showPage("elements.html"); }, "/elements.html"},
        {[](platform::PageHelpViewer& v) { v.showPage("steel.html"); }, "/steel.html"},
    };
    for (const auto& c : cases) {
        platform::PageHelpViewer viewer(help.path());
        try {
            c.show(viewer);
            ADD_FAILURE() << "no error for " << c.page.toStdString();
        } catch (const kv::Error& e) {
            EXPECT_TRUE(QString(e.what()).contains(help.path() + c.page)) << e.what();
        }
    }
}

TEST(PageHelpViewer, AWindowsMissingPageIsAnErrorNamingIt) {
    QTemporaryDir help;
    writeText(help.path() + "/10.html", "<p>bar</p>");
    for (const QString page : {"rgb.html", "rgb.html#mixing", "#tanks", ""}) {
        try {
            platform::PageHelpViewer(help.path()).showPage(page);
            ADD_FAILURE() << "no error for " << page.toStdString();
        } catch (const kv::Error& e) {
            const QString file = page.section('#', 0, 0);
            EXPECT_TRUE(QString(e.what()).contains(QDir(help.path()).filePath(file))) << e.what();
            EXPECT_FALSE(QString(e.what()).contains('#')) << e.what();
        }
    }
}

TEST(HelpContents, ListsEveryPageByTitleInContextOrder) {
    QTemporaryDir help;
    const struct {
        const char* file;
        const char* content;
    } pages[] = {
        {"150.html", "<html><head><title>Graph\n  and calculator</title></head></html>"},
        {"30.html", "<HTML><HEAD><TITLE>Hot &amp; keys</TITLE></HEAD></HTML>"},
        {"notes.html", "<p>no title</p>"},
        {"40.htm", "<title>wrong suffix</title>"},
        {"contents.html", "<title>an old contents page</title>"},
        {"100.html", "<title>Units</title>"},
    };
    for (const auto& p : pages) writeText(help.path() + "/" + p.file, p.content);
    const QString html = platform::helpContentsPage(help.path());
    EXPECT_TRUE(html.contains("<title>Contents</title>"));
    QStringList links;
    static const QRegularExpression link(R"re(<a href="([^"]*)">([^<]*)</a>)re");
    for (const QRegularExpressionMatch& m : link.globalMatch(html)) links << m.captured(1) + " " + m.captured(2);
    const QStringList expected = {"30.html Hot &amp; keys", "100.html Units", "150.html Graph and calculator",
                                  "notes.html notes.html"};
    EXPECT_EQ(links, expected) << html.toStdString();
    // An empty or missing folder gives a contents page without entries.
    EXPECT_FALSE(platform::helpContentsPage(help.path() + "/none").contains("<a "));
}

}  // namespace
