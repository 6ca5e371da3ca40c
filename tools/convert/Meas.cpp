#include "tools/convert/Meas.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWindow>

#include "core/HandlerGuard.h"
#include "core/LastingWindow.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "data/DM.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "data/units/Conversion.h"
#include "tools/convert/ListClick.h"
#include "data/units/UnitCatalogue.h"
#include "tools/reference/Phis.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TMeasForm* MeasForm = nullptr;
std::function<void()> TMeasForm::showPhysicalConstants;

namespace {

constexpr int kHelpNoCategory = 40;
constexpr int kHelpCategory = 100;
constexpr int kHelpTemperature = 110;

// Puts the window on or off the topmost layer. A shown window keeps its native
// window: re-creating it (what setWindowFlags does) would hide it and end its
// modal loop.
void setTopmost(QWidget* w, bool on) {
    Qt::WindowFlags flags = w->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == w->windowFlags()) return;
    if (QWindow* native = w->windowHandle()) {
        w->overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        w->setWindowFlags(flags);
    }
}

QListWidget* list(QWidget* parent, const char* name, QRect place) {
    auto* l = forms::placed(new QListWidget(parent), name, place);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(12);
    font.setBold(true);
    l->setFont(font);
    return l;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TMeasForm::TMeasForm(QWidget* parent)
    : QDialog(parent, forms::dialogFrame(forms::Frame::FixedNoClose)) {
    forms::setUpDialog(this, "MeasForm", QStringLiteral("Measure"), {515, 364});
    // F1: as the Help button, by the chosen category.
    platform::helpOnF1(this, [this] { SpeedButton4Click(); });
    QPalette menuColour = palette();
    menuColour.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(menuColour);
    setAutoFillBackground(true);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    QFont bold = font();
    bold.setBold(true);

    MaskEdit1 = forms::placed(new QLineEdit(QStringLiteral("1"), this), "MaskEdit1", {2, 1, 254, 24});
    MaskEdit1->setFont(bold);

    MaskEdit2 = forms::placed(new QLineEdit(this), "MaskEdit2", {266, 1, 217, 24});
    MaskEdit2->setFont(bold);
    MaskEdit2->setReadOnly(true);  // reached with Tab and copied with Ctrl+C like any text box
    // No caption stands beside them on the form: a screen reader is told.
    MaskEdit1->setAccessibleName(QStringLiteral("Number to convert"));
    MaskEdit2->setAccessibleName(QStringLiteral("Converted number"));

    SolveBtn = forms::pictureButton(this, "SolveBtn", {250, 28, 25, 25},
                                    forms::buttonGlyph("convert"), QStringLiteral("Convert"),
                                    true);
    ListBox2 = list(this, "ListBox2", {2, 30, 242, 188});
    ListBox3 = list(this, "ListBox3", {279, 29, 204, 188});
    ListBox2->setAccessibleName(QStringLiteral("From unit"));
    ListBox3->setAccessibleName(QStringLiteral("To unit"));
    SpeedButton6 = forms::pictureButton(this, "SpeedButton6", {248, 129, 28, 28},
                                        forms::buttonGlyph("constants"),
                                        QStringLiteral("Physical constants"), true);
    SpeedButton3 = forms::pictureButton(this, "SpeedButton3", {248, 158, 28, 28},
                                        forms::buttonGlyph("notepad"),
                                        QStringLiteral("notepad"), true);
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {248, 188, 28, 28},
                                        forms::buttonGlyph("calculator"),
                                        QStringLiteral("calculator"), true);

    Label1 = forms::label(this, "Label1", QStringLiteral("Measure category"), {136, 221}, bold);

    // Three columns: the names run down a column and on into the next.
    ListBox1 = list(this, "ListBox1", {3, 238, 508, 106});
    ListBox1->setFlow(QListView::TopToBottom);
    ListBox1->setWrapping(true);
    ListBox1->setResizeMode(QListView::Adjust);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setGridSize(QSize((508 - 2 * ListBox1->frameWidth()) / 3, QFontMetrics(ListBox1->font()).height() + 2));

    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {488, 3, 25, 25},
                                        forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy number only"));
    SpeedButton5 = forms::pictureButton(this, "SpeedButton5", {488, 28, 25, 25},
                                        forms::buttonGlyph("copy-units"),
                                        QStringLiteral("Copy Number and Units"));
    SpeedButton4 = forms::pictureButton(this, "SpeedButton4", {488, 53, 25, 25},
                                        forms::buttonGlyph("help"),
                                        QStringLiteral("Help"));
    CloseBtn = forms::pictureButton(this, "CloseBtn", {488, 79, 25, 25},
                                    forms::buttonGlyph("close"),
                                    QStringLiteral("Close"));

    CheckBox1 = new QCheckBox(QStringLiteral("Always on Top"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(8, 345);
    CheckBox1->adjustSize();

    MaskEdit3 = new QLineEdit(this);
    forms::name(MaskEdit3, "MaskEdit3");
    MaskEdit3->hide();
    MaskEdit3->setEnabled(false);
    MaskEdit3->setFocusPolicy(Qt::NoFocus);  // never shown, never placed: no stop of the Tab chain

    connect(SolveBtn, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SolveBtnClick));
    // The arrow is the window's default action: Enter in the number converts.
    connect(MaskEdit1, &QLineEdit::returnPressed, this, kv::guard(this, &TMeasForm::SolveBtnClick));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton4Click));
    connect(SpeedButton5, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton5Click));
    connect(SpeedButton6, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SpeedButton6Click));
    connect(CloseBtn, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::CloseBtnClick));
    connect(CheckBox1, &QCheckBox::clicked, this, kv::guard(this, &TMeasForm::CheckBox1Click));
    convert::onListClick(ListBox1, kv::guard(this, &TMeasForm::ListBox1Click));
    convert::onListClick(ListBox2, kv::guard(this, &TMeasForm::ListBox2Click));
    convert::onListClick(ListBox3, kv::guard(this, &TMeasForm::ListBox3Click));

    kv::guarded([this] { FormCreate(); });
}

void TMeasForm::FormCreate() {
    OnTopFlag = true;
    CheckBox1->setChecked(true);
    setWindowTitle(QString());
    dbase::Table& classes = DM->Table2;
    // A walk over a closed table sees no rows; the user must learn why the list is empty.
    if (!classes.active()) throw dbase::DbfError(classes.fileName() + ": the table is not open");
    QSignalBlocker quiet(ListBox1);
    for (classes.first(); !classes.eof(); classes.next()) ListBox1->addItem(text(classes.asString("NAME")));
}

void TMeasForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    kv::guarded([this] { FormActivate(); });
}

void TMeasForm::FormActivate() {
    OnTopFlag = CheckBox1->isChecked();
    setTopmost(this, OnTopFlag);
}

void TMeasForm::CheckBox1Click() {
    FormActivate();
}

void TMeasForm::ListBox1Click() {
    const int category = convert::selectedRow(ListBox1) + 1;
    MaskEdit2->clear();
    {
        QSignalBlocker quiet2(ListBox2), quiet3(ListBox3);
        ListBox2->clear();
        ListBox3->clear();
    }
    setWindowTitle(QString());

    dbase::Table& units = DM->Table1;
    // The lists' positions are the units' NUMBERs: list them in that order,
    // whatever order the finder left.
    if (units.indexName() != "NUMBER") units.setIndexName("NUMBER");
    units.setFilter("CLASS='" + std::to_string(category) + "'");
    units.setFiltered(true);

    dbase::Table& classes = DM->Table2;
    if (!classes.findKey(static_cast<double>(category))) {
        close();
        return;
    }
    setWindowTitle(QStringLiteral("Part: ") + text(classes.asString("NAME")));

    QSignalBlocker quiet2(ListBox2), quiet3(ListBox3);
    for (units.first(); !units.eof(); units.next()) ListBox2->addItem(text(units.asString("NAME")));
    for (units.first(); !units.eof(); units.next()) ListBox3->addItem(text(units.asString("NAME")));
    units.first();
}

void TMeasForm::SolveBtnClick() {
    if (MaskEdit1->text().isEmpty()) return;
    const int category = convert::selectedRow(ListBox1) + 1;
    const int from = convert::selectedRow(ListBox2);
    const int to = convert::selectedRow(ListBox3);
    std::optional<double> fromFactor = convert::categoryUnitFactor(DM->Table1, category, from);
    if (!fromFactor) return;
    FromFactor = *fromFactor;
    std::optional<double> toFactor = convert::categoryUnitFactor(DM->Table1, category, to);
    if (!toFactor) return;
    ToFactor = *toFactor;

    std::optional<double> x = kv::tryReadFloat(MaskEdit1->text().toStdString());
    if (!x) {
        kv::showError("It's not a float number");
        return;
    }
    const convert::Unit source{category, from, {}, {}, FromFactor}, target{category, to, {}, {}, ToFactor};
    const std::optional<double> result = convert::convertUnits(*x, source, target);
    if (!result) return;
    MaskEdit2->setText(text(kv::formatGeneral(*result)));
}

void TMeasForm::ListBox2Click() {
    if (MaskEdit2->text().isEmpty()) return;
    // A result not above zero sets the input back to 0; the input is converted
    // either way, so the two boxes never show a false equation.
    if (!(kv::readFloat(MaskEdit2->text().toStdString()) > 0)) MaskEdit1->setText(QStringLiteral("0"));
    SolveBtnClick();
}

void TMeasForm::ListBox3Click() {
    SolveBtnClick();
}

void TMeasForm::SpeedButton1Click() {
    forms::copyAll(MaskEdit2);
}

void TMeasForm::SpeedButton5Click() {
    const int target = convert::selectedRow(ListBox3);
    if (target < 0) return;
    MaskEdit3->setText(MaskEdit2->text() + QLatin1Char(' ') + ListBox3->item(target)->text());
    forms::copyAll(MaskEdit3);
}

void TMeasForm::SpeedButton2Click() {
    platform::desktop().programs->startCalculator();
}

void TMeasForm::SpeedButton3Click() {
    platform::desktop().programs->startTextEditor();
}

void TMeasForm::SpeedButton4Click() {
    const int category = convert::selectedRow(ListBox1);
    int context = kHelpNoCategory;
    if (category >= 0)
        context = ListBox1->item(category)->text() == QLatin1String("Temperature") ? kHelpTemperature : kHelpCategory;
    platform::desktop().help->show(context);
}

void TMeasForm::SpeedButton6Click() {
    // The constants window must be able to come in front of this one.
    if (OnTopFlag) setTopmost(this, false);
    auto back = qScopeGuard([this] {
        if (OnTopFlag) setTopmost(this, true);
    });
    if (showPhysicalConstants) {
        showPhysicalConstants();
    } else {
        kv::lastingWindow(PhisForm).exec();
    }
}

void TMeasForm::CloseBtnClick() {
    close();
}
