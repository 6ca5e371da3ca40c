#include "widgets/forms/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace forms {

void copyText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
}

void copyAll(QLineEdit* box) {
    box->selectAll();
    copyText(box->text());
}

}  // namespace forms
