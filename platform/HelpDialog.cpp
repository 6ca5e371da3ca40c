#include "platform/HelpDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/AppInfo.h"

namespace platform {

namespace {

// A link to a page that is not there says so, instead of showing a blank page.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || resource.isValid()) return resource;
        return QStringLiteral("<html><body><h3>Page not found</h3><p>The help page %1 is missing.</p>"
                              "<p>Use Back to return.</p></body></html>")
            .arg(name.toString().toHtmlEscaped());
    }
};

}  // namespace

HelpDialog::HelpDialog(const QString& pageFile, QWidget* parent) : QDialog(parent), browser_(new HelpBrowser(this)) {
    setWindowTitle(kv::kAppTitle);
    resize(640, 480);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(pageFile).absoluteFilePath()));

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
