#include "tools/reference/Steel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "data/DM.h"
#include "data/TableModel.h"
#include "platform/HelpKey.h"
#include "tools/reference/DbNavigator.h"
#include "tools/reference/HardnessTables.h"
#include "widgets/forms/ButtonGlyphs.h"
#include "widgets/forms/DBGrid.h"
#include "widgets/forms/FormControls.h"
#include "widgets/forms/ToolDialog.h"
#include "widgets/forms/ReadableColours.h"

TSteelForm* SteelForm = nullptr;

// Centres every cell and paints each column on the colour of its heading box.
class ColumnColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::vector<QColor> colours;  // by column; invalid: the grid's own

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
        const auto column = static_cast<size_t>(index.column());
        if (column < colours.size() && colours[column].isValid()) {
            option->backgroundBrush = colours[column];
            // Dark text on the light heading colours, whatever the desktop's theme.
            option->palette.setColor(QPalette::Text, Qt::black);
        }
    }
};

namespace {

QFont boldOf(QFont f) {
    f.setBold(true);
    return f;
}

}  // namespace

TSteelForm::TSteelForm(QWidget* parent, TDM* dm)
    : QDialog(parent, forms::dialogFrame(forms::Frame::FixedNoClose)),
      dm_(dm ? dm : DM) {
    if (!dm_) throw kv::Error("The steel hardness window needs the data module");
    forms::setUpDialog(this, "SteelForm", QStringLiteral("Reference: hardness number for steel"), {785, 447});
    move(3, 26);

    ListBox1 = forms::placed(new QListWidget(this), "ListBox1", {4, 2, 652, 69});
    ListBox1->setFont(boldOf(font()));
    ListBox1->setToolTip(QStringLiteral("Click to select "));
    ListBox1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    for (int k = 0; k < reference::kHardnessTableCount; ++k) ListBox1->addItem(reference::hardnessTitle(k));

    BitBtn1 = forms::placed(new QPushButton(QStringLiteral("Close"), this), "BitBtn1", {696, 16, 73, 25});
    BitBtn1->setToolTip(QStringLiteral("Close window"));
    BitBtn1->setIcon(forms::buttonGlyph("close"));
    BitBtn1->setAutoDefault(false);

    Panel1 = forms::placed(new QFrame(this), "Panel1", {0, 75, 784, 370});
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setFont(boldOf(font()));

    // One pixel of plain frame, so the first column starts where the heading
    // boxes expect it (x = 6 in the panel).
    DBGrid1 = forms::placed(new TDBGrid(Panel1), "DBGrid1", {5, 124, 777, 200});
    DBGrid1->setAccessibleName(QStringLiteral("Hardness numbers"));
    DBGrid1->setFrameStyle(QFrame::Box | QFrame::Plain);
    DBGrid1->setLineWidth(1);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->setTextElideMode(Qt::ElideNone);
    delegate_ = new ColumnColourDelegate(DBGrid1);
    DBGrid1->setItemDelegate(delegate_);

    DBNavigator1 = forms::placed(new TDBNavigator(&dm_->DataSource7, Panel1), "DBNavigator1", {8, 336, 255, 25});

    // A click or the arrow keys: whichever way an item is selected, its table shows.
    connect(ListBox1, &QListWidget::currentRowChanged, this, kv::guard([this](int) { ListBox1Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, kv::guard(this, &TSteelForm::BitBtn1Click));
    platform::helpOnF1(this, QStringLiteral("steel-hardness.html"));
    FormCreate();
}

void TSteelForm::FormCreate() {
    removeColumns();
    // The boxes are made once and kept; each table places and shows those it needs.
    for (int i = 0; i < reference::kHeadingBoxCount; ++i) {
        auto* box = new QFrame(Panel1);
        box->setObjectName(QStringLiteral("HeadingBox%1").arg(i));
        box->setFrameStyle(QFrame::Panel | QFrame::Raised);
        box->setAutoFillBackground(true);
        auto* label = new QLabel(QString::number(i), box);
        label->setObjectName(QStringLiteral("HeadingLabel%1").arg(i));
        box->hide();
        label->hide();
        boxes.push_back(box);
        boxLabels.push_back(label);
    }
}

void TSteelForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    kv::guarded([this] { FormActivate(); });
}

void TSteelForm::FormActivate() {
    // Every showing starts again on the Brinell table.
    removeColumns();
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    showTable(0);
}

void TSteelForm::ListBox1Click() {
    if (ListBox1->currentRow() >= 0) showTable(ListBox1->currentRow());
}

void TSteelForm::BitBtn1Click() {
    closing_ = true;
    close();
    closing_ = false;
}


void TSteelForm::closeEvent(QCloseEvent* event) {
    // The window has no title-bar buttons; only its Close button ends it.
    if (closing_) QDialog::closeEvent(event);
    else event->ignore();
}

void TSteelForm::reject() {
    if (closing_) QDialog::reject();  // Esc does not close the window either
}

void TSteelForm::removeColumns() {
    DBGrid1->setSource(nullptr);
    delete model_;
    model_ = nullptr;
    delegate_->colours.clear();
}

QColor TSteelForm::headingColour(int col) const {
    switch (col) {
        case 0: return QApplication::palette().color(QPalette::ToolTipBase);
        case 1: return QColor(255, 255, 255);
        case 2: return QColor(0, 255, 255);
        case 3: return QColor(255, 0, 255);
        case 4: return QColor(255, 255, 0);
        case 5: return QColor(0, 255, 0);
        default: return Panel1->palette().color(QPalette::Window);  // no colour of its own
    }
}

QColor TSteelForm::columnColour(int column) const {
    const auto c = static_cast<size_t>(column);
    return c < delegate_->colours.size() ? delegate_->colours[c] : QColor();
}

void TSteelForm::showTable(int item) {
    const int columns = reference::hardnessColumnCount(item);
    dbase::Table& rvb = dm_->Table7;
    reference::requireOpen(rvb);

    // The heading boxes first: they throw before the grid changes when pan.dbf
    // or nam_1.dbf is not open.
    const std::vector<reference::HeadingBox> headings =
        reference::readHeadingBoxes(dm_->Table8, dm_->Table9, item);

    removeColumns();
    QStringList fields;
    // By position; a field the table lacks leaves its column empty.
    for (int c = 1; c <= columns; ++c)
        fields << (c < static_cast<int>(rvb.fields().size())
                       ? QString::fromStdString(rvb.fields()[static_cast<size_t>(c)].name)
                       : QString());
    reference::selectHardnessTable(rvb, item);
    model_ = new TableModel(&dm_->DataSource7, fields, this);
    for (int c = 0; c < columns; ++c) model_->setColumnTitle(c, QString::number(c + 1));
    DBGrid1->setSource(model_);
    const int width = reference::hardnessColumnWidth(item, DBGrid1->width());
    for (int c = 0; c < columns; ++c) DBGrid1->setColumnWidth(c, width);
    delegate_->colours.assign(static_cast<size_t>(columns), QColor());

    size_t i = 0;
    for (; i < headings.size(); ++i) {
        const reference::HeadingBox& h = headings[i];
        QFrame* box = boxes[i];
        box->setGeometry(h.left, h.top, h.width, h.height);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Window, headingColour(h.colour));
        colours.setColor(QPalette::WindowText, forms::inkFor(headingColour(h.colour)));
        box->setPalette(colours);
        const bool known = h.colour >= 0 && h.colour <= 5;
        if (static_cast<int>(i) < columns) delegate_->colours[i] = known ? headingColour(h.colour) : QColor();
        QLabel* label = boxLabels[i];
        label->setText(h.text);
        label->setGeometry(2, 2, h.width - 4, h.height - 4);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->show();
        box->setVisible(h.visible);
    }
    for (; i < boxes.size(); ++i) boxes[i]->hide();

    DBGrid1->viewport()->update();
}
