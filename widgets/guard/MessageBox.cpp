#include "widgets/guard/MessageBox.h"

#include <cstdio>

#include <QApplication>
#include <QMessageBox>

#include "core/AppInfo.h"
#include "core/HandlerGuard.h"

namespace kv {

void showMessageBox(MessageKind kind, const QString& text, QWidget* parent) {
    const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, kAppTitle, text, QMessageBox::Ok, parent ? parent : QApplication::activeWindow());
    box.exec();
}

void showErrorsInMessageBoxes() {
    setErrorSink([](const std::string& message) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            fprintf(stderr, "%s\n", message.c_str());
            return;
        }
        showMessageBox(MessageKind::Error, QString::fromStdString(message));
    });
}

}  // namespace kv
