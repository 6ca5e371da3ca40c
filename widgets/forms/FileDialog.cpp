#include "widgets/forms/FileDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QMimeDatabase>
#include <QTimer>

namespace forms {

QIcon NameIconProvider::icon(IconType type) const { return QFileIconProvider::icon(type); }

QIcon NameIconProvider::icon(const QFileInfo& info) const {
    // QFileInfo answers from the entry's status, which never blocks.
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    return icon(File);
}

QString NameIconProvider::type(const QFileInfo& info) const {
    if (info.isRoot()) return QStringLiteral("Drive");
    if (info.isDir()) return QStringLiteral("Folder");
    if (info.isSymLink() && !info.exists()) return QStringLiteral("Broken link");
    if (!info.isFile()) return QStringLiteral("Special file");
    // By the name's extension only: matching by content would read the file.
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.isDefault() ? QStringLiteral("File") : type.comment();
}

namespace {

NameIconProvider& nameIcons() {
    // The listing's model may ask it from its own thread until the dialog is
    // gone, so it lives as long as the program.
    static NameIconProvider provider;
    return provider;
}

}  // namespace

FileDialog::FileDialog(QWidget* parent, const QString& caption) : QFileDialog(parent, caption) {
    setOption(QFileDialog::DontUseNativeDialog);
    // The model behind the listing is made by the line above; what it lists
    // is decorated on this thread, after this constructor, so the provider
    // is in place before the first entry.
    setIconProvider(&nameIcons());
    for (QCompleter* completer : findChildren<QCompleter*>()) completer->popup()->installEventFilter(this);
}

void FileDialog::hidePopups() {
    for (QCompleter* completer : findChildren<QCompleter*>())
        if (completer->popup()->isVisible()) completer->popup()->hide();
}

void FileDialog::done(int result) {
    hidePopups();
    QFileDialog::done(result);
}

bool FileDialog::eventFilter(QObject* watched, QEvent* event) {
    // A folder listed after the dialog closed brings the completer's popup
    // back: hide it again as soon as it shows.
    if (event->type() == QEvent::Show && !isVisible())
        QTimer::singleShot(0, this, [this] { hidePopups(); });
    return QFileDialog::eventFilter(watched, event);
}

}  // namespace forms
