// Finding the help page of a context.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

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
    try {
        platform::PageHelpViewer(help.path()).show(30);
        FAIL() << "no error";
    } catch (const kv::Error& e) {
        EXPECT_TRUE(QString(e.what()).contains(help.path() + "/30.html")) << e.what();
    }
}

}  // namespace
