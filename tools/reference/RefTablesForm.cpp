#include "tools/reference/RefTablesForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "platform/DesktopServices.h"
#include "platform/HelpKey.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/Clipboard.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"

TForm5* Form5 = nullptr;

namespace {

QFont pixelFont(const QString& face, int pixelSize, bool bold = false) {
    QFont f(face);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// The grid's designed shape, kept while the topic list is empty.
constexpr int kDesignedColumns = 3;
constexpr int kDesignedRows = 5;
constexpr int kRowHeight = 18;

}  // namespace

TForm5::TForm5(QWidget* parent, TDM* dm)
    : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)),
      dm_(dm ? dm : DM) {
    if (!dm_) throw kv::Error("The reference tables window needs the data module");
    forms::setUpDialog(this, "Form5", QStringLiteral("Reference tables"), {597, 368});
    platform::helpOnF1(this, QStringLiteral("10.html#reference-tables"));

    ListBox1 = forms::placed(new QListWidget(this), "ListBox1", {1, 3, 594, 93});
    ListBox1->setToolTip(QStringLiteral("Click to select "));
    ListBox1->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    // Two columns, filled row by row; further rows scroll in from below. A
    // scroll bar at the side leaves all five rows of the list's height to
    // titles, where one at the foot would take one of them.
    ListBox1->setFlow(QListView::LeftToRight);
    ListBox1->setWrapping(true);
    ListBox1->setResizeMode(QListView::Adjust);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A row ends one pixel short of the view's width: two cells must fit inside it.
    const int rowWidth = ListBox1->width() - 2 * ListBox1->frameWidth() - ListBox1->verticalScrollBar()->sizeHint().width();
    ListBox1->setGridSize(QSize((rowWidth - 1) / 2, 17));
    QPalette tip = ListBox1->palette();
    tip.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
    ListBox1->setPalette(tip);

    Label1 = forms::label(this, "Label1", QStringLiteral("Table:"), {56, 104}, pixelFont(QStringLiteral("Arial"), 16, true));
    Label2 = forms::label(this, "Label2", QString(), {112, 105}, pixelFont(QStringLiteral("Arial"), 15, true));

    SpeedButton2 = forms::pictureButton(this, "SpeedButton2", {536, 104, 25, 22}, forms::buttonGlyph("help"),
                                        QStringLiteral("Help"));
    SpeedButton1 = forms::pictureButton(this, "SpeedButton1", {568, 104, 25, 22}, forms::buttonGlyph("close"),
                                        QStringLiteral("Close window"));

    StringGrid1 = forms::placed(new QTableWidget(this), "StringGrid1", {0, 127, 521, 214});
    StringGrid1->setToolTip(QStringLiteral("Click to copy value in Edit"));
    StringGrid1->setFont(pixelFont(QStringLiteral("Arial"), 13));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->verticalHeader()->hide();  // no fixed columns
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* heading = StringGrid1->horizontalHeader();
    heading->setHighlightSections(false);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setFixedHeight(kRowHeight);
    // A style sheet is the one way to colour header sections in every style.
    heading->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(255, 255, 0); color: black;"
        " border: 1px solid gray; border-top: none; border-left: none; padding: 1px; }"));
    StringGrid1->setColumnCount(kDesignedColumns);
    StringGrid1->setRowCount(kDesignedRows - 1);
    StringGrid1->setHorizontalHeaderLabels(QStringList(kDesignedColumns, QString()));  // blank, not numbered

    RichEdit1 = forms::placed(new QLineEdit(this), "RichEdit1", {0, 344, 370, 23});
    RichEdit1->setToolTip(QStringLiteral("Edit to clipboard"));
    SpeedButton5 = forms::pictureButton(this, "SpeedButton5", {373, 343, 28, 24}, forms::buttonGlyph("copy"),
                                        QStringLiteral("Copy to Clipboard"));
    CheckBox1 = forms::placed(new QCheckBox(QStringLiteral("Select all cells to clipboard"), this), "CheckBox1",
                              {409, 347, 186, 17});

    // Whichever way a topic is selected (a click, the arrow keys, Space), it
    // shows; Enter selects the topic under the focus frame.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, kv::guard([this] {
                const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
                if (chosen.size() == 1) ListBox1Click(chosen.front());
            }));
    connect(ListBox1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ListBox1->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    });
    // A cell is selected by the mouse or moved to with the keys; a heading
    // cell of the fixed row by a click on it.
    connect(StringGrid1, &QTableWidget::cellClicked, this, kv::guard([this](int row, int column) {
                StringGrid1SelectCell(column, row + (headingRowFixed() ? 1 : 0));
            }));
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, kv::guard([this](int row, int column, int, int) {
                if (row >= 0 && column >= 0) StringGrid1SelectCell(column, row + (headingRowFixed() ? 1 : 0));
            }));
    connect(heading, &QHeaderView::sectionClicked, this,
            kv::guard([this](int column) { StringGrid1SelectCell(column, 0); }));
    connect(SpeedButton5, &QToolButton::clicked, this, kv::guard(this, &TForm5::SpeedButton5Click));
    connect(SpeedButton1, &QToolButton::clicked, this, kv::guard(this, &TForm5::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, kv::guard(this, &TForm5::SpeedButton2Click));

    FormCreate();
}

void TForm5::FormCreate() {
    const QStringList titles = reference::topicTitles(dm_->Table4);
    ListBox1->addItems(titles);
    // Each title may take its whole cell of the two columns.
    for (int i = 0; i < ListBox1->count(); ++i) ListBox1->item(i)->setSizeHint(ListBox1->gridSize());
    // A grid told to have no rows and columns keeps one of each, not fixed.
    if (!titles.isEmpty()) showGrid({QString(), QString(), 1, {QString()}, {}});
}

int TForm5::gridRowCount() const { return StringGrid1->rowCount() + (headingRowFixed() ? 1 : 0); }

int TForm5::gridColumnCount() const { return StringGrid1->columnCount(); }

bool TForm5::headingRowFixed() const { return !StringGrid1->horizontalHeader()->isHidden(); }

QString TForm5::cellText(int column, int row) const {
    if (headingRowFixed()) {
        if (row == 0) {
            const QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(column);
            return item ? item->text() : QString();
        }
        --row;
    }
    const QTableWidgetItem* item = StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void TForm5::showGrid(const reference::RefGrid& grid) {
    const bool fixed = !grid.rows.isEmpty();
    // Refilling moves the current cell; that is no cell the user selected.
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->clear();
    StringGrid1->setColumnCount(grid.columns);
    StringGrid1->setRowCount(fixed ? static_cast<int>(grid.rows.size()) : 1);
    StringGrid1->horizontalHeader()->setVisible(fixed);
    if (fixed) {
        StringGrid1->setHorizontalHeaderLabels(grid.headings);
    } else {
        for (int c = 0; c < grid.columns; ++c) StringGrid1->setItem(0, c, new QTableWidgetItem(grid.headings.value(c)));
    }
    for (int r = 0; fixed && r < grid.rows.size(); ++r)
        for (int c = 0; c < grid.columns; ++c) StringGrid1->setItem(r, c, new QTableWidgetItem(grid.rows[r].value(c)));
}

void TForm5::ListBox1Click(QListWidgetItem* item) {
    if (!item) return;
    const QString title = item->text();
    reference::RefGrid grid = reference::loadTopic(dm_->Table4, dm_->Table5, dm_->Table6, title);
    Label2->setText(title);
    Label2->adjustSize();
    QFont face = StringGrid1->font();
    face.setFamily(grid.font);
    StringGrid1->setFont(face);
    StringGrid1->horizontalHeader()->setFont(face);
    showGrid(grid);
    // The columns share the grid's width but for 25 pixels, equally.
    const int width = (StringGrid1->width() - 25) / grid.columns;
    for (int c = 0; c < grid.columns; ++c) StringGrid1->setColumnWidth(c, width);
    showCutTexts();
}

void TForm5::showCutTexts() {
    // Item views draw a cell's text inside a margin on either side.
    const int margin = 2 * (StringGrid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid1) + 1);
    const QFontMetrics metrics(StringGrid1->font());
    const auto mark = [&](QTableWidgetItem* item, int column) {
        if (item && metrics.horizontalAdvance(item->text()) + margin > StringGrid1->columnWidth(column))
            item->setToolTip(item->text());
    };
    for (int c = 0; c < StringGrid1->columnCount(); ++c) {
        mark(StringGrid1->horizontalHeaderItem(c), c);
        for (int r = 0; r < StringGrid1->rowCount(); ++r) mark(StringGrid1->item(r, c), c);
    }
}

void TForm5::StringGrid1SelectCell(int column, int row) {
    RichEdit1->setFont(StringGrid1->font());
    RichEdit1->setText(cellText(column, row));
    if (CheckBox1->isChecked()) {
        QStringList headings, cells;
        for (int j = 0; j < gridColumnCount(); ++j) {
            headings << cellText(j, 0);
            cells << cellText(j, row);
        }
        RichEdit1->setText(reference::rowCopyLine(headings, cells));
    }
    RichEdit1->setCursorPosition(0);
}

void TForm5::SpeedButton5Click() {
    forms::copyAll(RichEdit1);
}

void TForm5::SpeedButton1Click() {
    close();
}

void TForm5::SpeedButton2Click() {
    platform::desktop().help->show(10);
}
