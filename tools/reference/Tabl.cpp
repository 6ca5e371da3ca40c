#include "tools/reference/Tabl.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>

#include "core/HandlerGuard.h"
#include "core/NumberFormat.h"
#include "data/TableModel.h"
#include "platform/HelpKey.h"
#include "platform/DesktopServices.h"
#include "platform/ProgramDir.h"
#include "tools/reference/ElementText.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/DBGrid.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"
#include "widgets/forms/ReadableColours.h"

TTableForm* TableForm = nullptr;

using reference::ElementRecord;

namespace {

constexpr QColor kOrange(255, 128, 64);
constexpr QColor kTitleColour(64, 128, 128);

// A face at a size in points, drawn at 96 dots per inch as the layout was.
QFont pointFont(const char* face, int points, bool bold = false) {
    QFont f(QString::fromLatin1(face));
    f.setPixelSize((points * 96 + 36) / 72);
    f.setBold(bold);
    return f;
}

QFont pixelFont(const char* face, int pixels, bool bold = true) {
    QFont f(QString::fromLatin1(face));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QColor categoryColour(int color) {
    switch (color) {
    case 1: return QColor(255, 0, 0);
    case 2: return QColor(255, 255, 0);
    case 3: return QColor(0, 255, 255);
    case 4: return QColor(0, 128, 0);
    default: return {};  // no colour of its own: the cell keeps the window's
    }
}

void setTextColour(QWidget* w, const QColor& colour) { forms::setTextColour(w, colour); }

// A field's value, one line at a fixed place; a text longer than the room
// before the next column ends in "…" and shows whole as the tooltip.
QLabel* valueLabel(QWidget* parent, const char* name, QRect place, const QFont& font) {
    QLabel* l = forms::placed(new QLabel(parent), name, place);
    l->setFont(font);
    l->setFixedHeight(std::max(place.height(), QFontMetrics(font).height()));
    return l;
}

void showValue(QLabel* l, const QString& text) {
    const QString shown = l->fontMetrics().elidedText(text, Qt::ElideRight, l->width());
    l->setText(shown);
    l->setToolTip(shown == text ? QString() : text);
}

}  // namespace

// --- TCaptionPanel -----------------------------------------------------------

TCaptionPanel::TCaptionPanel(QWidget* parent, const QString& caption, QRect place, const QColor& colour,
                             const QFont& font)
    : QFrame(parent), caption_(caption) {
    setGeometry(place);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setFont(font);
    if (colour.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        // A ground of its own, an ink of its own: the desktop's text colour
        // may be light.
        p.setColor(QPalette::WindowText, forms::inkFor(colour));
        p.setColor(QPalette::ButtonText, forms::inkFor(colour));
        setPalette(p);
        setAutoFillBackground(true);
    }
}

void TCaptionPanel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TCaptionPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setClipRect(contentsRect());
    painter.drawText(contentsRect(), int(alignment_) | Qt::TextSingleLine, caption_);
}

// --- TTableForm --------------------------------------------------------------

TTableForm::TTableForm(QWidget* parent, const QString& dir)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    // The client area of a 686 × 560 window with a dialog frame.
    forms::setUpDialog(this, "TableForm", QStringLiteral("Chemical elements table"), {680, 535});
    move(76, 2);

    const QString folder = dir.isEmpty() ? platform::programDir() : dir;
    Table1.setFileName((folder + QStringLiteral("elements.dbf")).toStdString());
    Table2.setFileName((folder + QStringLiteral("all.dbf")).toStdString());
    Table1.open();
    Table2.open();
    Table1.setIndexName("NUMBER");
    Table2.setIndexName("NUMBER");
    Table2.setMasterSource(&Table1, "NUMBER");

    // Under the cells: its click handler is the one every element button runs.
    Button1 = forms::placed(new QPushButton(QStringLiteral("Button1"), this), "Button1", {496, 72, 75, 25});
    Button1->setAutoDefault(false);  // hidden: neither Enter nor Tab may reach it
    Button1->setFocusPolicy(Qt::NoFocus);
    buildTable();

    model_ = new TableModel(&DataSource1, {QStringLiteral("NUMBER"), QStringLiteral("LETTER"), QStringLiteral("NAME")},
                            this);
    model_->setColumnTitle(0, QStringLiteral("NU"));
    model_->setColumnTitle(1, QStringLiteral("Sing"));
    DBGrid1 = forms::placed(new TDBGrid(this), "DBGrid1", {1, 393, 201, 120});
    // The grid and the table's cursor move together.
    DBGrid1->setSource(model_);
    DBGrid1->setAccessibleName(QStringLiteral("Elements"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(17);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 29);
    DBGrid1->setColumnWidth(1, 34);

    const QFont blueBold = pointFont("MS Sans Serif", 8, true);
    auto sortButton = [&](const char* name, const QString& caption, int top) {
        QToolButton* b = forms::placed(new QToolButton(this), name, {203, top, 98, 19});
        b->setText(caption);
        b->setAutoRaise(true);
        b->setFont(blueBold);
        setTextColour(b, Qt::blue);
        return b;
    };
    SB1 = sortButton("SB1", QStringLiteral("Sort by Name   "), 393);
    SB2 = sortButton("SB2", QStringLiteral("Sort by Number"), 413);

    const QFont value = pointFont("MS Sans Serif", 8, true);
    PAr = forms::placed(new TCaptionPanel(this, QStringLiteral("   Ar  ="), {}, {}, pointFont("MS Sans Serif", 10)),
                        "PAr", {303, 393, 140, 19});
    PAr->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBText1 = valueLabel(PAr, "DBText1", {64, 1, 74, 17}, value);
    PMass = forms::placed(new TCaptionPanel(this, QStringLiteral("    m  ="), {}, {}, pointFont("MS Sans Serif", 10)),
                          "PMass", {303, 413, 140, 19});
    PMass->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LMass = valueLabel(PMass, "LMass", {48, 1, 72, 17}, value);
    QFont boldItalic = value;
    boldItalic.setItalic(true);
    Label3 = forms::label(PMass, "Label3", QStringLiteral("kg"), {0, 1}, boldItalic);
    Label3->setFixedHeight(17);
    Label3->move(PMass->width() - 2 - Label3->width(), 1);

    PVal = forms::placed(new TCaptionPanel(this, QString(), {}, {}, pointFont("Arial", 8, true)), "PVal",
                         {444, 393, 145, 39});
    Label2 = valueLabel(PVal, "Label2", {1, 1, 143, 19}, pixelFont("Courier New", 16));
    Label2->setText(QStringLiteral("Valency:"));
    Label2->setAlignment(Qt::AlignCenter);
    DBText3 = valueLabel(PVal, "DBText3", {1, 22, 143, 16}, pixelFont("Courier New", 12));
    DBText3->setAlignment(Qt::AlignCenter);

    PO = forms::placed(new TCaptionPanel(this, QString(), {}, {}, font()), "PO", {590, 314, 42, 118});
    PO->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // One line per shell, the letters and the counts in one font and line
    // height, so that each count stands beside its shell's letter.
    const QFont shells = pixelFont("Courier New", 12);
    QString letters;
    for (const char* c = reference::kShellLetters; *c; ++c) letters += QLatin1Char(*c) + QStringLiteral("\n");
    Label1 = valueLabel(PO, "Label1", {2, 2, 14, 114}, shells);
    Label1->setText(letters.trimmed());
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PVal1 = valueLabel(PO, "PVal1", {18, 2, 22, 114}, shells);
    PVal1->setAlignment(Qt::AlignRight | Qt::AlignTop);

    Bevel1 = forms::bevel(this, "Bevel1", {207, 436, 471, 97});
    Bevel2 = forms::bevel(this, "Bevel2", {635, 67, 43, 332});
    auto caption = [&](const char* name, const char* text, QPoint at) {
        return forms::label(this, name, QString::fromUtf8(text), at);
    };
    // A value stands at its place, or just after its caption where the
    // caption's face runs wider than the one the layout was drawn in.
    auto after = [](QLabel* caption, QRect place) {
        const int left = std::max(place.left(), caption->geometry().right() + 5);
        return QRect(left, place.top(), place.right() + 1 - left, place.height());
    };
    DBText11 = valueLabel(this, "DBText11", {240, 440, 221, 16}, pixelFont("MS Sans Serif", 13));
    setTextColour(DBText11, Qt::red);
    Label4 = caption("Label4", "Year Discovery", {213, 463});
    DBText2 = valueLabel(this, "DBText2", after(Label4, {293, 463, 168, 14}), value);
    Label5 = caption("Label5", "Discoverer", {213, 479});
    DBText4 = valueLabel(this, "DBText4", after(Label5, {277, 479, 184, 14}), value);
    Label6 = caption("Label6", "Half-Life of most stable iso.:", {213, 496});
    DBText7 = valueLabel(this, "DBText7", after(Label6, {342, 496, 119, 14}), value);
    Label9 = caption("Label9", "Density", {213, 512});
    DBText8 = valueLabel(this, "DBText8", after(Label9, {278, 512, 183, 14}), value);
    Label7 = caption("Label7", "Boiling point :", {465, 439});
    DBText5 = valueLabel(this, "DBText5", after(Label7, {544, 439, 132, 14}), value);
    Label8 = caption("Label8", "Melting point :", {465, 455});
    DBText6 = valueLabel(this, "DBText6", after(Label8, {537, 455, 139, 14}), value);
    Label10 = caption("Label10", "Electronegativity", {465, 471});
    DBText9 = valueLabel(this, "DBText9", after(Label10, {553, 470, 123, 14}), value);
    Label11 = caption("Label11", "Ionization energy", {465, 487});
    DBText10 = valueLabel(this, "DBText10", after(Label11, {553, 487, 123, 14}), value);
    Label12 = caption("Label12", "Oxidation station", {464, 504});
    DBText12 = valueLabel(this, "DBText12", after(Label12, {552, 504, 124, 14}), pointFont("Times New Roman", 8, true));
    setTextColour(DBText12, QColor(0, 0, 128));

    SpeedButton7 = forms::pictureButton(this, "SpeedButton7", {640, 71, 33, 33}, forms::buttonGlyph("close"),
                                        QStringLiteral("Exit"), true);
    BitBtn2 = forms::pictureButton(this, "BitBtn2", {643, 109, 28, 28}, forms::buttonGlyph("notepad"),
                                   QStringLiteral("Notepad"));
    BitBtn1 = forms::pictureButton(this, "BitBtn1", {643, 141, 28, 28}, forms::buttonGlyph("calculator"),
                                   QStringLiteral("Calculator"));

    connect(SB1, &QToolButton::clicked, this, kv::guard(this, &TTableForm::SB1Click));
    connect(SB2, &QToolButton::clicked, this, kv::guard(this, &TTableForm::SB2Click));
    connect(BitBtn1, &QToolButton::clicked, this, kv::guard(this, &TTableForm::BitBtn1Click));
    connect(BitBtn2, &QToolButton::clicked, this, kv::guard(this, &TTableForm::BitBtn2Click));
    connect(SpeedButton7, &QToolButton::clicked, this, kv::guard(this, &TTableForm::SpeedButton7Click));
    platform::helpOnF1(this, QStringLiteral("elements.html"));
    // Every value on the window follows the current element, however it became current.
    for (TDataSource* source : {&DataSource1, &DataSource2}) {
        connect(source, &TDataSource::currentChanged, this, kv::guard(this, &TTableForm::showBoundValues));
        connect(source, &TDataSource::rowsChanged, this, kv::guard(this, &TTableForm::showBoundValues));
    }
    connect(&DataSource1, &TDataSource::currentChanged, this, kv::guard(this, &TTableForm::OnDBChange));
    connect(&DataSource1, &TDataSource::rowsChanged, this, kv::guard(this, &TTableForm::OnDBChange));

    Table1.first();
    showBoundValues();
    OnDBChange();
}

TTableForm::~TTableForm() {
    // The grid and its model go before the tables they show.
    delete DBGrid1;
    delete model_;
    Table2.setMasterSource(nullptr, "");
}

void TTableForm::buildTable() {
    const QColor background = palette().color(QPalette::Window);
    auto header = [&](const char* name, const QString& caption, QRect place, const QColor& colour, const QFont& f) {
        forms::placed(new TCaptionPanel(this, caption, place, colour, f), name, place);
    };
    header("Title", QStringLiteral("Elements Periodic Table"), {0, 0, width(), 35}, kTitleColour,
           pointFont("Times New Roman", 26, true));
    header("Groups", QStringLiteral("E l e m e t s     G r o u p"), {71, 35, 561, 22}, QColor(0, 0, 255),
           pointFont("Times New Roman", 14, true));
    header("PeriodHeader", QStringLiteral("Period"), {0, 35, 38, 39}, kOrange, pointFont("Times New Roman", 9));
    header("RowHeader", QStringLiteral("Row"), {38, 35, 33, 39}, kOrange, pointFont("Times New Roman", 9));
    const QFont numbers = pointFont("Times New Roman", 12, true);
    for (int p = 1; p <= 7; ++p) {
        const QRect place = p <= 3 ? QRect(0, 24 * p + 50, 38, 24)
                            : p <= 6 ? QRect(0, 48 * p - 46, 38, 48)
                                     : QRect(0, 290, 38, 24);
        header(qPrintable(QStringLiteral("Period%1").arg(p)), QString::number(p), place, kOrange, numbers);
    }
    for (int r = 1; r <= reference::kMainRows; ++r)
        header(qPrintable(QStringLiteral("Row%1").arg(r)), QString::number(r), {38, 24 * r + 50, 33, 24}, kOrange,
               numbers);
    static const char* const kGroups[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "O"};
    for (int g = 1; g <= 9; ++g) {
        const QRect place = g <= 7 ? QRect(51 * g + 20, 57, 51, 17)
                            : g == 8 ? QRect(428, 57, 153, 17)
                                     : QRect(581, 57, 51, 17);
        header(qPrintable(QStringLiteral("Group%1").arg(g)), QString::fromLatin1(kGroups[g - 1]), place, kOrange,
               numbers);
    }
    header("Lanthanoids", QStringLiteral("* L a n t h a n o i d s"), {0, 314, 589, 15}, kOrange, numbers);
    header("Actinoids", QStringLiteral("* A c t i n o i d s"), {0, 353, 589, 15}, kOrange, numbers);

    const std::map<int, ElementRecord> records = reference::readElementRecords(Table1);
    std::map<std::pair<int, int>, int> placed;
    for (const reference::ElementPlace& p : reference::placeElements(records)) placed[{p.x, p.y}] = p.number;

    // Every cell of the main block is there, filled or not.
    for (int y = 1; y <= reference::kMainRows; ++y) {
        for (int x = 1; x <= reference::kMainColumns; ++x) {
            const auto at = placed.find({x, y});
            const ElementRecord* r = at == placed.end() ? nullptr : &records.at(at->second);
            QColor colour = r ? categoryColour(r->color) : QColor();
            if (!colour.isValid()) colour = background;
            auto* cell = new TCaptionPanel(this, QString(), {51 * x + 20, 24 * y + 50, 51, 24}, colour, font());
            cell->setObjectName(QStringLiteral("Cell%1_%2").arg(x).arg(y));
            if (r) addElementButton(cell, *r, {47, 20});
        }
    }
    // The series rows hold cells only where there are elements.
    for (const auto& [xy, number] : placed) {
        const auto [x, y] = xy;
        if (y <= reference::kMainRows) continue;
        const ElementRecord& r = records.at(number);
        QColor colour = categoryColour(r.color);
        if (!colour.isValid()) colour = background;
        auto* cell = new TCaptionPanel(this, QString(), {42 * x - 41, 39 * y - 100, 42, 24}, colour, font());
        cell->setObjectName(QStringLiteral("Cell%1_%2").arg(x).arg(y));
        addElementButton(cell, r, {38, 20});
    }
}

void TTableForm::addElementButton(QWidget* cell, const ElementRecord& r, QSize size) {
    auto* b = new QToolButton(cell);
    b->setObjectName(QStringLiteral("Element%1").arg(r.number));
    b->setGeometry(QRect(QPoint(2, 2), size));
    b->setText(r.letter);
    b->setToolTip(r.name);
    b->setAutoRaise(true);
    // The main block in bold Times New Roman, the series rows in the window's bold face.
    QFont f = size.width() == 47 ? pointFont("Times New Roman", 8, true) : pointFont("MS Sans Serif", 8, true);
    b->setFont(f);
    const int number = r.number;
    connect(b, &QToolButton::clicked, this, kv::guard([this, number](bool) { Button1Click(number); }));
    buttons_[number] = b;
}

QToolButton* TTableForm::elementButton(int n) const {
    const auto found = buttons_.find(n);
    return found == buttons_.end() ? nullptr : found->second;
}

void TTableForm::Button1Click(int number) {
    {
        DBGrid1->setEnabled(false);
        auto enable = qScopeGuard([this] { DBGrid1->setEnabled(true); });
        // Found through the number's order, then back to the grid's order,
        // which keeps the found element as its current row.
        const std::string order = Table1.indexName();
        Table1.setIndexName("NUMBER");
        Table1.findKey(static_cast<double>(number));
        Table1.setIndexName(order);
    }
    OnDBChange();
}

void TTableForm::SB1Click() { Table1.setIndexName("NAME"); }

void TTableForm::SB2Click() { Table1.setIndexName("NUMBER"); }

void TTableForm::BitBtn1Click() { platform::desktop().programs->startCalculator(); }

void TTableForm::BitBtn2Click() { platform::desktop().programs->startTextEditor(); }

void TTableForm::SpeedButton7Click() { close(); }


void TTableForm::OnDBChange() {
    if (!Table1.active() || Table1.recNo() < 0) {
        LMass->clear();
        PVal1->clear();
        return;
    }
    LMass->setText(reference::massInKilograms(Table1.asFloat("MASS"), kv::localeDecimalPoint()));
    const QString column = reference::shellColumn(QString::fromStdString(Table1.asString("ORBIT")));
    QStringList cells;
    for (qsizetype i = 0; i < column.size(); i += 3) cells << column.mid(i, 3);
    PVal1->setText(cells.join(QLatin1Char('\n')));
}

void TTableForm::showBoundValues() {
    const bool element = Table1.active() && Table1.recNo() >= 0;
    const bool details = element && Table2.active() && Table2.recNo() >= 0;
    const reference::ElementDetails d = details ? reference::readElementDetails(Table2) : reference::ElementDetails{};
    showValue(DBText1, element ? reference::massText(Table1.asFloat("MASS"), kv::localeDecimalPoint()) : QString());
    showValue(DBText3, element ? QString::fromStdString(Table1.asString("VALENT")) : QString());
    const std::pair<QLabel*, const QString*> fields[] = {
        {DBText11, &d.tip},      {DBText2, &d.time},     {DBText4, &d.dis},     {DBText7, &d.halftime},
        {DBText8, &d.density},   {DBText5, &d.boilPoint}, {DBText6, &d.melPoint}, {DBText9, &d.electro},
        {DBText10, &d.energ},    {DBText12, &d.oxi}};
    for (const auto& [label, text] : fields) showValue(label, *text);
}
