// The help window: links between pages, the window named after its page, the
// contents of the shipped help and the way back to it from every page.
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "core/AppInfo.h"
#include "platform/HelpDialog.h"
#include "platform/HelpPages.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Clicks the link whose text is linkText, as the user would.
void clickLink(QTextBrowser* browser, const QString& linkText) {
    QTextCursor cursor = browser->document()->find(linkText);
    QVERIFY2(!cursor.isNull(), qPrintable(linkText));
    cursor.setPosition(cursor.selectionStart() + 1);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(cursor).center());
}

}  // namespace

class HelpDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QFile page(dir_.filePath("10.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<h1>Launcher bar</h1><a href=\"30.html\">hot keys</a> <a href=\"99.html\">nowhere</a>");
        page.close();
        QFile other(dir_.filePath("30.html"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("<html><head><title>Hot &amp; keys</title></head><body><h1>Hot keys</h1></body></html>");
    }

    void linksLeadToOtherPagesAndBack() {
        platform::HelpDialog dialog(dir_.filePath("10.html"));
        QCOMPARE(dialog.windowTitle(), kv::kAppTitle);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.browser()->toPlainText().contains("Launcher bar"));
        QPushButton* back = nullptr;
        for (auto* button : dialog.findChildren<QPushButton*>())
            if (button->text().remove('&') == "Back") back = button;
        QVERIFY(back != nullptr && !back->isEnabled());

        clickLink(dialog.browser(), "hot keys");
        QTRY_VERIFY(dialog.browser()->toPlainText().contains("Hot keys"));
        QCOMPARE(dialog.windowTitle(), QString("Hot & keys"));
        QVERIFY(back->isEnabled());
        back->click();
        QTRY_VERIFY(dialog.browser()->toPlainText().contains("Launcher bar"));
        QCOMPARE(dialog.windowTitle(), kv::kAppTitle);  // a page without a title

        clickLink(dialog.browser(), "nowhere");
        QTRY_VERIFY(dialog.browser()->toPlainText().contains("99.html"));
        QVERIFY(dialog.browser()->toPlainText().contains("missing"));
        QCOMPARE(dialog.windowTitle(), QString("Page not found"));
        clickLink(dialog.browser(), "contents");
        QTRY_COMPARE(dialog.windowTitle(), QString("Contents"));
        QVERIFY(dialog.browser()->toPlainText().contains("Hot & keys"));
    }

    // From the contents to each shipped page by its title, and back by its
    // "Contents" link; the window bears each page's title on the way.
    void everyShippedPageIsInTheContentsAndLinksBack() {
        const QString help = qEnvironmentVariable("KV_BIN_DIR") + "/help";
        if (qEnvironmentVariableIsEmpty("KV_BIN_DIR")) QSKIP("KV_BIN_DIR not set: not run by ctest");
        const QStringList pages = QDir(help).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 6);
        platform::HelpDialog dialog(help + "/" + pages[0]);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const QString& page : pages) {
            QTextDocument shipped;
            shipped.setHtml(QString::fromUtf8(readAll(help + "/" + page)));
            const QString title = shipped.metaInformation(QTextDocument::DocumentTitle);
            QVERIFY2(!title.isEmpty(), qPrintable(page));

            clickLink(dialog.browser(), "Contents");
            QTRY_COMPARE(dialog.windowTitle(), QString("Contents"));
            clickLink(dialog.browser(), title);
            QTRY_COMPARE(dialog.browser()->source().fileName(), page);
            QCOMPARE(dialog.windowTitle(), title);
        }
    }

    void theBarsPageIsShippedBesideTheProgram() {
        QString bin = qEnvironmentVariable("KV_BIN_DIR");
        if (bin.isEmpty()) QSKIP("KV_BIN_DIR not set: not run by ctest");
        auto page = platform::findHelpPage(bin + "/help", 10);
        QVERIFY2(page.has_value(), "the build did not copy the help pages");
        QCOMPARE(readAll(*page), readAll(qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/help/10.html"));
    }

    // A page opened at a section shows that section at the top.
    void aSectionOpensWhereItsHeadingIs_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("heading");
        QTest::newRow("tanks") << "tanks" << "Volume of tanks";
        QTest::newRow("charmap") << "charmap" << "Fonts and character map";
        QTest::newRow("no section") << "" << "The launcher bar";
    }
    void aSectionOpensWhereItsHeadingIs() {
        QFETCH(QString, section);
        QFETCH(QString, heading);
        platform::HelpDialog dialog(qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/help/10.html", nullptr, section);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTextBrowser* browser = dialog.browser();
        // The text in view holds the heading, and the page's top only when no section was asked for.
        QString inView;
        const QTextBlock last = browser->cursorForPosition({4, browser->viewport()->height() - 4}).block();
        for (QTextBlock block = browser->cursorForPosition({4, 4}).block(); block.isValid(); block = block.next()) {
            inView += block.text() + '\n';
            if (block == last) break;
        }
        QVERIFY2(inView.contains(heading), qPrintable(inView));
        QCOMPARE(inView.contains("The launcher bar"), section.isEmpty());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(HelpDialogTest)
#include "HelpDialogTest.moc"
