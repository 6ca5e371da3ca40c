// The help window: the page under the application title, links between pages, the shipped page.
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
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
        other.write("<h1>Hot keys</h1>");
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
        QVERIFY(back->isEnabled());
        back->click();
        QTRY_VERIFY(dialog.browser()->toPlainText().contains("Launcher bar"));

        clickLink(dialog.browser(), "nowhere");
        QTRY_VERIFY(dialog.browser()->toPlainText().contains("99.html"));
        QVERIFY(dialog.browser()->toPlainText().contains("missing"));
    }

    void theBarsPageIsShippedBesideTheProgram() {
        QString bin = qEnvironmentVariable("KV_BIN_DIR");
        if (bin.isEmpty()) QSKIP("KV_BIN_DIR not set: not run by ctest");
        auto page = platform::findHelpPage(bin + "/help", 10);
        QVERIFY2(page.has_value(), "the build did not copy the help pages");
        QCOMPARE(readAll(*page), readAll(qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/help/10.html"));
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(HelpDialogTest)
#include "HelpDialogTest.moc"
