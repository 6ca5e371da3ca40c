#include "core/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "core/AppInfo.h"

namespace kv {

void showMessageBox(MessageKind kind, const QString& text, QWidget* parent) {
    const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, kAppTitle, text, QMessageBox::Ok, parent ? parent : QApplication::activeWindow());
    box.exec();
}

}  // namespace kv
