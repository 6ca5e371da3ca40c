#include "tools/reference/Map_k.h"

#include <algorithm>

#include <QFontDatabase>
#include <QStyle>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "core/HandlerGuard.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "tools/reference/CharCodes.h"
#include "tools/reference/KeyCodes.h"
#include "tools/reference/UnicodeNames.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TMap* Map = nullptr;

namespace {

constexpr int kHelpContext = 10;

QFont boldFont(const char* face, int pixelSize) {
    QFont f{QString::fromLatin1(face)};
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// The families as the system's font matching sees them. Private families are
// the platform's own (its user-interface faces) and no choice for the user.
std::vector<reference::FontFamily> installedFamilies() {
    std::vector<reference::FontFamily> families;
    for (const QString& name : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(name)) continue;
        families.push_back({name, QFontDatabase::isSmoothlyScalable(name), QFontDatabase::isBitmapScalable(name)});
    }
    return families;
}

QTableWidget* fixedGrid(QWidget* parent, const char* name, QRect place, int rows, int columns) {
    auto* grid = forms::placed(new QTableWidget(rows, columns, parent), name, place);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    return grid;
}

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TMap::TMap(QWidget* parent, std::optional<std::vector<reference::FontFamily>> families)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
    forms::setUpDialog(this, "Map", QStringLiteral("Character code and viewer fonts"), {676, 398});
    platform::helpOnF1(this, QStringLiteral("10.html#charmap"));
    move(2, 107);

    QFont bold = font();
    bold.setBold(true);
    Label5 = forms::label(this, "Label5", QStringLiteral("Current instaled fonts into system"), {8, 8}, bold);

    TreeView1 = forms::placed(new QTreeWidget(this), "TreeView1", {0, 24, 217, 365});
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeView1->setAllColumnsShowFocus(true);
    TreeView1->setIndentation(19);
    // Long family names scroll sideways rather than being cut short.
    TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->setToolTip(QStringLiteral("Click to select font"));

    // Cells of 12 × 20 pixels and the grid line between them, as the form has it.
    StringGrid1 = fixedGrid(this, "StringGrid1", {221, 7, 421, 151}, reference::kGridRows, reference::kGridColumns);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(13);
    StringGrid1->verticalHeader()->setDefaultSectionSize(21);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFont(boldFont("System", 13));

    Bevel1 = forms::bevel(this, "Bevel1", {219, 165, 421, 70});
    const QFont serif = boldFont("MS Serif", 13);
    const QFont sans = boldFont("MS Sans Serif", 13);
    Label7 = forms::label(this, "Label7", QStringLiteral("TrueType fonts"), {224, 168}, serif);
    Label1 = forms::label(this, "Label1", QString(), {328, 168}, serif);
    Label6 = forms::label(this, "Label6", QStringLiteral("Rasters fonts"), {224, 187}, serif);
    Label2 = forms::label(this, "Label2", QString(), {328, 186}, serif);
    Bevel2 = forms::bevel(this, "Bevel2", {383, 168, 251, 63});
    Label4 = forms::label(this, "Label4", QStringLiteral("Selected char:"), {388, 173}, serif);
    Label3 = forms::label(this, "Label3", QString(), {484, 173}, serif);
    Label9 = forms::label(this, "Label9", QStringLiteral("Hex :"), {391, 192}, sans);
    Label8 = forms::label(this, "Label8", QString(), {505, 192}, sans);
    Label10 = forms::label(this, "Label10", QStringLiteral("Decimal value:"), {392, 208}, sans);
    Label11 = forms::label(this, "Label11", QString(), {504, 208}, sans);
    // The values change with each pick: their labels keep room for the longest.
    for (QLabel* value : {Label1, Label2}) value->resize(48, value->fontMetrics().height());
    Label3->resize(108, Label3->fontMetrics().height());
    for (QLabel* value : {Label8, Label11}) value->resize(40, value->fontMetrics().height());

    StaticText1 = forms::placed(new QLabel(QStringLiteral("S"), this), "StaticText1", {596, 170, 33, 41});
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setFont(boldFont("MS Sans Serif", 24));
    StaticText1->setAutoFillBackground(true);
    QPalette white = StaticText1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    StaticText1->setPalette(white);

    StringGrid2 = fixedGrid(this, "StringGrid2", {220, 240, 420, 153}, 0, 2);
    StringGrid2->verticalHeader()->setDefaultSectionSize(20);  // six keys on show, not four

    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {648, 8, 25, 25}, forms::buttonGlyph("close"),
                                        QStringLiteral("Close"), true);
    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {648, 40, 25, 25}, forms::buttonGlyph("help"),
                                        QStringLiteral("Help"), true);
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) b->setCursor(Qt::PointingHandCursor);

    // The font list is taken once: fonts installed later show after a restart.
    fillCharacterGrid();
    const reference::FontTree fonts = reference::classifyFonts(families ? *families : installedFamilies());
    fillFontTree(fonts);
    Label1->setText(QString::number(fonts.trueTypeCount));
    Label2->setText(QString::number(fonts.rasterCount));
    fillKeyTable();
    StaticText1->setToolTip(
        reference::describeCodePoint(StaticText1->text().front().unicode(), reference::installedUnicodeNames()));

    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            kv::guard([this](int row, int column, int, int) {
                if (row >= 0 && column >= 0) StringGrid1SelectCell(column, row);
            }));
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            kv::guard([this](QTreeWidgetItem* node, QTreeWidgetItem*) {
                if (node) TreeView1GetSelectedIndex(node);
            }));
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this,
            kv::guard([this](QTreeWidgetItem*, int) { TreeView1DblClick(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TMap::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TMap::SpeedButton2Click));
}

void TMap::fillCharacterGrid() {
    const QBrush undefinedShade(QColor(224, 224, 224));
    for (int row = 0; row < reference::kGridRows; ++row) {
        for (int column = 0; column < reference::kGridColumns; ++column) {
            const int code = reference::gridCode(row, column);
            QTableWidgetItem* cell = readOnlyItem(reference::characterText(code));
            cell->setTextAlignment(Qt::AlignCenter);
            // An undefined code has no character: its cell is shaded and says
            // why, rather than showing whatever a font draws for a control.
            if (cell->text().isEmpty()) {
                cell->setBackground(undefinedShade);
                cell->setToolTip(QStringLiteral("Code %1 is not defined in code page 1252").arg(code));
            }
            StringGrid1->setItem(row, column, cell);
        }
    }
}

void TMap::fillFontTree(const reference::FontTree& fonts) {
    TreeView1->clear();
    auto* root = new QTreeWidgetItem(TreeView1, {QStringLiteral("System")});
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon face = style()->standardIcon(QStyle::SP_FileIcon);
    root->setIcon(0, folder);
    // Sorted as the whole tree is: "Raster" before "TrueType".
    std::vector<std::pair<QString, const QStringList*>> groups = {{QStringLiteral("TrueType"), &fonts.trueType},
                                                                  {QStringLiteral("Raster"), &fonts.raster}};
    std::sort(groups.begin(), groups.end(),
              [](const auto& a, const auto& b) { return reference::fontNameLess(a.first, b.first); });
    for (const auto& [name, members] : groups) {
        auto* group = new QTreeWidgetItem(root, {name});
        group->setIcon(0, folder);
        for (const QString& family : *members) (new QTreeWidgetItem(group, {family}))->setIcon(0, face);
    }
    root->setExpanded(true);
}

void TMap::fillKeyTable() {
    const int half = (StringGrid2->width() - 25) / 2;
    StringGrid2->setHorizontalHeaderLabels({reference::kKeyNameTitle, reference::kKeyValueTitle});
    StringGrid2->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const std::vector<reference::KeyRow>& rows = reference::keyTable();
    StringGrid2->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        StringGrid2->setItem(r, 0, readOnlyItem(rows[r].name));
        StringGrid2->setItem(r, 1, readOnlyItem(rows[r].value));
    }
    StringGrid2->setColumnWidth(0, half);
    StringGrid2->setColumnWidth(1, half);
}

void TMap::StringGrid1SelectCell(int column, int row) {
    const reference::CharacterCode c =
        reference::characterCode(reference::gridCode(row, column), reference::installedUnicodeNames());
    Label3->setText(c.entry);
    Label8->setText(c.hex);
    Label11->setText(c.decimal);
    StaticText1->setText(c.text);
    // On Linux a character is typed through its Unicode name or code point
    // rather than "Alt +0": the sample says which it is.
    StaticText1->setToolTip(c.unicode);
}

void TMap::TreeView1GetSelectedIndex(QTreeWidgetItem* node) {
    node->setExpanded(true);
    // A category's name is no face: the font matching then picks one, and
    // the sample shows which.
    QFont sample = StaticText1->font();
    sample.setFamily(node->text(0));
    StaticText1->setFont(sample);
    QFont grid = StringGrid1->font();
    grid.setFamily(StaticText1->font().family());
    StringGrid1->setFont(grid);
}

void TMap::TreeView1DblClick() {
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node) return;
    QFont grid = StringGrid1->font();
    grid.setFamily(node->text(0));
    StringGrid1->setFont(grid);
}

void TMap::SpeedButton1Click() {
    close();
}

void TMap::SpeedButton2Click() {
    platform::desktop().help->show(kHelpContext);
}
