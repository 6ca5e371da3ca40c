#include "app/Form1.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/AppInfo.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(kv::kAppTitle);
    setFixedSize(316, 67);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kv::kProductName + QStringLiteral(" ") + kv::appVersion(), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
}
