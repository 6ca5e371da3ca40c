#include "app/AbForm.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "app/BarGlyphs.h"
#include "core/AppInfo.h"
#include "core/HandlerGuard.h"
#include "platform/HelpKey.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/ToolDialog.h"

TAbForm::TAbForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "AbForm", QStringLiteral("About"), {310, 132});
    platform::helpOnF1(this, QStringLiteral("about.html"));
    move(4, 109);

    auto* logo = new QLabel(this);
    logo->setPixmap(trayFrames().value(0).pixmap(44, 44));
    logo->setGeometry(16, 16, 48, 48);

    ProductName = new QLabel(kv::kProductName, this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ProductName->setFont(big);
    ProductName->setGeometry(80, 12, 220, 32);

    Maker = new QLabel(QStringLiteral("\u00A9 ") + kv::kMakerName, this);
    Maker->setObjectName(QStringLiteral("Maker"));
    Maker->setGeometry(80, 48, 220, 20);

    Version = new QLabel(QStringLiteral("Version ") + kv::appVersion(), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(80, 70, 220, 20);

    BitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(forms::buttonGlyph("ok"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setGeometry(242, 104, 65, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TAbForm::BitBtn1Click));
}

void TAbForm::BitBtn1Click() {
    close();
}
