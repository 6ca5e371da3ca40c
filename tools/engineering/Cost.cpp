#include "tools/engineering/Cost.h"

#include <algorithm>

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QToolButton>

#include "core/HandlerGuard.h"
#include "widgets/guard/MessageBox.h"
#include "core/NumberFormat.h"
#include "data/DM.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "platform/HelpPages.h"
#include "platform/ProgramDir.h"
#include "tools/engineering/TankCalculation.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"
#include "widgets/gif/GIFImage.h"

using engineering::TankUnitKind;

namespace {

constexpr int kHelpContext = 10;

QString text(const std::string& s) { return QString::fromStdString(s); }

QFrame* panel(QWidget* parent, const char* name, QRect place) {
    auto* frame = forms::placed(new QFrame(parent), name, place);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

// One input row: "x =", the number and its length unit.
void inputRow(QWidget* parent, int top, const char* names[3], QLabel*& label, QLineEdit*& edit, QComboBox*& list) {
    label = forms::placed(new QLabel(QStringLiteral("h ="), parent), names[0], {4, top + 3, 28, 16});
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit = forms::placed(new QLineEdit(parent), names[1], {36, top, 100, 22});
    list = forms::placed(new QComboBox(parent), names[2], {140, top, 152, 22});
}

// One result row in its panel: caption, "X =", the read-only number, its unit and its copy button.
void resultRow(QFrame* row, const QString& caption, const char* labelName, const QString& symbol,
               const char* editName, QLabel*& label, QLineEdit*& edit, const char* listName, QComboBox*& list) {
    row->setFrameShape(QFrame::StyledPanel);
    row->setFrameShadow(QFrame::Raised);
    forms::placed(new QLabel(caption, row), "", {3, 3, 44, 16});
    label = forms::placed(new QLabel(symbol, row), labelName, {46, 3, 22, 16});
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit = forms::placed(new QLineEdit(row), editName, {70, 1, 136, 22});
    edit->setReadOnly(true);
    list = forms::placed(new QComboBox(row), listName, {210, 1, 192, 22});
}

}  // namespace

TVolForm::TVolForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::FixedNoClose)) {
    // The unit lists are as wide as their longest names ("dalton (unified
    // atomic mass unit)"): the density and result rows span the window, which
    // is taller than its first design for them.
    forms::setUpDialog(this, "VolForm", QStringLiteral("Volume"), {479, 324});
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    const char* row1[3] = {"Label1", "Edit1", "ComboBox1"};
    const char* row2[3] = {"Label2", "Edit2", "ComboBox2"};
    const char* row3[3] = {"Label3", "Edit3", "ComboBox3"};
    const char* row4[3] = {"Label4", "Edit4", "ComboBox4"};
    inputRow(this, 4, row1, Label1, Edit1, ComboBox1);
    inputRow(this, 30, row2, Label2, Edit2, ComboBox2);
    Panel6 = panel(this, "Panel6", {0, 54, 296, 26});
    inputRow(Panel6, 2, row3, Label3, Edit3, ComboBox3);
    Panel7 = panel(this, "Panel7", {0, 80, 296, 26});
    inputRow(Panel7, 2, row4, Label4, Edit4, ComboBox4);
    Label1->setText(QStringLiteral("a ="));
    Label2->setText(QStringLiteral("b ="));
    Panel7->hide();

    Panel8 = forms::placed(new QFrame(this), "Panel8", {4, 166, 471, 46});
    Panel8->setFrameShape(QFrame::StyledPanel);
    Label7 = forms::label(Panel8, "Label7", QStringLiteral("Density"), {34, 2});
    Label8 = forms::label(Panel8, "Label8", QStringLiteral("[mass]/[volume]"), {102, 2});
    // The panel's caption: a Greek rho (the Symbol font's "r").
    Panel8Caption = forms::placed(new QLabel(QStringLiteral(" \u03C1 ="), Panel8), "Panel8Caption", {2, 23, 28, 16});
    Panel8Caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit6 = forms::placed(new QLineEdit(Panel8), "Edit6", {34, 20, 62, 22});
    ComboBox6 = forms::placed(new QComboBox(Panel8), "ComboBox6", {102, 20, 192, 22});
    forms::placed(new QLabel(QStringLiteral("/"), Panel8), "", {297, 23, 6, 16});
    ComboBox7 = forms::placed(new QComboBox(Panel8), "ComboBox7", {304, 20, 164, 22});

    Panel11 = forms::placed(new QFrame(this), "Panel11", {4, 216, 438, 26});
    resultRow(Panel11, QStringLiteral("Volume"), "Label5", QStringLiteral("V ="), "Edit5", Label5, Edit5, "ComboBox5",
              ComboBox5);
    Panel12 = forms::placed(new QFrame(this), "Panel12", {4, 243, 438, 26});
    resultRow(Panel12, QStringLiteral("Mass"), "Label6", QStringLiteral("m ="), "Edit7", Label6, Edit7, "ComboBox8",
              ComboBox8);
    Panel13 = forms::placed(new QFrame(this), "Panel13", {4, 270, 438, 26});
    resultRow(Panel13, QStringLiteral("Area"), "Label9", QStringLiteral("S ="), "Edit8", Label9, Edit8, "ComboBox9",
              ComboBox9);
    const QIcon copy = forms::buttonGlyph("copy");
    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {448, 217, 24, 24}, copy,
                                        QStringLiteral("Copy Volume to ClipBoard"));
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {448, 244, 24, 24}, copy,
                                        QStringLiteral("Copy Mass to ClipBoard"));
    SpeedButton3 = forms::pictureButton(this, "SpeedButton3", {448, 271, 24, 24}, copy,
                                        QStringLiteral("Copy Area to ClipBoard"));

    Panel1 = forms::placed(new QFrame(this), "Panel1", {296, 4, 179, 158});
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    GIFImage1 = forms::placed(new TGIFImage(Panel1), "GIFImage1", Panel1->contentsRect());
    GIFImage1->setCenter(true);
    GIFImage1->setAnimate(false);

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Calculate"), this), "BitBtn1", {36, 126, 110, 28});
    BitBtn1->setIcon(forms::buttonGlyph("ok"));
    BitBtn1->setDefault(true);
    BitBtn2 = forms::placed(new QPushButton(this), "BitBtn2", {152, 126, 36, 28});
    BitBtn2->setIcon(forms::buttonGlyph("close"));
    BitBtn2->setToolTip(QStringLiteral("Close"));
    BitBtn2->setAutoDefault(false);

    TabSet1 = forms::placed(new QTabBar(this), "TabSet1", {0, 298, 479, 26});
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    for (engineering::TankShape shape : engineering::kTankShapes)
        TabSet1->addTab(QString::fromLatin1(engineering::tankShapeName(shape)));

    FormCreate();
    connect(TabSet1, &QTabBar::currentChanged, this, kv::guard(this, &TVolForm::TabSet1Change));
    connect(ComboBox1, &QComboBox::activated, this, kv::guard([this](int) { ComboBox1Change(); }));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TVolForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, kv::guard(this, &TVolForm::BitBtn2Click));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TVolForm::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TVolForm::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &TVolForm::SpeedButton3Click));
    platform::helpOnF1(this, platform::helpPageName(kHelpContext) + QStringLiteral("#tanks"));
}

void TVolForm::fill(QComboBox* list, TankUnitKind kind) {
    list->clear();
    for (const convert::Unit& unit : engineering::tankUnits(units_, kind)) list->addItem(text(unit.name));
    list->setCurrentIndex(std::min(engineering::tankUnitList(kind).startPosition, list->count() - 1));
}

void TVolForm::FormCreate() {
    // The lists and the factors come from one reading of the catalogue, as
    // the `tank` command's do; the units table other windows share is left alone.
    units_ = convert::UnitCatalogue::load(DM->folder().toStdString());
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4}) fill(list, TankUnitKind::Length);
    fill(ComboBox5, TankUnitKind::Volume);
    fill(ComboBox7, TankUnitKind::Volume);
    fill(ComboBox6, TankUnitKind::Mass);
    fill(ComboBox8, TankUnitKind::Mass);
    fill(ComboBox9, TankUnitKind::Area);
    ComboBox1Change();
    TabSet1Change(0);
}

void TVolForm::TabSet1Change(int index) {
    const auto shape = engineering::kTankShapes.at(static_cast<size_t>(index));
    const QString name = QString::fromLatin1(engineering::tankShapeName(shape));
    // A missing picture keeps the one shown; an unreadable one empties the box.
    const QString folder = pictureFolder.isEmpty() ? platform::programDir() : pictureFolder;
    GIFImage1->tryLoadFromFile(folder + name + QStringLiteral(".gif"));
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8}) edit->clear();
    const auto& labels = engineering::tankRowLabels(shape);
    QLabel* const rowLabels[] = {Label1, Label2, Label3, Label4};
    for (size_t k = 0; k < 4; ++k) rowLabels[k]->setText(QString::fromLatin1(labels[k]));
    Panel6->setVisible(engineering::tankRowCount(shape) >= 3);
    Panel7->setVisible(engineering::tankRowCount(shape) >= 4);
}

void TVolForm::ComboBox1Change() {
    for (QComboBox* list : {ComboBox2, ComboBox3, ComboBox4}) list->setCurrentIndex(ComboBox1->currentIndex());
}

double TVolForm::factor(QComboBox* list, TankUnitKind kind) const {
    return engineering::tankUnitAt(units_, kind, list->currentIndex(), list->currentText().toStdString()).factor;
}

void TVolForm::BitBtn1Click() {
    if (Edit6->text().isEmpty()) Edit6->setText(QStringLiteral("0"));
    engineering::TankEntry entry;
    entry.shape = engineering::kTankShapes.at(static_cast<size_t>(TabSet1->currentIndex()));
    entry.dimensions = {Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString(),
                        Edit4->text().toStdString()};
    entry.density = Edit6->text().toStdString();

    engineering::TankFactors f;
    QComboBox* const lengths[] = {ComboBox1, ComboBox2, ComboBox3, ComboBox4};
    for (int k = 0; k < engineering::tankRowCount(entry.shape); ++k)
        f.lengths[static_cast<size_t>(k)] = factor(lengths[k], TankUnitKind::Length);
    f.densityMass = factor(ComboBox6, TankUnitKind::Mass);
    f.densityVolume = factor(ComboBox7, TankUnitKind::Volume);
    f.volume = factor(ComboBox5, TankUnitKind::Volume);
    f.mass = factor(ComboBox8, TankUnitKind::Mass);
    f.area = factor(ComboBox9, TankUnitKind::Area);

    const engineering::TankResults r = engineering::calculateTank(entry, f);
    if (!r.fits) kv::showMessageBox(kv::MessageKind::Warning, QString::fromLatin1(engineering::kWrongInput), this);
    Edit5->setText(text(kv::formatGeneral(r.volume)));
    Edit7->setText(text(kv::formatGeneral(r.mass)));
    Edit8->setText(text(kv::formatGeneral(r.area)));
}

void TVolForm::BitBtn2Click() { close(); }

void TVolForm::SpeedButton1Click() { forms::copyAll(Edit5); }
void TVolForm::SpeedButton2Click() { forms::copyAll(Edit7); }
void TVolForm::SpeedButton3Click() { forms::copyAll(Edit8); }
