#include "widgets/forms/ToolDialog.h"

#include <QDialog>

#include "widgets/forms/TabOrder.h"

namespace forms {

Qt::WindowFlags dialogFrame(Frame frame) {
    const Qt::WindowFlags titled = Qt::Dialog | Qt::WindowTitleHint;
    const Qt::WindowFlags closable = titled | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (frame) {
        case Frame::Fixed: return closable | Qt::MSWindowsFixedSizeDialogHint;
        // Without CustomizeWindowHint Qt would add the close box back.
        case Frame::FixedNoClose: return titled | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
        case Frame::Sizable: return closable;
        case Frame::SizableMinMax: return closable | Qt::WindowMinMaxButtonsHint;
    }
    return closable;
}

void setUpDialog(QDialog* dialog, const char* objectName, const QString& title, QSize fixedClientSize) {
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setWindowTitle(title);
    if (fixedClientSize.isValid()) dialog->setFixedSize(fixedClientSize);
    orderTabsWhenShown(dialog);
}

}  // namespace forms
