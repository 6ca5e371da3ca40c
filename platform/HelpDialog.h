#pragma once
// The help window: a page of the program's help, with working links between
// pages and to the contents of the help; the window bears the page's title.
#include <QDialog>

class QTextBrowser;

namespace platform {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    // At the page's section (an anchor's name) when one is given.
    explicit HelpDialog(const QString& pageFile, QWidget* parent = nullptr, const QString& section = {});
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace platform
