#include "platform/HelpDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/AppInfo.h"
#include "platform/HelpPages.h"

namespace platform {

namespace {

// Shows the contents page made from the pages of its folder, and, for a link
// to a page that is not there, says so instead of showing a blank page.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QString folder, QWidget* parent) : QTextBrowser(parent), folder_(std::move(folder)) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.fileName() == kHelpContentsName)
            return helpContentsPage(folder_);
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || resource.isValid()) return resource;
        return QStringLiteral("<html><head><title>Page not found</title></head><body><h3>Page not found</h3>"
                              "<p>The help page %1 is missing.</p>"
                              "<p>Use Back to return, or go to the <a href=\"%2\">contents</a>.</p></body></html>")
            .arg(name.toString().toHtmlEscaped(), kHelpContentsName);
    }

private:
    QString folder_;
};

}  // namespace

HelpDialog::HelpDialog(const QString& pageFile, QWidget* parent, const QString& section)
    : QDialog(parent), browser_(new HelpBrowser(QFileInfo(pageFile).absolutePath(), this)) {
    setWindowTitle(kv::kAppTitle);
    resize(640, 480);
    browser_->setOpenExternalLinks(true);
    // The window is named after the page it shows.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? kv::kAppTitle : title);
    });
    QUrl page = QUrl::fromLocalFile(QFileInfo(pageFile).absoluteFilePath());
    if (!section.isEmpty()) page.setFragment(section);
    browser_->setSource(page);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* back = buttons->addButton(tr("Back"), QDialogButtonBox::ActionRole);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
}

}  // namespace platform
