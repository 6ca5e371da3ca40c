#pragma once
// The program's file dialogs: Qt's own (alike on every desktop), with two
// faults of its usual setup mended.
//
// - A listing is decorated from names and kinds alone. The usual icon
//   provider opens every listed file to guess its type from its first bytes;
//   a FIFO with no writer, /proc/kmsg and the like block such a reader for
//   ever, and with it the whole program.
// - Nothing of a closed dialog stays on the screen: the name completer's
//   popup, which a folder listed late can bring up again, closes with it.
#include <QFileDialog>
#include <QFileIconProvider>

namespace forms {

// Icons and type names from the name and the kind of an entry; no file is
// opened. The icons are the desktop theme's for a folder, a file and a
// drive, or the style's own where the desktop has no theme.
class NameIconProvider : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

class FileDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit FileDialog(QWidget* parent, const QString& caption = {});
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hidePopups();
};

}  // namespace forms
